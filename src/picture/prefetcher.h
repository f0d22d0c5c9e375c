// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Fills the decode cache ahead of time on one background thread, so that the
// first showing of a picture the player is about to see finds it decoded
// while the interface thread never waits for the decode.

#include "picture/codec/jpeg_decode.h"
#include "picture/decode_cache.h"

#include <QSize>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace brindolo {

class DecodePrefetcher {
public:
    explicit DecodePrefetcher(DecodeCache& cache) : cache_(cache) {}
    // Abandons the work under way and ends the thread.
    ~DecodePrefetcher();
    DecodePrefetcher(const DecodePrefetcher&) = delete;
    DecodePrefetcher& operator=(const DecodePrefetcher&) = delete;

    // Reads each file (paths are the file system's bytes) and decodes it with
    // settings, at the scale JpegReader::setFrame picks for frame unless that is
    // empty, into the cache, in order, unless the cache has it already. A file
    // that cannot be read or decoded is skipped (and logged under
    // brindolo.picture). Stops where the cache could only take a picture by
    // evicting one used at or after since. Replaces the work under way without
    // waiting for it.
    void start(std::vector<std::string> paths, const DecodeSettings& settings, QSize frame,
               DecodeCache::Stamp since);
    // Abandons the work under way and waits until the thread has let go of
    // it: a file read ends, a decode stops at its next whole per cent.
    void stop();
    // Returns once the work under way is done.
    void wait();

private:
    struct Job {
        std::vector<std::string> paths;
        DecodeSettings settings;
        QSize frame;
        DecodeCache::Stamp since;
    };

    void run(std::stop_token stop);
    void prefetch(const Job& job, std::uint64_t generation, const std::stop_token& stop);

    DecodeCache& cache_;
    std::mutex mutex_;
    std::condition_variable_any changed_;
    std::optional<Job> pending_;
    bool busy_ = false;
    // Moves on with every start and stop: the job in hand is abandoned as
    // soon as the worker sees it has moved past the job's own.
    std::atomic<std::uint64_t> generation_ = 0;
    // Started with the first job; declared last, so that it is joined before
    // anything it uses goes.
    std::jthread worker_;
};

}  // namespace brindolo
