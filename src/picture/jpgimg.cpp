// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/jpgimg.h"

#include "picture/bitmap.h"
#include "picture/codec/file_copy.h"
#include "picture/prefetcher.h"
#include "system/errors.h"

#include <QFile>

namespace brindolo {

TCustomJPEGImage::TCustomJPEGImage(TComponent* owner, TControl* parent) : TImage(owner, parent)
{
    setFileNamePath(std::string());
}

TCustomJPEGImage::~TCustomJPEGImage() = default;

QString TCustomJPEGImage::fileName() const
{
    return QFile::decodeName(QByteArray::fromStdString(fileName_));
}

void TCustomJPEGImage::setFileName(const QString& name)
{
    setFileNamePath(QFile::encodeName(name).toStdString());
}

void TCustomJPEGImage::setFileNamePath(const std::string& nativePath)
{
    fileName_ = nativePath;
    using Bytes = std::vector<std::uint8_t>;
    replaceFileCopy(nativePath.empty() ? Bytes() : readWholeFileOrRaise(nativePath, fileName().toStdString()));
    decodeStep();
}

void TCustomJPEGImage::setFileNamePathFor(const std::string& nativePath, QSize frame)
{
    fileName_ = nativePath;
    using Bytes = std::vector<std::uint8_t>;
    replaceFileCopy(nativePath.empty() ? Bytes() : readWholeFileOrRaise(nativePath, fileName().toStdString()));
    // The header read for the scale serves the decode too.
    auto reader = std::make_unique<JpegReader>(*fileCopy_, settings_);
    reader->setFrame(frame.width(), frame.height());
    settings_.scaleNum = reader->scale().num;
    settings_.scaleDenom = reader->scale().denom;
    decodeStep(std::move(reader));
}

// Each hover reads its file again: the digest of the same content is not
// worked out again, since comparing the bytes costs a fraction of it.
void TCustomJPEGImage::replaceFileCopy(std::vector<std::uint8_t>&& bytes)
{
    if (bytes != *fileCopy_)
        fileCopyDigest_.reset();
    fileCopy_ = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
}

const FileDigest& TCustomJPEGImage::fileCopyDigest()
{
    if (!fileCopyDigest_)
        fileCopyDigest_ = fileDigest(*fileCopy_);
    return *fileCopyDigest_;
}

void TCustomJPEGImage::setScale(int num, int denom)
{
    if (!validScale(num, denom))
        throw EConvertError("Invalid scale " + std::to_string(num) + "/" + std::to_string(denom));
    settings_.scaleNum = num;
    settings_.scaleDenom = denom;
    decodeStep();
}

std::size_t TCustomJPEGImage::cacheLimit() const
{
    return DecodeCache::shared().limit();
}

void TCustomJPEGImage::setCacheLimit(std::size_t bytes)
{
    DecodeCache::shared().setLimit(bytes);
}

void TCustomJPEGImage::prefetch(std::vector<std::string> paths, QSize frame)
{
    // A handler expects to hear of every decode, which a prefetch would
    // spare it.
    DecodeCache& cache = DecodeCache::shared();
    if (OnProgress || cache.limit() == 0)
        return;
    const DecodeCache::Stamp since = cache.stamp();
    // The picture on show belongs with the ones to come: a use now spares it.
    if (fileCopyDigest_)
        cache.find(*fileCopyDigest_, settings_);
    if (!prefetcher_)
        prefetcher_ = std::make_unique<DecodePrefetcher>(cache);
    prefetcher_->start(std::move(paths), settings_, frame, since);
}

void TCustomJPEGImage::stopPrefetch()
{
    if (prefetcher_)
        prefetcher_->stop();
}

void TCustomJPEGImage::waitForPrefetch()
{
    if (prefetcher_)
        prefetcher_->wait();
}

// The picture changes only once a decode has fully succeeded; any failure
// leaves the previous picture and requests no repaint.
void TCustomJPEGImage::decodeStep(std::unique_ptr<JpegReader> opened)
{
    if (isLoading())
        return;
    const unsigned step = ++decodeSteps_;
    if (fileCopy_->empty()) {
        clearPicture();
        return;
    }
    // The progress handler may assign a new file or new settings while this
    // step decodes: the step keeps the bytes alive and decodes what it began.
    const std::shared_ptr<const std::vector<std::uint8_t>> bytes = fileCopy_;
    const DecodeSettings settings = settings_;
    // A handler expects to hear of a real decode, so it turns the cache off.
    const bool cached = !OnProgress;
    DecodeCache& cache = DecodeCache::shared();
    const FileDigest digest = cached ? fileCopyDigest() : FileDigest{};
    if (cached) {
        if (std::optional<QImage> hit = cache.find(digest, settings)) {
            setPicture(*hit);
            return;
        }
    }
    ProgressNotify notify;
    if (OnProgress)
        notify = [this](int) {
            // A copy: the handler may assign OnProgress while it runs.
            if (const auto handler = OnProgress)
                handler(this);
        };
    if (!opened)
        opened = std::make_unique<JpegReader>(*bytes, settings);
    QImage bitmap = toBitmap(opened->read(notify, progressStep_));
    if (cached)
        cache.insert(digest, settings, bitmap);
    // A step run from the handler has shown the newer file or settings.
    if (step == decodeSteps_)
        setPicture(bitmap);
}

}  // namespace brindolo
