#pragma once

#include "analysis/reference_list.h"
#include "views/left_out_entries.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet {

struct PageScan {
    PageReferences references;
    std::size_t left_out = 0; // references past the lists' bound
};

// Both reference lists of a page, filled afresh: image tags (pair 1) first, then image links
// (pair 0), each resolved against `base_address`, the document's base address.
PageScan scan_page(std::string_view page_text, std::string_view base_address);

// Everything the two generated views show for one page, built in memory.
struct PageAnalysis {
    PageReferences references;
    std::string source_page;
    std::string image_page;
    LeftOutEntries left_out;
};

PageAnalysis analyse_page(std::string_view page_text, std::string_view base_address);

}
