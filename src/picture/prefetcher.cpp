// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/prefetcher.h"

#include "picture/bitmap.h"
#include "picture/codec/file_copy.h"
#include "system/logging.h"
#include "system/utf8.h"

#include <exception>

namespace brindolo {

namespace {

// Thrown from the decode's progress notification to end a decode nobody
// wants any more.
struct Abandoned {};

}  // namespace

DecodePrefetcher::~DecodePrefetcher()
{
    ++generation_;
    // The jthread requests the stop and joins.
}

void DecodePrefetcher::start(std::vector<std::string> paths, const DecodeSettings& settings, QSize frame,
                             DecodeCache::Stamp since)
{
    {
        const std::lock_guard lock(mutex_);
        pending_ = Job{std::move(paths), settings, frame, since};
        ++generation_;
    }
    if (!worker_.joinable())
        worker_ = std::jthread([this](std::stop_token stop) { run(std::move(stop)); });
    changed_.notify_all();
}

void DecodePrefetcher::stop()
{
    std::unique_lock lock(mutex_);
    pending_.reset();
    ++generation_;
    changed_.wait(lock, [this] { return !busy_; });
}

void DecodePrefetcher::wait()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !pending_ && !busy_; });
}

void DecodePrefetcher::run(std::stop_token stop)
{
    std::unique_lock lock(mutex_);
    while (changed_.wait(lock, stop, [this] { return pending_.has_value(); })) {
        const Job job = std::move(*pending_);
        pending_.reset();
        const std::uint64_t generation = generation_;
        busy_ = true;
        lock.unlock();
        prefetch(job, generation, stop);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

void DecodePrefetcher::prefetch(const Job& job, std::uint64_t generation, const std::stop_token& stop)
{
    const auto abandoned = [&] { return stop.stop_requested() || generation_ != generation; };
    const ProgressNotify checkAbandoned = [&](int) {
        if (abandoned())
            throw Abandoned{};
    };
    for (const std::string& path : job.paths) {
        if (abandoned())
            return;
        try {
            std::vector<std::uint8_t> bytes = readWholeFileOrRaise(path, path);
            if (bytes.empty())
                continue;
            DecodeSettings settings = job.settings;
            JpegReader reader(bytes, settings);
            if (!job.frame.isEmpty()) {
                reader.setFrame(job.frame.width(), job.frame.height());
                settings.scaleNum = reader.scale().num;
                settings.scaleDenom = reader.scale().denom;
            }
            const FileDigest digest = fileDigest(bytes);
            if (cache_.find(digest, settings))
                continue;
            const QImage bitmap = toBitmap(reader.read(checkAbandoned, 1));
            if (abandoned() || !cache_.insertSparing(digest, settings, bitmap, job.since))
                return;
        } catch (const Abandoned&) {
            return;
        } catch (const std::exception& error) {
            // Left out of the cache: showing the picture raises as it always
            // does, at the moment the user asks for it.
            qCDebug(lcPicture, "not decoded ahead: %s: %s", terminalSafe(path).c_str(),
                    terminalSafe(error.what()).c_str());
        } catch (...) {
            qCDebug(lcPicture, "not decoded ahead: %s", terminalSafe(path).c_str());
        }
    }
}

}  // namespace brindolo
