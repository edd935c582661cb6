#pragma once

#include <cstddef>

namespace store {

// Memory for the big arrays that are filled once from fresh memory: a snapshot of 100,000
// notes, the list's rows. Blocks of a megabyte or more sit on huge-page boundaries and are
// marked for huge pages, so that filling them costs a page fault per 2 MB instead of one per
// 4 kB; smaller ones come from malloc. Either kind is released with freeLarge.
void* allocateLarge(std::size_t bytes);
void freeLarge(void* memory) noexcept;

template <class T>
struct LargeAllocator {
    using value_type = T;

    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count) { return static_cast<T*>(allocateLarge(count * sizeof(T))); }
    void deallocate(T* memory, std::size_t) noexcept { freeLarge(memory); }

    template <class U>
    bool operator==(const LargeAllocator<U>&) const noexcept
    {
        return true;
    }
};

} // namespace store
