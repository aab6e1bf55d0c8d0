#pragma once

#include "analysis/reference_list.h"

#include <string>
#include <string_view>

// The generated pages built literally as first designed, replacement after replacement: slow, and
// with the original faults ("&" left as it is, file names linked again inside inserted links,
// addresses neither escaped nor checked for other schemes). Tests and the benchmark compare the
// fast builders against it where those faults play no part.
namespace quillet::reference {

// Every occurrence of `from` in `text`, left to right, without rescanning inserted text.
std::string Replace(std::string_view text, std::string_view from, std::string_view to);

std::string SourcePage(std::string_view page_text, const PageReferences& references);

// The text WriteImagePage writes, without the final CR LF.
std::string ImagePage(const ReferenceList& image_tags);

}
