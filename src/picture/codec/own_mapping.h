// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Memory for large blocks that outlive a decode (a photo's rows, the file
// bytes the decode cache keeps), each in a mapping of its own. In the heap
// they would settle between the blocks each decode allocates and frees
// (libjpeg's whole-picture buffer: 36 MB for a phone photo), so that the
// next decode's buffer no longer fits where the last one was and comes
// fresh from the kernel, faulted in 4 KiB at a time. A mapping of its own
// goes back to the system whole, and from 2 MiB on it is aligned and
// marked for transparent huge pages, so that it faults in a few pieces.
// glibc's malloc offers no such choice per block, and a second allocator
// library for two kinds of block would weigh more than these few lines.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace brindolo {

inline constexpr std::size_t kHugePage = std::size_t{2} << 20;

// bytes rounded up to a whole number of units.
constexpr std::size_t roundUp(std::size_t bytes, std::size_t unit)
{
    return (bytes + unit - 1) / unit * unit;
}

// A zero-filled block of at least bytes; throws std::bad_alloc.
void* mapOwnBlock(std::size_t bytes);
// Gives back a block mapOwnBlock made for the same bytes.
void unmapOwnBlock(void* block, std::size_t bytes) noexcept;

// For containers of such blocks: a megabyte and more in a mapping of its
// own, anything smaller from the heap.
template <class T>
struct OwnMappingAllocator {
    using value_type = T;
    static constexpr std::size_t kFrom = std::size_t{1} << 20;

    OwnMappingAllocator() = default;
    template <class U>
    OwnMappingAllocator(const OwnMappingAllocator<U>&) noexcept {}

    T* allocate(std::size_t n)
    {
        if (n * sizeof(T) < kFrom)
            return std::allocator<T>().allocate(n);
        return static_cast<T*>(mapOwnBlock(n * sizeof(T)));
    }
    void deallocate(T* block, std::size_t n) noexcept
    {
        if (n * sizeof(T) < kFrom)
            std::allocator<T>().deallocate(block, n);
        else
            unmapOwnBlock(block, n * sizeof(T));
    }
    template <class U>
    bool operator==(const OwnMappingAllocator<U>&) const noexcept
    {
        return true;
    }
};

// Bytes that outlive a decode, such as a kept file.
using KeptBytes = std::vector<std::uint8_t, OwnMappingAllocator<std::uint8_t>>;

}  // namespace brindolo
