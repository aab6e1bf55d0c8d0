#pragma once

#include <cstddef>

namespace quillet::bench {

// Live and peak bytes of the program's heap, counted by its replaced operator new and delete.
std::size_t live_heap_bytes();
std::size_t peak_heap_bytes();
// Starts a new peak from the bytes live now.
void reset_heap_peak();

}
