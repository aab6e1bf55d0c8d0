#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet {

// Appends `text` with & < > " ' written as character references, so that it reads as written both
// in element text and inside a quoted attribute value; CR and LF too, so that the generated pages
// stay on one line.
void append_html_escaped(std::string& out, std::string_view text);

// The size of the escaped text, without building it.
std::size_t html_escaped_size(std::string_view text);

}
