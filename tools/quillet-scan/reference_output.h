#pragma once

#include "text_position.h"

#include "analysis/reference_list.h"

#include <string>
#include <string_view>

namespace quillet::scan {

// One line per reference, "img<TAB>URL<TAB>file name" for the image tags, then "link..." for the
// image links. Control characters in a field are written as \t, \r, \n or \xHH so that every
// reference stays on its own line.
std::string references_as_lines(const PageReferences& references);

// {"imageTags": [{"url": ..., "fileName": ..., "line": ..., "column": ..., "element": "img",
// "written": ...}, ...], "imageLinks": [... "element": "a" ...]} followed by a line break; valid
// JSON whatever bytes the references hold. Line, column and written value come from
// `page_text`, the text the references were found in.
std::string references_as_json(const PageReferences& references, std::string_view page_text);

// Appends a field of a listing line, its control characters written as \t, \r, \n or \xHH.
void append_line_field(std::string& out, std::string_view field);

// Appends the fields that say where an entry stands: ", \"line\": ..., \"column\": ...,
// \"element\": ..., \"written\": ..." for its tag, which starts at `tag_start`, and its attribute
// value in `page_text`.
void append_json_place(std::string& out, const LineColumn& tag_start, std::string_view element,
                       std::string_view page_text, const ReferencePlace& place);

// Appends `bytes` as a JSON string literal. Bytes that are not valid UTF-8 become U+FFFD, one for
// each maximal ill-formed sequence.
void append_json_string(std::string& out, std::string_view bytes);

}
