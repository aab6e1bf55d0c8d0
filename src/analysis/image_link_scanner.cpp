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

bool admits_closed_anchor_naming_image(std::string_view region)
{
    return region.find('>') != std::string_view::npos && names_image_file(region);
}

constexpr TagPattern kAnchor = {"<a ", "href=", admits_closed_anchor_naming_image};

constexpr std::string_view kScriptPathMarker = "cgi-bin/i/";

}

std::size_t CollectImageLinks(std::string_view page_text, std::string_view base_address, ReferenceList& image_links)
{
    // Link targets are listed without "cgi-bin/i/"; the page is only copied when it holds one.
    if (!contains_ignoring_case(page_text, kScriptPathMarker))
        return collect_tag_references(page_text, base_address, kAnchor, image_links);
    const std::string cleaned_text = replace_all_ignoring_case(page_text, kScriptPathMarker, "");
    return collect_tag_references(cleaned_text, base_address, kAnchor, image_links);
}

}
