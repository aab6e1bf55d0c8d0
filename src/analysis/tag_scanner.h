#pragma once

#include "analysis/reference_list.h"
#include "analysis/tag_regions.h"

#include <cstddef>
#include <string_view>

namespace quillet {

// What one scanner looks for: tags that begin with `marker` and name their target in
// `attribute`, among the tag regions that `admits` lets through.
struct TagPattern {
    std::string_view marker;    // "<img"
    std::string_view attribute; // "src="
    bool (*admits)(const TagRegion& region);
};

// Appends to `references` the target of every admitted tag of `page_text`, decoded and resolved
// against `base_address`; a file name already listed is skipped. Returns how many references were
// left out because the list reached its bound.
std::size_t collect_tag_references(std::string_view page_text, std::string_view base_address,
                                   const TagPattern& pattern, ReferenceList& references);

}
