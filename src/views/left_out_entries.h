#pragma once

#include <cstddef>
#include <string>

namespace quillet {

// How many entries the size bounds left out of one run; all zero on ordinary pages.
struct LeftOutEntries {
    std::size_t references = 0; // of the two reference lists
    std::size_t links = 0;      // of the source page
    std::size_t images = 0;     // of the image page

    bool operator==(const LeftOutEntries&) const = default;
};

// One line that says what was left out, or an empty string when nothing was.
std::string left_out_summary(const LeftOutEntries& left_out);

}
