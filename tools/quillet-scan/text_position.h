#pragma once

#include <cstddef>
#include <string_view>

namespace quillet::scan {

struct LineColumn {
    std::size_t line = 1;
    std::size_t column = 1; // in characters of UTF-8

    bool operator==(const LineColumn&) const = default;
};

// Line and column of byte offsets in a text, both counted from 1, as an editor shows them: lines
// end at LF, CR LF or a lone CR, and each UTF-8 character is one column. Offsets asked in
// increasing order cost one pass over the text in all.
class LineColumnCounter {
public:
    explicit LineColumnCounter(std::string_view text) : m_text(text) {}

    LineColumn at(std::size_t offset);

private:
    std::string_view m_text;
    std::size_t m_offset = 0;
    LineColumn m_position;
};

}
