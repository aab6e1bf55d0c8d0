#include "heap_counter.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::size_t> g_live{0};
std::atomic<std::size_t> g_peak{0};

void* counted_allocation(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    const std::size_t live = g_live.fetch_add(malloc_usable_size(block), std::memory_order_relaxed) +
                             malloc_usable_size(block);
    std::size_t peak = g_peak.load(std::memory_order_relaxed);
    while (live > peak && !g_peak.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
    }
    return block;
}

void counted_release(void* block) noexcept
{
    if (block == nullptr)
        return;
    g_live.fetch_sub(malloc_usable_size(block), std::memory_order_relaxed);
    std::free(block);
}

}

void* operator new(std::size_t size)
{
    return counted_allocation(size);
}

void* operator new[](std::size_t size)
{
    return counted_allocation(size);
}

void operator delete(void* block) noexcept
{
    counted_release(block);
}

void operator delete[](void* block) noexcept
{
    counted_release(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    counted_release(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    counted_release(block);
}

namespace quillet::bench {

std::size_t live_heap_bytes()
{
    return g_live.load(std::memory_order_relaxed);
}

std::size_t peak_heap_bytes()
{
    return g_peak.load(std::memory_order_relaxed);
}

void reset_heap_peak()
{
    g_peak.store(g_live.load(std::memory_order_relaxed), std::memory_order_relaxed);
}

}
