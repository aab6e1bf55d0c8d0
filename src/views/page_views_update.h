#pragma once

#include "analysis/reference_list.h"
#include "views/left_out_entries.h"
#include "views/work_files.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

struct PageViewsUpdate {
    PageReferences references;
    LeftOutEntries left_out;
    std::vector<std::string> failures; // one message per file that could not be written
};

// Rebuilds the files of the two generated views from the text of the page shown and its base
// address: the page text goes to "checkImages.txt", both reference lists are filled afresh, the
// image page goes to "imagepage.html" and the source page to "source.htm", then the scratch files
// are reset. A file that cannot be written keeps its former content and the remaining steps still
// run. Each generated page is built, written and let go before the next, so that a run holds at
// most one of them.
PageViewsUpdate update_page_views(const WorkFiles& files, std::string_view page_text, std::string_view base_address);

}
