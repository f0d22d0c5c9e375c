// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/codec/own_mapping.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace brindolo {

namespace {

std::size_t pageSize()
{
    static const std::size_t size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return size;
}

void* mapAnonymous(std::size_t bytes)
{
    void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    return block;
}

}  // namespace

// The kernel places a mapping where it likes; a huge page needs a 2 MiB
// boundary, so a larger mapping is made and trimmed to start on one.
// Without transparent huge pages the advice is ignored.
void* mapOwnBlock(std::size_t bytes)
{
    const std::size_t length = roundUp(std::max<std::size_t>(bytes, 1), pageSize());
    if (length < kHugePage)
        return mapAnonymous(length);
    auto* wide = static_cast<std::uint8_t*>(mapAnonymous(length + kHugePage));
    auto* start = reinterpret_cast<std::uint8_t*>(roundUp(reinterpret_cast<std::uintptr_t>(wide), kHugePage));
    if (start > wide)
        ::munmap(wide, static_cast<std::size_t>(start - wide));
    ::munmap(start + length, static_cast<std::size_t>(wide + kHugePage - start));
    ::madvise(start, length, MADV_HUGEPAGE);
    return start;
}

void unmapOwnBlock(void* block, std::size_t bytes) noexcept
{
    ::munmap(block, roundUp(std::max<std::size_t>(bytes, 1), pageSize()));
}

}  // namespace brindolo
