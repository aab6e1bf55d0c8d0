#include "analysis/unicode_text.h"

#include <array>

namespace quillet {

namespace {

constexpr char32_t kUnassigned = 0;

// Bytes 0x80 to 0x9F; every other byte is the character of the same number.
constexpr std::array<char32_t, 32> kWindows1252High = {
    U'\u20AC', kUnassigned, U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', kUnassigned, U'\u017D', kUnassigned,
    kUnassigned, U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', kUnassigned, U'\u017E', U'\u0178',
};

bool is_surrogate(char32_t character)
{
    return character >= 0xD800 && character <= 0xDFFF;
}

}

std::optional<char32_t> windows_1252_character(unsigned char byte)
{
    if (byte < 0x80 || byte > 0x9F)
        return byte;
    const char32_t character = kWindows1252High[byte - 0x80];
    if (character == kUnassigned)
        return std::nullopt;
    return character;
}

void append_utf8(std::string& text, char32_t character)
{
    if (character > 0x10FFFF || is_surrogate(character))
        character = kReplacementCharacter;
    const auto byte = [](char32_t value) { return static_cast<char>(value); };
    if (character < 0x80) {
        text += byte(character);
    } else if (character < 0x800) {
        text += byte(0xC0 | (character >> 6));
        text += byte(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        text += byte(0xE0 | (character >> 12));
        text += byte(0x80 | ((character >> 6) & 0x3F));
        text += byte(0x80 | (character & 0x3F));
    } else {
        text += byte(0xF0 | (character >> 18));
        text += byte(0x80 | ((character >> 12) & 0x3F));
        text += byte(0x80 | ((character >> 6) & 0x3F));
        text += byte(0x80 | (character & 0x3F));
    }
}

}
