// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/decodecache.h"

#include <algorithm>
#include <limits>
#include <unistd.h>

namespace brindolo {

namespace {

constexpr DecodeCache::Stamp kSpareNothing = std::numeric_limits<DecodeCache::Stamp>::max();

// Qt has no call for the machine's memory size; 0 when the system will not say.
std::size_t physicalMemory()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return 0;
    return static_cast<std::size_t>(pages) * static_cast<std::size_t>(pageSize);
}

}  // namespace

const std::size_t DecodeCache::defaultLimit = limitFor(physicalMemory());

DecodeCache& DecodeCache::shared()
{
    static DecodeCache cache;
    return cache;
}

std::size_t DecodeCache::limit() const
{
    const std::lock_guard lock(mutex_);
    return limit_;
}

void DecodeCache::setLimit(std::size_t bytes)
{
    const std::lock_guard lock(mutex_);
    limit_ = bytes;
    evictDownTo(limit_, kSpareNothing);
}

std::size_t DecodeCache::usage() const
{
    const std::lock_guard lock(mutex_);
    return usage_;
}

int DecodeCache::count() const
{
    const std::lock_guard lock(mutex_);
    return static_cast<int>(entries_.size());
}

void DecodeCache::clear()
{
    // The bitmaps are released outside the lock.
    Entries gone;
    const std::lock_guard lock(mutex_);
    gone.swap(entries_);
    usage_ = 0;
}

DecodeCache::Stamp DecodeCache::stamp()
{
    const std::lock_guard lock(mutex_);
    return ++clock_;
}

// Found by size and settings, confirmed by comparing every byte. A hash would
// not make a hit cheaper, since a hit must compare all the bytes anyway to
// rule out a collision; entries are few, so misses stay cheap too.
DecodeCache::Entries::iterator DecodeCache::findLocked(std::span<const std::uint8_t> bytes,
                                                       const DecodeSettings& settings)
{
    return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.settings == settings && entry.bytes.size() == bytes.size()
            && std::equal(bytes.begin(), bytes.end(), entry.bytes.begin());
    });
}

void DecodeCache::touchLocked(Entries::iterator entry)
{
    entries_.splice(entries_.begin(), entries_, entry);
    entry->lastUse = ++clock_;
}

std::optional<QImage> DecodeCache::find(std::span<const std::uint8_t> bytes, const DecodeSettings& settings)
{
    const std::lock_guard lock(mutex_);
    const auto hit = findLocked(bytes, settings);
    if (hit == entries_.end())
        return std::nullopt;
    touchLocked(hit);
    return hit->picture;
}

void DecodeCache::insert(std::span<const std::uint8_t> bytes, const DecodeSettings& settings, const QImage& picture)
{
    KeptBytes copy(bytes.begin(), bytes.end());
    const std::lock_guard lock(mutex_);
    insertLocked(std::move(copy), settings, picture, kSpareNothing);
}

bool DecodeCache::insertSparing(KeptBytes&& bytes, const DecodeSettings& settings, const QImage& picture,
                                Stamp since)
{
    const std::lock_guard lock(mutex_);
    return insertLocked(std::move(bytes), settings, picture, since);
}

// Entries are kept in the order of their stamps, so the ones that may go
// are all at the back.
bool DecodeCache::insertLocked(KeptBytes&& bytes, const DecodeSettings& settings, const QImage& picture,
                               Stamp spareFrom)
{
    // Another thread may have decoded the same picture meanwhile.
    if (const auto same = findLocked(bytes, settings); same != entries_.end()) {
        touchLocked(same);
        return true;
    }
    const std::size_t cost = static_cast<std::size_t>(picture.sizeInBytes()) + bytes.size();
    if (cost > limit_)
        return false;
    std::size_t kept = usage_;
    for (auto entry = entries_.rbegin(); kept > limit_ - cost && entry != entries_.rend(); ++entry) {
        if (entry->lastUse >= spareFrom)
            return false;
        kept -= entry->cost;
    }
    evictDownTo(limit_ - cost, spareFrom);
    entries_.push_front(Entry{std::move(bytes), settings, picture, cost, ++clock_});
    usage_ += cost;
    return true;
}

void DecodeCache::evictDownTo(std::size_t bytes, Stamp spareFrom)
{
    while (usage_ > bytes && !entries_.empty() && entries_.back().lastUse < spareFrom) {
        usage_ -= entries_.back().cost;
        entries_.pop_back();
    }
}

}  // namespace brindolo
