#pragma once

#include "analysis/reference_list.h"
#include "views/generated_page.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet {

// The "Source Code" view of a page: its text as an HTML fragment that shows it as written ("&"
// and "<" escaped, each CR and each LF a "<BR>"), in which every occurrence of a found file name is
// a link to its address. Links come from one left-to-right pass: at each position the longest
// file name, as the page writes it, that stands whole wins, linked to its first entry (image links
// before image tags). Links past the page's size bound are left out, their names kept as text;
// `reserved` bytes of that bound are kept for what the caller adds to the page.
GeneratedPage build_source_page(std::string_view page_text, const PageReferences& references,
                                std::size_t reserved = 0);

}
