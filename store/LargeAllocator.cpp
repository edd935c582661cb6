#include "store/LargeAllocator.h"

#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace store {

namespace {

constexpr std::size_t kPage = 4096;
constexpr std::size_t kLargeFrom = std::size_t(1) << 20;

} // namespace

void* allocateLarge(std::size_t bytes)
{
    void* memory = nullptr;
    if (bytes >= kLargeFrom) {
        // Whole pages of its own, given back to the system when freed.
        const std::size_t rounded = (bytes + kPage - 1) / kPage * kPage;
        memory = ::mmap(nullptr, rounded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            throw std::bad_alloc();
        return memory;
    }
    memory = std::malloc(bytes == 0 ? 1 : bytes);
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

void freeLarge(void* memory, std::size_t bytes) noexcept
{
    if (!memory)
        return;
    if (bytes >= kLargeFrom)
        ::munmap(memory, (bytes + kPage - 1) / kPage * kPage);
    else
        std::free(memory);
}

} // namespace store
