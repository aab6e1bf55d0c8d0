#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace quillet::scan {

struct LineColumn {
    std::size_t line = 1;
    std::size_t column = 1; // in characters of UTF-8

    bool operator==(const LineColumn&) const = default;
};

// Line and column of each byte offset of `offsets` in `text`, in the order given, both counted
// from 1 as an editor shows them: lines end at LF, CR LF or a lone CR, and each UTF-8 character
// is one column. An offset past the end stands at the end. The text is gone through once, from
// one offset to the next in the order they stand, however the list is ordered.
std::vector<LineColumn> line_columns(std::string_view text, const std::vector<std::size_t>& offsets);

}
