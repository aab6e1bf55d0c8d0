#pragma once

#include <cstddef>

namespace quillet {

// What one run may build from a page of `page_size` bytes, so that no page and no address, however
// hostile, makes a run take memory without end: ordinary pages stay far below these bounds. Each
// reference list holds at most this many bytes of addresses and names...
constexpr std::size_t reference_list_bound(std::size_t page_size)
{
    return 2 * page_size + (std::size_t{32} << 20);
}

// ...and each generated page at most this many bytes. Entries past a bound are left out.
constexpr std::size_t generated_page_bound(std::size_t page_size)
{
    return 8 * page_size + (std::size_t{64} << 20);
}

}
