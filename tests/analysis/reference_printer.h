#pragma once

#include "analysis/reference_list.h"

#include <ostream>

namespace quillet {

// Lets GoogleTest show found references readably when a comparison fails.
inline void PrintTo(const Reference& reference, std::ostream* out)
{
    *out << "{url \"" << reference.url << "\", file name \"" << reference.file_name << "\"";
    if (!reference.written_name.empty())
        *out << ", written \"" << reference.written_name << "\"";
    *out << "}";
}

}
