#pragma once

#include <string>
#include <string_view>

namespace quillet {

// True when a "." or ".." segment stands in the path of `reference`, the part before any "?"
// or "#".
bool has_dot_segments(std::string_view reference);

// `path` with its "." segments dropped and each ".." taking away the segment before it; a ".."
// with nothing left before it is dropped, so the result never climbs above the start of `path`.
// A query or fragment is kept as it is.
std::string remove_dot_segments(std::string_view path);

}
