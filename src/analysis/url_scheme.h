#pragma once

#include <string_view>

namespace quillet {

// The "scheme://" that `text` begins with, as written ("HTTPS://"): a scheme name (a letter,
// then letters, digits, "+", "-" or ".") directly followed by "://"; an empty view when there is
// none. An address's own scheme stands at its start; one in its path or query is text.
std::string_view scheme_prefix(std::string_view text);

// The scheme name that `reference` begins with when a ":" follows it ("data" of "data:...",
// "HTTPS" of "HTTPS://..."), or an empty view.
std::string_view leading_scheme_name(std::string_view reference);

// True when `reference` begins with a scheme name and ":" ("data:", "mailto:", "https:"): such
// a reference is already absolute.
bool starts_with_scheme(std::string_view reference);

}
