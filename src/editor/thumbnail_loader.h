// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Thumbnails of the word list's pictures, decoded on a pool of threads at the
// size they are drawn: libjpeg's reduction in the DCT (an eighth of a phone
// photo) does most of the shrinking, so a photo costs a small part of a
// full-size decode. Each result comes back to the thread that owns the loader
// as a queued signal. Requests wait in the order made; forgetPending drops
// those not started yet, so that scrolling past a thousand photos decodes
// only the ones that are still to be seen.

#include "game/word_findings.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <string>
#include <vector>

namespace brindolo {

struct Thumbnail {
    QImage picture;                     // null when the picture cannot be shown
    std::vector<WordFinding> findings;  // the decode's error, or the size warning
};

// One picture read as the thumbnail shows it: decoded by the game's reader,
// turned upright, fitted into size. Never throws: a failure is an error
// finding with the reader's message.
Thumbnail makeThumbnail(const std::string& path, QSize size);

class ThumbnailLoader : public QObject {
    Q_OBJECT
public:
    explicit ThumbnailLoader(QSize size, QObject* parent = nullptr);
    // Waits for the decodes under way; their results are dropped.
    ~ThumbnailLoader() override;

    QSize size() const { return size_; }
    // path is the file system's bytes; key comes back with the result.
    void request(const QString& key, const std::string& path);
    // Drops the requests no thread has started.
    void forgetPending();
    // Waits until every request made has been delivered (for tests and
    // measurements).
    void waitForDone();

signals:
    void ready(const QString& key, const brindolo::Thumbnail& thumbnail);

private:
    QSize size_;
    QThreadPool pool_;
};

}  // namespace brindolo

Q_DECLARE_METATYPE(brindolo::Thumbnail)
