// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Bitmaps already decoded, so that assigning the same file again (the game
// does it on every mouse movement over a slot) skips the decode. An entry is
// found by a digest of the file's bytes and the decode properties (the scale
// included), so a hit gives the very bitmap a fresh decode would, without
// the cache keeping any file. Bounded in memory; the least recently used
// entries leave first. Safe to use from several threads at once: the
// pictures are filled in ahead on a background thread while the interface
// thread reads them.

#include "picture/codec/jpeg_decode.h"

#include <QImage>
#include <array>
#include <cstddef>
#include <cstdint>
#include <list>
#include <mutex>
#include <optional>
#include <span>

namespace brindolo {

// A digest of a file's bytes: two files with the same digest are taken to
// be the same picture.
using FileDigest = std::array<std::uint8_t, 32>;
FileDigest fileDigest(std::span<const std::uint8_t> bytes);

class DecodeCache {
public:
    // Enough for a game of ten camera photos, on a machine with the memory
    // to spare: 256 MiB, or an eighth of the physical memory when that is
    // less (all of 256 MiB when the memory size is unknown, passed as 0).
    static constexpr std::size_t limitFor(std::size_t physicalMemory)
    {
        constexpr std::size_t most = std::size_t{256} << 20;
        return physicalMemory == 0 || physicalMemory / 8 > most ? most : physicalMemory / 8;
    }
    // limitFor this machine's memory.
    static const std::size_t kDefaultLimit;

    // The one cache every picture control of the process shares.
    static DecodeCache& shared();

    // The memory an entry for picture keeps: its rows as the heap hands them
    // out (a block of this size is a mapping of whole pages) and a page more
    // for the entry, the colour table and the heap's own records.
    static std::size_t costOf(const QImage& picture);

    explicit DecodeCache(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    // Bytes held at most, each entry counted at costOf its bitmap.
    // Lowering the limit evicts at once; 0 turns the cache off.
    std::size_t limit() const;
    void setLimit(std::size_t bytes);
    std::size_t usage() const;
    int count() const;
    void clear();

    // Every use of an entry (a hit, an insertion) gives it a later stamp than
    // any stamp handed out before.
    using Stamp = std::uint64_t;
    Stamp stamp();

    // A hit becomes the most recently used entry.
    std::optional<QImage> find(const FileDigest& digest, const DecodeSettings& settings);
    // Makes room by evicting the least recently used entries. An entry for
    // the same digest and settings is only marked used.
    void insert(const FileDigest& digest, const DecodeSettings& settings, const QImage& picture);
    // The same, but evicting only entries last used before since: returns
    // false and inserts nothing when that would not make room.
    bool insertSparing(const FileDigest& digest, const DecodeSettings& settings, const QImage& picture, Stamp since);

private:
    struct Entry {
        FileDigest digest;
        DecodeSettings settings;
        QImage picture;
        std::size_t cost;
        Stamp lastUse;
    };
    using Entries = std::list<Entry>;

    Entries::iterator findLocked(const FileDigest& digest, const DecodeSettings& settings);
    // Moves the entry to the front with a new stamp.
    void touchLocked(Entries::iterator entry);
    bool insertLocked(const FileDigest& digest, const DecodeSettings& settings, const QImage& picture,
                      Stamp spareFrom);
    void evictDownTo(std::size_t bytes, Stamp spareFrom);

    mutable std::mutex mutex_;
    Entries entries_;  // most recently used first
    std::size_t limit_;
    std::size_t usage_ = 0;
    Stamp clock_ = 0;
};

}  // namespace brindolo
