#pragma once

#include "analysis/named_image.h"

#include <string>
#include <string_view>

namespace quillet::scan {

// One line per image, "KIND<TAB>URL<TAB>file name", with "<TAB>descriptor" after it for a
// srcset candidate that has one; fields written as references_as_lines writes them.
std::string named_images_as_lines(const NamedImages& images);

// {"images": [{"kind": ..., "url": ..., "fileName": ..., "descriptor": ..., "line": ...,
// "column": ..., "element": ..., "written": ...}, ...]} followed by a line break, the positions
// and written values taken from `page_text` as references_as_json takes them.
std::string named_images_as_json(const NamedImages& images, std::string_view page_text);

}
