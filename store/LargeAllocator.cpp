#include "store/LargeAllocator.h"

#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace store {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kLargeFrom = std::size_t(1) << 20;

} // namespace

void* allocateLarge(std::size_t bytes)
{
    void* memory = nullptr;
    if (bytes >= kLargeFrom) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        memory = std::aligned_alloc(kHugePage, rounded);
        if (memory)
            ::madvise(memory, rounded, MADV_HUGEPAGE); // advice only: without it, plain pages
    } else {
        memory = std::malloc(bytes == 0 ? 1 : bytes);
    }
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

void freeLarge(void* memory) noexcept { std::free(memory); }

} // namespace store
