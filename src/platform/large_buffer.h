#pragma once

#include <cstddef>
#include <string>

namespace quillet::platform {

// An empty string with room for `capacity` bytes, about to be filled. Where the system hands out
// huge pages on request, those behind a buffer of many megabytes are asked for before it is first
// touched: filling it then costs a few page faults instead of one for every 4 KB, which on a
// virtual machine weighs more than the filling. Elsewhere it is an ordinary reserved string.
std::string large_buffer(std::size_t capacity);

}
