#include "analysis/url_scheme.h"

#include "analysis/ascii_text.h"

namespace quillet {

namespace {

constexpr std::string_view kSchemeSeparator = "://";

constexpr bool is_scheme_character(char c)
{
    return is_ascii_letter(c) || is_ascii_digit(c) || c == '+' || c == '-' || c == '.';
}

// The start of the scheme name that ends at `name_end`, or name_end when there is none.
std::size_t scheme_name_start(std::string_view text, std::size_t name_end)
{
    std::size_t start = name_end;
    while (start > 0 && is_scheme_character(text[start - 1]))
        --start;
    while (start < name_end && !is_ascii_letter(text[start]))
        ++start;
    return start;
}

}

std::optional<SchemePrefix> find_scheme_prefix(std::string_view text)
{
    for (std::size_t separator = text.find(kSchemeSeparator); separator != std::string_view::npos;
         separator = text.find(kSchemeSeparator, separator + 1)) {
        const std::size_t start = scheme_name_start(text, separator);
        if (start < separator)
            return SchemePrefix{start, text.substr(start, separator + kSchemeSeparator.size() - start)};
    }
    return std::nullopt;
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

bool starts_with_scheme(std::string_view reference)
{
    return !leading_scheme_name(reference).empty();
}

}
