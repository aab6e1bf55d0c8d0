#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// Page text is UTF-8 and every pattern the scanners look for is ASCII, so "ignoring case" means
// ignoring the case of the 26 ASCII letters only; every other byte must match exactly.

constexpr char to_lower_ascii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool is_ascii_letter(char c)
{
    return to_lower_ascii(c) >= 'a' && to_lower_ascii(c) <= 'z';
}

constexpr bool is_ascii_digit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool is_line_break(char c)
{
    return c == '\r' || c == '\n';
}

// The value of a hexadecimal digit of either case; nullopt for any other byte.
constexpr std::optional<unsigned> hex_digit_value(char c)
{
    if (is_ascii_digit(c))
        return static_cast<unsigned>(c - '0');
    const char lower = to_lower_ascii(c);
    if (lower >= 'a' && lower <= 'f')
        return static_cast<unsigned>(lower - 'a' + 10);
    return std::nullopt;
}

// The blanks that may separate attributes of an HTML tag (CSS knows the same ones).
inline constexpr std::string_view kHtmlSpaces = " \t\n\r\f";

constexpr bool is_html_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string to_lower_ascii(std::string_view text);

// `text` without the `blanks` that open and close it.
inline std::string_view trimmed(std::string_view text, std::string_view blanks)
{
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

inline bool starts_with_ignoring_case(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (to_lower_ascii(text[i]) != to_lower_ascii(prefix[i]))
            return false;
    }
    return true;
}

inline bool equals_ignoring_case(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && starts_with_ignoring_case(a, b);
}

// The position of the first occurrence of `pattern` at or after `from`, or npos. Linear in the
// length of the searched text for the short patterns used here.
std::size_t find_ignoring_case(std::string_view text, std::string_view pattern, std::size_t from = 0);

bool contains_ignoring_case(std::string_view text, std::string_view pattern);

// Every occurrence of `pattern` replaced, left to right; text that a replacement joins up is not
// searched again ("aabb" with "ab" removed is "ab").
std::string replace_all_ignoring_case(std::string_view text, std::string_view pattern, std::string_view replacement);

// The position of the first CR or LF at or after `from`, or text.size(); callers bound `text`
// to the stretch they look at so that repeated searches stay linear.
std::size_t find_line_end(std::string_view text, std::size_t from);

}
