#pragma once

#include <string>
#include <string_view>

namespace quillet {

// `value`, an attribute value as written in HTML, with its character references decoded as an HTML
// parser decodes them inside an attribute: "&amp;", "&#38;", "&#x26;" and every named reference
// give their text; a legacy name without ";" followed by "=", a letter or a digit stays as written,
// and so does an "&" that starts no reference. The text is UTF-8.
std::string decode_attribute_value(std::string_view value);

}
