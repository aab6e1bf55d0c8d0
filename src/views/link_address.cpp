#include "views/link_address.h"

#include <algorithm>
#include <array>

namespace quillet {

namespace {

bool is_ascii_letter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool is_ascii_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool is_scheme_character(char c)
{
    return is_ascii_letter(c) || is_ascii_digit(c) || c == '+' || c == '-' || c == '.';
}

bool equals_ignoring_case(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// The scheme name at the start of `url` (without its ":"), or empty when there is none.
std::string_view leading_scheme(std::string_view url)
{
    if (url.empty() || !is_ascii_letter(url.front()))
        return {};
    const auto colon = std::ranges::find_if_not(url, is_scheme_character);
    if (colon == url.end() || *colon != ':')
        return {};
    return url.substr(0, static_cast<size_t>(colon - url.begin()));
}

bool is_port_after(std::string_view url, std::string_view scheme)
{
    const std::string_view rest = url.substr(scheme.size() + 1);
    const std::string_view port = rest.substr(0, rest.find('/'));
    return !port.empty() && std::ranges::all_of(port, is_ascii_digit);
}

bool is_script_scheme(std::string_view scheme)
{
    static constexpr std::array<std::string_view, 2> kScriptSchemes = {"javascript", "vbscript"};
    return std::ranges::any_of(kScriptSchemes, [&](std::string_view script) { return equals_ignoring_case(scheme, script); });
}

bool names_usable_scheme(std::string_view url)
{
    const std::string_view scheme = leading_scheme(url);
    return !scheme.empty() && !is_port_after(url, scheme) && !is_script_scheme(scheme);
}

}

std::string_view link_address_prefix(std::string_view url)
{
    return names_usable_scheme(url) ? std::string_view() : std::string_view("http://");
}

}
