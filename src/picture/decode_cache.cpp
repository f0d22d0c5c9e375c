// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/decode_cache.h"

#include <QCryptographicHash>
#include <algorithm>
#include <cstring>
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

const std::size_t DecodeCache::kDefaultLimit = limitFor(physicalMemory());

// BLAKE2b is Qt's quickest cryptographic hash here: a 4 MB photo in about
// 5 ms, where SHA-256 takes five times as long. Being cryptographic, it gives
// two different files the same digest only by a chance nobody will meet.
FileDigest fileDigest(std::span<const std::uint8_t> bytes)
{
    const QByteArray hash = QCryptographicHash::hash(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Blake2b_256);
    FileDigest digest{};
    std::memcpy(digest.data(), hash.constData(), std::min(digest.size(), static_cast<std::size_t>(hash.size())));
    return digest;
}

std::size_t DecodeCache::costOf(const QImage& picture)
{
    constexpr std::size_t kPage = 4096;
    const auto rows = static_cast<std::size_t>(picture.sizeInBytes());
    return (rows + kPage - 1) / kPage * kPage + kPage;
}

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

DecodeCache::Entries::iterator DecodeCache::findLocked(const FileDigest& digest, const DecodeSettings& settings)
{
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& entry) { return entry.digest == digest && entry.settings == settings; });
}

void DecodeCache::touchLocked(Entries::iterator entry)
{
    entries_.splice(entries_.begin(), entries_, entry);
    entry->lastUse = ++clock_;
}

std::optional<QImage> DecodeCache::find(const FileDigest& digest, const DecodeSettings& settings)
{
    const std::lock_guard lock(mutex_);
    const auto hit = findLocked(digest, settings);
    if (hit == entries_.end())
        return std::nullopt;
    touchLocked(hit);
    return hit->picture;
}

void DecodeCache::insert(const FileDigest& digest, const DecodeSettings& settings, const QImage& picture)
{
    const std::lock_guard lock(mutex_);
    insertLocked(digest, settings, picture, kSpareNothing);
}

bool DecodeCache::insertSparing(const FileDigest& digest, const DecodeSettings& settings, const QImage& picture,
                                Stamp since)
{
    const std::lock_guard lock(mutex_);
    return insertLocked(digest, settings, picture, since);
}

// Entries are kept in the order of their stamps, so the ones that may go
// are all at the back.
bool DecodeCache::insertLocked(const FileDigest& digest, const DecodeSettings& settings, const QImage& picture,
                               Stamp spareFrom)
{
    // Another thread may have decoded the same picture meanwhile.
    if (const auto same = findLocked(digest, settings); same != entries_.end()) {
        touchLocked(same);
        return true;
    }
    const std::size_t cost = costOf(picture);
    if (cost > limit_)
        return false;
    std::size_t kept = usage_;
    for (auto entry = entries_.rbegin(); kept > limit_ - cost && entry != entries_.rend(); ++entry) {
        if (entry->lastUse >= spareFrom)
            return false;
        kept -= entry->cost;
    }
    evictDownTo(limit_ - cost, spareFrom);
    entries_.push_front(Entry{digest, settings, picture, cost, ++clock_});
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
