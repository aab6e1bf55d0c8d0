#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace quillet {

struct TagRegion {
    std::string_view text;
    std::size_t tag_end; // where in `text` the ">" that ends the tag stands; npos when none does
};

// Walks the tags that begin with `marker` ("<img", "<a ", any letter case) in page text, giving
// each tag's region: the text from its marker to the end of its line, or to the next marker
// when that comes first. A tag whose line holds no ">" that ends it (one outside quoted values)
// continues to the end of the line where that ">" stands (the region then holds line breaks), or, when no ">" comes before the
// next marker, up to that marker. Text before the first marker of a line belongs to no region.
// Lines end at LF, CR LF or a lone CR.
class TagRegionReader {
public:
    TagRegionReader(std::string_view text, std::string_view marker);

    std::optional<TagRegion> next();

private:
    // The region's end in the text, and its tag's end (npos when none) found on the way.
    std::pair<std::size_t, std::size_t> region_end(std::size_t start, std::size_t next_marker) const;

    std::string_view m_text;
    std::string_view m_marker;
    std::size_t m_next_start;
};

}
