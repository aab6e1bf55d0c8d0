#include "analysis/url_scheme.h"

#include "analysis/ascii_text.h"

namespace quillet {

namespace {

constexpr bool is_scheme_character(char c)
{
    return is_ascii_letter(c) || is_ascii_digit(c) || c == '+' || c == '-' || c == '.';
}

}

std::string_view leading_scheme_name(std::string_view reference)
{
    if (reference.empty() || !is_ascii_letter(reference.front()))
        return {};
    std::size_t name_end = 1;
    while (name_end < reference.size() && is_scheme_character(reference[name_end]))
        ++name_end;
    if (name_end == reference.size() || reference[name_end] != ':')
        return {};
    return reference.substr(0, name_end);
}

std::string_view scheme_prefix(std::string_view text)
{
    constexpr std::string_view kSchemeSeparator = "://";
    const std::string_view name = leading_scheme_name(text);
    if (name.empty() || !text.substr(name.size()).starts_with(kSchemeSeparator))
        return {};
    return text.substr(0, name.size() + kSchemeSeparator.size());
}

bool starts_with_scheme(std::string_view reference)
{
    return !leading_scheme_name(reference).empty();
}

}
