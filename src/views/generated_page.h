#pragma once

#include "platform/result.h"

#include <cstddef>
#include <string>

namespace quillet {

// A page made for one of the generated views, and how many entries (links, images) were left out
// of it to keep it within its size bound.
struct GeneratedPage {
    std::string html;
    std::size_t left_out = 0;
};

// What writing a generated page to its work file came to.
struct GeneratedPageWrite {
    std::size_t left_out = 0;
    Result written;
};

}
