#include "platform/large_buffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace quillet::platform {

namespace {

// The size of the huge pages of x86-64 and of most arm64 systems; where it differs the advice
// covers fewer of them, or none.
constexpr std::uintptr_t kHugePageSize = std::uintptr_t{2} << 20;

void advise_huge_pages(char* start, std::size_t size)
{
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + kHugePageSize - 1) & ~(kHugePageSize - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(start) + size) & ~(kHugePageSize - 1);
    // Only advice: refused, the buffer works the same.
    if (first < end)
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

}

std::string large_buffer(std::size_t capacity)
{
    std::string buffer;
    buffer.reserve(capacity);
    if (capacity >= 2 * kHugePageSize)
        advise_huge_pages(buffer.data(), buffer.capacity());
    return buffer;
}

}
