#include "analysis/character_references.h"

#include "analysis/ascii_text.h"
#include "analysis/named_character_references.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quillet {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kLargestCodePoint = 0x10FFFF;

// Numeric references to 0x80-0x9F mean the windows-1252 characters of those bytes, as pages
// written in that code page intend.
constexpr std::array<char32_t, 32> kWindows1252 = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178,
};

constexpr bool is_hex_digit(char c)
{
    return is_ascii_digit(c) || (to_lower_ascii(c) >= 'a' && to_lower_ascii(c) <= 'f');
}

constexpr bool is_ascii_alphanumeric(char c)
{
    return is_ascii_letter(c) || is_ascii_digit(c);
}

unsigned hex_digit_value(char c)
{
    return is_ascii_digit(c) ? static_cast<unsigned>(c - '0') : static_cast<unsigned>(to_lower_ascii(c) - 'a' + 10);
}

void append_utf8(std::string& out, char32_t code_point)
{
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (code_point < 0x80) {
        out += byte(code_point);
    } else if (code_point < 0x800) {
        out += byte(0xC0 | code_point >> 6);
        out += byte(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        out += byte(0xE0 | code_point >> 12);
        out += byte(0x80 | (code_point >> 6 & 0x3F));
        out += byte(0x80 | (code_point & 0x3F));
    } else {
        out += byte(0xF0 | code_point >> 18);
        out += byte(0x80 | (code_point >> 12 & 0x3F));
        out += byte(0x80 | (code_point >> 6 & 0x3F));
        out += byte(0x80 | (code_point & 0x3F));
    }
}

char32_t character_of_number(std::uint32_t number)
{
    if (number == 0 || number > kLargestCodePoint || (number >= 0xD800 && number <= 0xDFFF))
        return kReplacementCharacter;
    if (number >= 0x80 && number <= 0x9F)
        return kWindows1252[number - 0x80];
    return number;
}

// Decodes the numeric reference that `text` begins with ("#38;", "#x26"), appending its character;
// returns how many bytes it took, or 0 when `text` holds no digits after "#".
std::size_t decode_numeric(std::string_view text, std::string& out)
{
    const bool hex = text.size() > 1 && to_lower_ascii(text[1]) == 'x';
    const std::size_t digits_start = hex ? 2 : 1;
    std::size_t end = digits_start;
    std::uint32_t number = 0;
    const std::uint32_t base = hex ? 16 : 10;
    while (end < text.size() && (hex ? is_hex_digit(text[end]) : is_ascii_digit(text[end]))) {
        // Past the largest code point the value no longer matters, only that it is too large.
        number = std::min<std::uint32_t>(number * base + hex_digit_value(text[end]), kLargestCodePoint + 1);
        ++end;
    }
    if (end == digits_start)
        return 0;
    if (end < text.size() && text[end] == ';')
        ++end;
    append_utf8(out, character_of_number(number));
    return end;
}

// The longest named reference that `text` begins with.
const NamedCharacterReference* longest_name_at(std::string_view text)
{
    const std::span<const NamedCharacterReference> references = named_character_references();
    constexpr std::size_t kLongestName = 32;
    const auto name_less = [](const NamedCharacterReference& reference, std::string_view name) {
        return reference.name < name;
    };
    for (std::size_t length = std::min(kLongestName, text.size()); length >= 2; --length) {
        const std::string_view candidate = text.substr(0, length);
        const auto found = std::lower_bound(references.begin(), references.end(), candidate, name_less);
        if (found != references.end() && found->name == candidate)
            return &*found;
    }
    return nullptr;
}

// Decodes the named reference that `text` begins with, appending its text; returns how many bytes
// it took, or 0 when it stays as written.
std::size_t decode_named(std::string_view text, std::string& out)
{
    const NamedCharacterReference* reference = longest_name_at(text);
    if (reference == nullptr)
        return 0;
    const std::size_t end = reference->name.size();
    const bool legacy = !reference->name.ends_with(';');
    if (legacy && end < text.size() && (text[end] == '=' || is_ascii_alphanumeric(text[end])))
        return 0;
    out += reference->text;
    return end;
}

// Decodes the reference after an "&"; returns how many bytes of `text` it took.
std::size_t decode_reference(std::string_view text, std::string& out)
{
    if (text.empty())
        return 0;
    if (text.front() == '#')
        return decode_numeric(text, out);
    if (is_ascii_alphanumeric(text.front()))
        return decode_named(text, out);
    return 0;
}

}

std::string decode_attribute_value(std::string_view value)
{
    std::string decoded;
    decoded.reserve(value.size());
    for (;;) {
        const std::size_t ampersand = value.find('&');
        decoded.append(value.substr(0, ampersand));
        if (ampersand == std::string_view::npos)
            return decoded;
        value.remove_prefix(ampersand + 1);
        const std::size_t taken = decode_reference(value, decoded);
        if (taken == 0)
            decoded += '&';
        value.remove_prefix(taken);
    }
}

}
