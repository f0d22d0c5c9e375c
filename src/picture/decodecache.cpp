#include "picture/decodecache.h"

#include <algorithm>

namespace brindolo {

DecodeCache& DecodeCache::shared()
{
    static DecodeCache cache;
    return cache;
}

void DecodeCache::setLimit(std::size_t bytes)
{
    limit_ = bytes;
    evictDownTo(limit_);
}

void DecodeCache::clear()
{
    entries_.clear();
    usage_ = 0;
}

// Found by size and settings, confirmed by comparing every byte. A hash would
// not make a hit cheaper, since a hit must compare all the bytes anyway to
// rule out a collision; entries are few, so misses stay cheap too.
std::optional<QImage> DecodeCache::find(std::span<const std::uint8_t> bytes, const DecodeSettings& settings)
{
    const auto hit = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.settings == settings && entry.bytes.size() == bytes.size()
            && std::equal(bytes.begin(), bytes.end(), entry.bytes.begin());
    });
    if (hit == entries_.end())
        return std::nullopt;
    entries_.splice(entries_.begin(), entries_, hit);
    return hit->picture;
}

void DecodeCache::insert(std::span<const std::uint8_t> bytes, const DecodeSettings& settings, const QImage& picture)
{
    const std::size_t cost = static_cast<std::size_t>(picture.sizeInBytes()) + bytes.size();
    if (cost > limit_)
        return;
    evictDownTo(limit_ - cost);
    entries_.push_front(Entry{{bytes.begin(), bytes.end()}, settings, picture, cost});
    usage_ += cost;
}

void DecodeCache::evictDownTo(std::size_t bytes)
{
    while (usage_ > bytes && !entries_.empty()) {
        usage_ -= entries_.back().cost;
        entries_.pop_back();
    }
}

}  // namespace brindolo
