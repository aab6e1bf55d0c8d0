#include "analysis/character_references.h"

#include "analysis/ascii_text.h"
#include "analysis/named_character_references.h"
#include "analysis/unicode_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace quillet {

namespace {

constexpr char32_t kLargestCodePoint = 0x10FFFF;

constexpr bool is_ascii_alphanumeric(char c)
{
    return is_ascii_letter(c) || is_ascii_digit(c);
}

// Numeric references to 0x80-0x9F mean the windows-1252 characters of those bytes, as pages
// written in that code page intend; the bytes it leaves unassigned keep their numbers.
char32_t character_of_number(std::uint32_t number)
{
    if (number == 0 || number > kLargestCodePoint || (number >= 0xD800 && number <= 0xDFFF))
        return kReplacementCharacter;
    if (number >= 0x80 && number <= 0x9F)
        return windows_1252_character(static_cast<unsigned char>(number)).value_or(number);
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
    const auto digit_at = [&](std::size_t i) -> std::optional<unsigned> {
        if (hex)
            return hex_digit_value(text[i]);
        return is_ascii_digit(text[i]) ? std::optional<unsigned>(text[i] - '0') : std::nullopt;
    };
    for (std::optional<unsigned> digit; end < text.size() && (digit = digit_at(end)); ++end) {
        // Past the largest code point the value no longer matters, only that it is too large.
        number = std::min<std::uint32_t>(number * base + *digit, kLargestCodePoint + 1);
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
