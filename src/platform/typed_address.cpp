#include "platform/typed_address.h"

#include "analysis/ascii_text.h"
#include "platform/glib_ptr.h"
#include "platform/string_conversions.h"

#include <glib.h>

#include <algorithm>

namespace quillet::platform {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

bool is_scheme(std::string_view text)
{
    const auto is_scheme_char = [](char c) { return g_ascii_isalnum(c) || c == '+' || c == '-' || c == '.'; };
    return !text.empty() && g_ascii_isalpha(text.front()) && std::all_of(text.begin(), text.end(), is_scheme_char);
}

// "localhost:8080" and "example.com:80/x" are a host with a port, not a scheme.
bool starts_with_port(std::string_view text)
{
    const auto digits = std::find_if_not(text.begin(), text.end(), [](char c) { return g_ascii_isdigit(c); });
    return digits != text.begin()
           && (digits == text.end() || std::string_view("/?#").find(*digits) != std::string_view::npos);
}

bool has_scheme(std::string_view address)
{
    const auto colon = address.find(':');
    return colon != std::string_view::npos && is_scheme(address.substr(0, colon))
           && !starts_with_port(address.substr(colon + 1));
}

}

std::string uri_from_typed_address(std::string_view typed)
{
    const auto address = trimmed(typed, kBlanks);
    if (address.empty())
        return {};
    if (has_scheme(address))
        return std::string(address);
    if (address.front() == '/')
        return uri_from_file_path(std::filesystem::path(address));
    return "http://" + std::string(address);
}

std::string uri_from_file_path(const std::filesystem::path& path)
{
    if (path.empty())
        return {};
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error).lexically_normal();
    if (error)
        return {};
    return to_string(GCharPtr(g_filename_to_uri(absolute.c_str(), nullptr, nullptr)));
}

}
