#include "analysis/image_link_scanner.h"

#include "analysis/ascii_text.h"
#include "analysis/tag_scanner.h"

#include <array>

namespace quillet {

namespace {

bool has_image_extension_at(std::string_view text, std::size_t dot)
{
    constexpr std::array<std::string_view, 4> kImageExtensions = {".bmp", ".gif", ".jpeg", ".jpg"};
    for (const std::string_view extension : kImageExtensions) {
        if (starts_with_ignoring_case(text.substr(dot), extension))
            return true;
    }
    return false;
}

// The whole region counts, not only the link target: a link around a thumbnail names an image.
bool names_image_file(std::string_view region)
{
    for (std::size_t dot = region.find('.'); dot != std::string_view::npos; dot = region.find('.', dot + 1)) {
        if (has_image_extension_at(region, dot))
            return true;
    }
    return false;
}

bool admits_closed_anchor_naming_image(const TagRegion& region)
{
    return region.tag_end != std::string_view::npos && names_image_file(region.text);
}

constexpr TagPattern kAnchor = {"<a ", "href=", admits_closed_anchor_naming_image};

constexpr std::string_view kScriptPathMarker = "cgi-bin/i/";

// Moves offsets of the text without the markers to the page, asked in increasing order: a
// character of the cleaned text follows every marker removed at or before its offset.
class RemovedMarkers {
public:
    explicit RemovedMarkers(std::string_view page_text)
        : m_text(page_text)
        , m_next(find_ignoring_case(page_text, kScriptPathMarker))
    {
    }

    std::size_t offset_in_page(std::size_t cleaned_offset)
    {
        while (m_next != std::string_view::npos && m_next - m_passed * kScriptPathMarker.size() <= cleaned_offset) {
            ++m_passed;
            m_next = find_ignoring_case(m_text, kScriptPathMarker, m_next + kScriptPathMarker.size());
        }
        return cleaned_offset + m_passed * kScriptPathMarker.size();
    }

private:
    std::string_view m_text;
    std::size_t m_next;
    std::size_t m_passed = 0;
};

// Places found in the cleaned text, moved to where they stand in the page; a value that held a
// marker holds it again. The scanner lists references in the order of the text, and each value
// lies between its tag and the next.
void place_in_page(std::string_view page_text, ReferenceList& references, std::size_t first)
{
    RemovedMarkers removed(page_text);
    for (std::size_t i = first; i < references.size(); ++i) {
        ReferencePlace& place = references[i].place;
        place.tag_start = removed.offset_in_page(place.tag_start);
        // A value follows at least its "href=", so the character before it stands in both texts.
        const std::size_t value_start = removed.offset_in_page(place.value_start - 1) + 1;
        const std::size_t value_end = removed.offset_in_page(place.value_start + place.value_size);
        place.value_start = value_start;
        place.value_size = value_end - value_start;
    }
}

}

std::size_t CollectImageLinks(std::string_view page_text, std::string_view base_address, ReferenceList& image_links)
{
    // Link targets are listed without "cgi-bin/i/"; the page is only copied when it holds one.
    if (!contains_ignoring_case(page_text, kScriptPathMarker))
        return collect_tag_references(page_text, base_address, kAnchor, image_links);
    const std::string cleaned_text = replace_all_ignoring_case(page_text, kScriptPathMarker, "");
    const std::size_t first = image_links.size();
    const std::size_t left_out = collect_tag_references(cleaned_text, base_address, kAnchor, image_links);
    place_in_page(page_text, image_links, first);
    return left_out;
}

}
