#include "platform/large_buffers.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace quillet::platform {

namespace {

// The size of the huge pages of x86-64 and of most arm64 systems; where it differs the advice
// covers fewer of them, or none.
constexpr std::uintptr_t kHugePageSize = std::uintptr_t{2} << 20;

void advise_huge_pages(const char* start, std::size_t size)
{
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + kHugePageSize - 1) & ~(kHugePageSize - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(start) + size) & ~(kHugePageSize - 1);
    // Only advice: refused, the memory works the same.
    if (first < end)
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

}

std::string large_buffer(std::size_t capacity)
{
    std::string buffer;
    buffer.reserve(capacity);
    if (capacity >= kHugePageSize)
        advise_huge_pages(buffer.data(), buffer.capacity());
    return buffer;
}

void keep_freed_memory_in_the_heap()
{
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
}

void grow_heap_in_huge_pages(std::size_t bytes)
{
    // glibc's own top pad, to which the heap returns once grown.
    constexpr int kUsualTopPad = 128 << 10;
    constexpr std::size_t kLargestGrowth = std::size_t{512} << 20; // below the trim threshold
    keep_freed_memory_in_the_heap();
    const auto* old_break = static_cast<const char*>(::sbrk(0));
    // The heap grows by its top pad beyond the block that makes it grow, and keeps what it grew by.
    mallopt(M_TOP_PAD, static_cast<int>(std::min(bytes, kLargestGrowth)));
    void* volatile block = std::malloc(kHugePageSize);
    std::free(block);
    mallopt(M_TOP_PAD, kUsualTopPad);
    const auto* new_break = static_cast<const char*>(::sbrk(0));
    // Only the heap's own new end, which nothing has touched yet; an allocator that does not grow
    // the heap leaves nothing to advise.
    if (new_break > old_break)
        advise_huge_pages(old_break, static_cast<std::size_t>(new_break - old_break));
}

}
