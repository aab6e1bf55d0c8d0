#pragma once

#include <cstddef>
#include <string>

namespace quillet::platform {

// An empty string with room for `capacity` bytes, about to be filled. Where the system hands out
// huge pages on request, those behind a buffer of many megabytes are asked for before it is first
// touched: filling it then costs a few page faults instead of one for every 4 KB, which on a
// virtual machine weighs more than the filling. Elsewhere it is an ordinary reserved string.
std::string large_buffer(std::size_t capacity);

// Keeps freed blocks, however large, in the heap for the next ones to reuse, rather than handing
// them back to the system and faulting in fresh memory for each new buffer.
void keep_freed_memory_in_the_heap();

// For a short run that builds buffers of many megabytes: keeps freed memory in the heap and grows
// the heap at once by `bytes`, in huge pages where the system hands them out on request. Memory
// the run never touches costs nothing.
void grow_heap_in_huge_pages(std::size_t bytes);

}
