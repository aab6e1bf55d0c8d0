#include "text_position.h"

#include <algorithm>
#include <numeric>

namespace quillet::scan {

namespace {

bool is_line_break(std::string_view text, std::size_t at)
{
    return text[at] == '\n' || (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'));
}

// The counts below are written without branches so that the compiler runs them many bytes a step.

std::size_t line_breaks_in(std::string_view text, std::size_t from, std::size_t to)
{
    // Only the last byte of the text is a CR with no byte after it to look at.
    const std::size_t followed_end = std::max(from, std::min(to, text.size() - 1));
    std::size_t breaks = 0;
    for (std::size_t i = from; i < followed_end; ++i)
        breaks += static_cast<std::size_t>((text[i] == '\n') | ((text[i] == '\r') & (text[i + 1] != '\n')));
    for (std::size_t i = followed_end; i < to; ++i)
        breaks += static_cast<std::size_t>(is_line_break(text, i));
    return breaks;
}

// The characters in text[from, to), a CR taking no column.
std::size_t columns_in(std::string_view text, std::size_t from, std::size_t to)
{
    std::size_t columns = 0;
    for (std::size_t i = from; i < to; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        columns += static_cast<std::size_t>(((byte & 0xC0) != 0x80) & (byte != '\r'));
    }
    return columns;
}

// Where the last line in text[from, to) ends; only called when one does.
std::size_t last_line_break(std::string_view text, std::size_t from, std::size_t to)
{
    std::size_t at = to - 1;
    while (at > from && !is_line_break(text, at))
        --at;
    return at;
}

}

std::vector<LineColumn> line_columns(std::string_view text, const std::vector<std::size_t>& offsets)
{
    std::vector<std::size_t> order(offsets.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return offsets[a] < offsets[b]; });

    std::vector<LineColumn> positions(offsets.size());
    LineColumn position;
    std::size_t counted = 0;
    for (const std::size_t index : order) {
        const std::size_t offset = std::min(offsets[index], text.size());
        if (const std::size_t breaks = line_breaks_in(text, counted, offset); breaks > 0) {
            const std::size_t line_start = last_line_break(text, counted, offset) + 1;
            position = {position.line + breaks, 1 + columns_in(text, line_start, offset)};
        } else {
            position.column += columns_in(text, counted, offset);
        }
        counted = offset;
        positions[index] = position;
    }
    return positions;
}

}
