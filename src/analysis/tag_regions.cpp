#include "analysis/tag_regions.h"

#include "analysis/ascii_text.h"
#include "analysis/attribute_value.h"

namespace quillet {

TagRegionReader::TagRegionReader(std::string_view text, std::string_view marker)
    : m_text(text)
    , m_marker(marker)
    , m_next_start(find_ignoring_case(text, marker))
{
}

std::optional<TagRegion> TagRegionReader::next()
{
    if (m_next_start == std::string_view::npos)
        return std::nullopt;
    const std::size_t start = m_next_start;
    m_next_start = find_ignoring_case(m_text, m_marker, start + m_marker.size());
    const std::size_t next_marker = m_next_start == std::string_view::npos ? m_text.size() : m_next_start;
    const auto [end, tag_end] = region_end(start, next_marker);
    return TagRegion{m_text.substr(start, end - start), tag_end == std::string_view::npos ? tag_end : tag_end - start};
}

// Every search stays between `start` and `next_marker`, so a page is read a bounded number of
// times however many tags one line holds.
std::pair<std::size_t, std::size_t> TagRegionReader::region_end(std::size_t start, std::size_t next_marker) const
{
    const std::string_view up_to_next_marker = m_text.substr(0, next_marker);
    const std::size_t line_end = find_line_end(up_to_next_marker, start);
    const std::size_t tag_end = find_tag_end(up_to_next_marker, start);
    if (line_end == next_marker || tag_end == std::string_view::npos)
        return {next_marker, tag_end};
    if (tag_end < line_end)
        return {line_end, tag_end};
    return {find_line_end(up_to_next_marker, tag_end), tag_end};
}

}
