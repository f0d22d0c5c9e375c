#pragma once
// Bitmaps already decoded, so that assigning the same file again (the game
// does it on every mouse movement over a slot) skips the decode. An entry is
// found only by the exact file bytes and decode properties it was decoded
// from, so a hit gives the very bitmap a fresh decode would. Bounded in
// memory; the least recently used entries leave first.

#include "picture/codec/jpegdecode.h"

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <list>
#include <optional>
#include <span>
#include <vector>

namespace brindolo {

class DecodeCache {
public:
    static constexpr std::size_t defaultLimit = std::size_t{64} << 20;

    // The one cache every picture control of the process shares.
    static DecodeCache& shared();

    explicit DecodeCache(std::size_t limit = defaultLimit) : limit_(limit) {}

    // Bytes held at most: each entry counts its bitmap and its file bytes.
    // Lowering the limit evicts at once; 0 turns the cache off.
    std::size_t limit() const { return limit_; }
    void setLimit(std::size_t bytes);
    std::size_t usage() const { return usage_; }
    int count() const { return static_cast<int>(entries_.size()); }
    void clear();

    // A hit becomes the most recently used entry.
    std::optional<QImage> find(std::span<const std::uint8_t> bytes, const DecodeSettings& settings);
    void insert(std::span<const std::uint8_t> bytes, const DecodeSettings& settings, const QImage& picture);

private:
    struct Entry {
        std::vector<std::uint8_t> bytes;
        DecodeSettings settings;
        QImage picture;
        std::size_t cost;
    };
    void evictDownTo(std::size_t bytes);

    std::list<Entry> entries_;  // most recently used first
    std::size_t limit_;
    std::size_t usage_ = 0;
};

}  // namespace brindolo
