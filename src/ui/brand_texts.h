#pragma once

#include "ui/brand_identity.h"

#include <string>
#include <string_view>

namespace quillet {

// The texts composed from the brand identity. An empty value simply leaves its part out.

// "<product> by <company>"
std::string main_window_caption(const BrandIdentity& identity);
// "<product> by <company> - <location name>", while a page is shown
std::string main_window_caption(const BrandIdentity& identity, std::string_view location_name);
// "Visit <web site>"
std::string website_button_caption(const BrandIdentity& identity);
// The fourth item of the View menu: the web site alone.
std::string website_menu_caption(const BrandIdentity& identity);
// "About <product>"
std::string about_window_caption(const BrandIdentity& identity);

// The address the website launcher hands to the default browser: the web site as written when it
// starts with a scheme ("https://", "HTTP://", ...), otherwise "http://" in front of it.
std::string website_launch_address(const BrandIdentity& identity);

}
