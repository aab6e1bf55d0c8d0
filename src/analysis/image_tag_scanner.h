#pragma once

#include "analysis/reference_list.h"

#include <string_view>

namespace quillet {

// Appends the src of every image tag of `page_text` (the page's body HTML) to `image_tags`,
// resolved against `page_address`; a file name already listed is skipped.
void CollectImageTags(std::string_view page_text, std::string_view page_address, ReferenceList& image_tags);

}
