#include "ui/brand_texts.h"

#include <algorithm>

namespace quillet {

namespace {

bool is_ascii_letter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool is_scheme_character(char c)
{
    return is_ascii_letter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// A scheme is a letter followed by letters, digits, "+", "-" or "."; only "<scheme>://" counts, so
// "localhost:8080" stays a host name and "example.org/?u=http://x" gets a scheme of its own.
bool starts_with_scheme(std::string_view address)
{
    const auto separator = address.find("://");
    if (separator == std::string_view::npos || separator == 0 || !is_ascii_letter(address.front()))
        return false;
    const std::string_view scheme = address.substr(0, separator);
    return std::all_of(scheme.begin(), scheme.end(), is_scheme_character);
}

}

std::string main_window_caption(const BrandIdentity& identity)
{
    return identity.ProductTitle + " by " + identity.CompanyTitle;
}

std::string main_window_caption(const BrandIdentity& identity, std::string_view location_name)
{
    return main_window_caption(identity) + " - " + std::string(location_name);
}

std::string website_button_caption(const BrandIdentity& identity)
{
    return "Visit " + identity.WebsiteAddress;
}

std::string website_menu_caption(const BrandIdentity& identity)
{
    return identity.WebsiteAddress;
}

std::string about_window_caption(const BrandIdentity& identity)
{
    return "About " + identity.ProductTitle;
}

std::string website_launch_address(const BrandIdentity& identity)
{
    if (starts_with_scheme(identity.WebsiteAddress))
        return identity.WebsiteAddress;
    return "http://" + identity.WebsiteAddress;
}

}
