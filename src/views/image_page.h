#pragma once

#include "analysis/reference_list.h"
#include "views/generated_page.h"
#include "views/page_views_output.h"

#include <cstddef>

namespace quillet {

// The "Images" view: for each image tag, in list order, the image linking to its own address, the
// address beneath it, then two empty lines. An HTML fragment on one line; every address is escaped.
// The images past the size bound for a page of `page_size` bytes are left out.
GeneratedPage build_image_page(const ReferenceList& image_tags, std::size_t page_size);

// Writes the image page to "imagepage.html".
GeneratedPageWrite WriteImagePage(const PageViewsOutput& output, const ReferenceList& image_tags,
                                  std::size_t page_size);

}
