#pragma once

#include "analysis/reference_list.h"

#include <cstddef>
#include <string_view>

namespace quillet {

// Appends the target of every anchor whose line names a .bmp, .gif, .jpeg or .jpg file to
// `image_links`, decoded and resolved against `base_address`; a file name already listed is
// skipped. Returns how many were left out because the list reached its bound.
std::size_t CollectImageLinks(std::string_view page_text, std::string_view base_address, ReferenceList& image_links);

}
