#pragma once

#include <cstddef>
#include <string_view>

namespace quillet {

// The value of an attribute from `text`, the text right after its "=" up to the tag's ">" (or
// the end of the tag's text when it has none). Blanks before the value are skipped; a value in
// quotes runs to the matching quote (or the end of `text`), a bare value to the first blank.
std::string_view attribute_value(std::string_view text);

// The position of the ">" that ends the tag whose text `from` lies in: the first ">" at or after
// `from` outside a quoted attribute value, one that begins with a quote after its "=" (blanks may
// stand between) and runs to the same quote. A quote not closed within `text` quotes nothing.
// npos when no ">" ends the tag.
std::size_t find_tag_end(std::string_view text, std::size_t from = 0);

}
