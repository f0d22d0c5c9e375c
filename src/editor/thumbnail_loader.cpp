// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/thumbnail_loader.h"

#include "picture/bitmap.h"
#include "picture/codec/file_copy.h"
#include "picture/codec/jpeg_decode.h"
#include "system/errors.h"

#include <QCoreApplication>
#include <QFile>
#include <new>

namespace brindolo {

Thumbnail makeThumbnail(const std::string& path, QSize size)
{
    Thumbnail thumbnail;
    try {
        const std::vector<std::uint8_t> bytes =
            readWholeFileOrRaise(path, QFile::decodeName(QByteArray::fromStdString(path)).toStdString());
        if (bytes.empty()) {
            thumbnail.findings.push_back(
                {true, "the file is empty, so it shows no picture", FindingKind::EmptyFile, {}});
            return thumbnail;
        }
        DecodeSettings settings;
        settings.numOfColors = TNumOfColors::TrueColor;
        settings.autoTransform = true;
        JpegReader reader(bytes, settings);
        // The frame as the picture lies once turned: the reader picks the
        // smallest eighth that still covers the thumbnail.
        const JpegSize stored = reader.size();
        const bool turned = swapsSides(reader.orientation());
        const int shownWidth = turned ? stored.height : stored.width;
        const int shownHeight = turned ? stored.width : stored.height;
        QSize fitted(shownWidth, shownHeight);
        fitted.scale(size, Qt::KeepAspectRatio);
        reader.setFrame(std::max(1, fitted.width()), std::max(1, fitted.height()));
        const QImage picture = toBitmap(reader.read());
        if (picture.isNull())
            throw EJPEGException("Empty picture");
        thumbnail.picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
        thumbnail.findings = sizeFindings(stored.width, stored.height);
    } catch (const Exception& failure) {
        thumbnail.findings.push_back({true, failure.what(), FindingKind::Unreadable, {failure.what()}});
    } catch (const std::bad_alloc&) {
        thumbnail.findings.push_back({true, "Out of memory", FindingKind::Unreadable, {"Out of memory"}});
    }
    return thumbnail;
}

ThumbnailLoader::ThumbnailLoader(QSize size, QObject* parent) : QObject(parent), size_(size)
{
    qRegisterMetaType<Thumbnail>();
}

ThumbnailLoader::~ThumbnailLoader()
{
    pool_.clear();
    pool_.waitForDone();
}

void ThumbnailLoader::request(const QString& key, const std::string& path)
{
    // The loader outlives every job (its destructor waits for them), and an
    // event posted to it is dropped when it is destroyed before delivery.
    const QSize size = size_;
    pool_.start([this, key, path, size] {
        Thumbnail thumbnail = makeThumbnail(path, size);
        QMetaObject::invokeMethod(
            this, [this, key, thumbnail = std::move(thumbnail)] { emit ready(key, thumbnail); },
            Qt::QueuedConnection);
    });
}

void ThumbnailLoader::forgetPending()
{
    pool_.clear();
}

void ThumbnailLoader::waitForDone()
{
    pool_.waitForDone();
    QCoreApplication::sendPostedEvents(this);
}

}  // namespace brindolo
