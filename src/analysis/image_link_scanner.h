#pragma once

#include "analysis/reference_list.h"

#include <string_view>

namespace quillet {

// Appends the target of every anchor whose line names a .bmp, .gif, .jpeg or .jpg file to
// `image_links`, resolved against `page_address`; a file name already listed is skipped.
void CollectImageLinks(std::string_view page_text, std::string_view page_address, ReferenceList& image_links);

}
