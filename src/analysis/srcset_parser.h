#pragma once

#include <string_view>
#include <vector>

namespace quillet {

// One image candidate of a srcset: its address and its descriptor ("2x", "800w"; empty when
// the candidate has none), both parts of the text parsed.
struct SrcsetCandidate {
    std::string_view url;
    std::string_view descriptor;

    bool operator==(const SrcsetCandidate&) const = default;
};

// The candidates of a srcset value (already decoded) by the HTML rules: an address runs to the
// first blank, so a comma inside it ("a,b.jpg 1x") stays; commas that end an address end its
// candidate; descriptors follow blanks and run to a comma outside parentheses.
std::vector<SrcsetCandidate> parse_srcset(std::string_view srcset);

}
