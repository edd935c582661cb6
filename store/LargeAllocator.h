#pragma once

#include <cstddef>

namespace store {

// Memory for the big arrays of the note list: a few bytes per note, a million notes. Blocks of
// a megabyte or more are pages of their own, mapped when asked for and given back to the
// system as soon as they are freed, so that the memory held follows the list the user has
// open; smaller ones come from malloc. Either kind is released with freeLarge, given the
// size it was asked for.
void* allocateLarge(std::size_t bytes);
void freeLarge(void* memory, std::size_t bytes) noexcept;

template <class T>
struct LargeAllocator {
    using value_type = T;

    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count) { return static_cast<T*>(allocateLarge(count * sizeof(T))); }
    void deallocate(T* memory, std::size_t count) noexcept { freeLarge(memory, count * sizeof(T)); }

    template <class U>
    bool operator==(const LargeAllocator<U>&) const noexcept
    {
        return true;
    }
};

} // namespace store
