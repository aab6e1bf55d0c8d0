#pragma once

#include "analysis/reference_list.h"

#include <cstddef>
#include <string_view>

namespace quillet {

// Appends the src of every image tag of `page_text` (the page's body HTML) to `image_tags`,
// decoded and resolved against `base_address` (the document's base address); a file name already
// listed is skipped. Returns how many were left out because the list reached its bound.
std::size_t CollectImageTags(std::string_view page_text, std::string_view base_address, ReferenceList& image_tags);

}
