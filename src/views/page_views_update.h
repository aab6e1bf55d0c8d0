#pragma once

#include "analysis/reference_list.h"
#include "views/left_out_entries.h"
#include "views/page_views_output.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

struct PageScan {
    PageReferences references;
    std::size_t left_out = 0; // references past the lists' bound
};

// Both reference lists of a page, filled afresh: image tags (pair 1) first, then image links
// (pair 0), each resolved against `base_address`, the document's base address.
PageScan scan_page(std::string_view page_text, std::string_view base_address);

// How long one step of a run took, for the trace.
struct RunStep {
    const char* name;
    std::chrono::steady_clock::duration duration;
};

struct PageViewsUpdate {
    PageReferences references;
    std::string base_address; // the one the references were resolved against
    LeftOutEntries left_out;
    std::vector<std::string> failures; // one message per file that could not be written
    std::vector<RunStep> steps;
};

// One page-view run, the same for the window, quillet-scan, the bench and the fuzzer: both
// reference lists are filled afresh from the text of the page shown and its base address, the
// image page goes to "imagepage.html" and the source page to "source.htm", then the scratch files
// are reset. A file that cannot be written keeps its former content and the remaining steps still
// run. Each generated page is built, written and let go before the next, so that a run holds at
// most one of them.
//
// The base address is `engine_base_address` where the caller has it from the engine, which reads
// the document's head (the window: the body it hands over holds none); otherwise the first
// `<base href>` of the text, resolved against `page_address`, or the page address itself.
PageViewsUpdate update_page_views(const PageViewsOutput& output, std::string_view page_text,
                                  std::string_view page_address,
                                  std::optional<std::string_view> engine_base_address = std::nullopt);

}
