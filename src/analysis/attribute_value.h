#pragma once

#include <string_view>

namespace quillet {

// The value of an attribute from `text`, the text right after its "=" up to the tag's ">" (or
// the end of the tag's text when it has none). Blanks before the value are skipped; a value in
// quotes runs to the matching quote (or the end of `text`), a bare value to the first blank.
std::string_view attribute_value(std::string_view text);

}
