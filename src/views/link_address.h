#pragma once

#include <string_view>

namespace quillet {

// What a generated page puts in front of `url` to link to it: nothing when the url begins with a
// scheme ("https:", "file:", "HTTP:", "data:"...), otherwise "http://". "host:8080/..." is a host
// with a port, not a scheme. Script addresses ("javascript:", "vbscript:") get the prefix too, so
// a click in a generated page never runs them.
std::string_view link_address_prefix(std::string_view url);

}
