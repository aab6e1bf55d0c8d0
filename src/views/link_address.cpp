#include "views/link_address.h"

#include "analysis/ascii_text.h"
#include "analysis/url_scheme.h"

#include <algorithm>
#include <array>

namespace quillet {

namespace {

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
    const std::string_view scheme = leading_scheme_name(url);
    return !scheme.empty() && !is_port_after(url, scheme) && !is_script_scheme(scheme);
}

}

std::string_view link_address_prefix(std::string_view url)
{
    return names_usable_scheme(url) ? std::string_view() : std::string_view("http://");
}

}
