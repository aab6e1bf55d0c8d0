#pragma once

#include "analysis/reference_list.h"
#include "platform/result.h"
#include "views/generated_page.h"
#include "views/page_views_output.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet {

// The "Source Code" view's listing of the page as its server sent it: the whole document, escaped
// and linked as the source page is, one line of the document to a line of the listing (LF, CR LF
// and a lone CR each end one). Each line starts with an empty <l> element that the page's own
// style sheet numbers by a counter: the numbers show in a margin of their own, while what is
// selected, copied and found is the document's text alone. The page stays within the size bound
// of the generated pages, links past it left out.
GeneratedPage build_served_page(std::string_view served_text, const PageReferences& references);

// How the images of the page as rendered and of the page as served differ, counted by address.
struct ImageNamesDifference {
    std::size_t only_rendered = 0;
    std::size_t only_served = 0;

    bool operator==(const ImageNamesDifference&) const = default;
};

// One line for the status bar, or an empty string when both name the same images.
std::string image_difference_summary(const ImageNamesDifference& difference);

struct ServedPageWrite {
    std::size_t left_out = 0; // links, and references past the lists' bound
    Result written;
    ImageNamesDifference difference;
};

// Scans the served document with the same scanners, resolved against `base_address` (the one the
// rendered page's run went by), writes its listing to "served.htm" and compares its image tags
// with `rendered_images`.
ServedPageWrite write_served_page(const PageViewsOutput& output, std::string_view served_text,
                                  std::string_view base_address, const ReferenceList& rendered_images);

}
