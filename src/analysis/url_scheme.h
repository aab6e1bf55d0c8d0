#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quillet {

// An occurrence of "scheme://" in a text: a scheme name (a letter, then letters, digits, "+",
// "-" or ".") directly followed by "://", as written in the text ("HTTPS://").
struct SchemePrefix {
    std::size_t position = 0;
    std::string_view text;
};

// The first "scheme://" anywhere in `text`. Addresses are plain text to the scanners, so the
// scheme is found wherever it stands, as "http://" always was.
std::optional<SchemePrefix> find_scheme_prefix(std::string_view text);

// The scheme name that `reference` begins with when a ":" follows it ("data" of "data:...",
// "HTTPS" of "HTTPS://..."), or an empty view.
std::string_view leading_scheme_name(std::string_view reference);

// True when `reference` begins with a scheme name and ":" ("data:", "mailto:", "https:"): such
// a reference is already absolute.
bool starts_with_scheme(std::string_view reference);

}
