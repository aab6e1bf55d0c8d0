#pragma once

#include "analysis/reference_list.h"

#include <string>
#include <string_view>

namespace quillet {

// Both reference lists of a page, filled afresh: image tags (pair 1) first, then image links
// (pair 0), each resolved against `page_address`.
PageReferences scan_page(std::string_view page_text, std::string_view page_address);

// Everything the two generated views show for one page, built in memory.
struct PageAnalysis {
    PageReferences references;
    std::string source_page;
    std::string image_page;
};

PageAnalysis analyse_page(std::string_view page_text, std::string_view page_address);

}
