// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The JPEG picture control: an image control that reads a whole JPEG file
// into memory when its file name is assigned and decodes it with libjpeg into
// its picture (by default 256 colours, Floyd-Steinberg dithering, at full
// size). Every assignment of the file name or of a decode property decodes
// again, also when the value is unchanged, unless the decode cache that all
// picture controls share already holds that picture: a cache hit is shown
// as it was decoded, and no progress is reported for it.

#include "picture/codec/jpeg_decode.h"
#include "picture/decode_cache.h"
#include "widgets/timage.h"

#include <QSize>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brindolo {

class DecodePrefetcher;

class TCustomJPEGImage : public TImage {
    Q_OBJECT
    Q_PROPERTY(brindolo::TNumOfColors NumOfColors READ numOfColors WRITE setNumOfColors)
    Q_PROPERTY(brindolo::TDCTMethod DCTMethod READ dctMethod WRITE setDCTMethod)
    Q_PROPERTY(brindolo::TDither Dither READ dither WRITE setDither)
    Q_PROPERTY(bool FastProcessing READ fastProcessing WRITE setFastProcessing)
    Q_PROPERTY(bool GrayScale READ grayScale WRITE setGrayScale)
    Q_PROPERTY(bool NoSmooth READ noSmooth WRITE setNoSmooth)
    Q_PROPERTY(bool OnePass READ onePass WRITE setOnePass)
    Q_PROPERTY(int ScaleNum READ scaleNum WRITE setScaleNum)
    Q_PROPERTY(int ScaleDenom READ scaleDenom WRITE setScaleDenom)
    Q_PROPERTY(bool AutoTransform READ autoTransform WRITE setAutoTransform)
    Q_PROPERTY(int ProgressStep READ progressStep WRITE setProgressStep)
    Q_PROPERTY(int Quality READ quality WRITE setQuality)
    Q_PROPERTY(bool Progressive READ progressive WRITE setProgressive)
public:
    explicit TCustomJPEGImage(TComponent* owner, TControl* parent = nullptr);
    ~TCustomJPEGImage() override;

    // The name is kept as the file system's bytes; the QString forms encode
    // and decode it with QFile's file-name encoding.
    QString fileName() const;
    void setFileName(const QString& name);
    const std::string& fileNamePath() const { return fileName_; }
    // Stores the name at once, then reads the whole file into the file copy
    // (empties it for an empty name; an empty copy leaves no picture) and
    // decodes. A file that cannot be read raises as readWholeFileOrRaise
    // does: EFOpenError "Cannot open file <name>" when it cannot be opened,
    // is not a regular file or is too large, EInOutError "I/O error <errno>"
    // when reading it fails; either leaves the file copy and the picture as
    // they were. A decoding failure leaves the new bytes in the file copy and
    // the previous picture on screen.
    void setFileNamePath(const std::string& nativePath);

    // The same with the scale chosen for a frame of that size at once, so
    // that the file is decoded once: the scale JpegReader::setFrame picks,
    // full size for an empty frame. A failure to read leaves the scale too.
    void setFileNamePathFor(const std::string& nativePath, QSize frame);

    // The bytes of the last file read, which every decode step decodes.
    const std::vector<std::uint8_t>& fileCopy() const { return *fileCopy_; }

    // Decode properties: storing the value always decodes again.
    TNumOfColors numOfColors() const { return settings_.numOfColors; }
    void setNumOfColors(TNumOfColors value) { changeSetting(&DecodeSettings::numOfColors, value); }
    TDCTMethod dctMethod() const { return settings_.dctMethod; }
    void setDCTMethod(TDCTMethod value) { changeSetting(&DecodeSettings::dctMethod, value); }
    TDither dither() const { return settings_.dither; }
    void setDither(TDither value) { changeSetting(&DecodeSettings::dither, value); }
    bool fastProcessing() const { return settings_.fastProcessing; }
    void setFastProcessing(bool value) { changeSetting(&DecodeSettings::fastProcessing, value); }
    bool grayScale() const { return settings_.grayScale; }
    void setGrayScale(bool value) { changeSetting(&DecodeSettings::grayScale, value); }
    bool noSmooth() const { return settings_.noSmooth; }
    void setNoSmooth(bool value) { changeSetting(&DecodeSettings::noSmooth, value); }
    bool onePass() const { return settings_.onePass; }
    void setOnePass(bool value) { changeSetting(&DecodeSettings::onePass, value); }
    // The decode scale, libjpeg's scale_num / scale_denom: 1/1 (full size)
    // unless set. Each term is 1 to 16; another value raises EConvertError
    // and changes nothing.
    int scaleNum() const { return settings_.scaleNum; }
    void setScaleNum(int value) { setScale(value, settings_.scaleDenom); }
    int scaleDenom() const { return settings_.scaleDenom; }
    void setScaleDenom(int value) { setScale(settings_.scaleNum, value); }
    // Both terms with one decode.
    void setScale(int num, int denom);
    // Off by default, so that the picture holds the decoded rows as stored;
    // on, the picture is turned as its EXIF orientation says, as a phone's
    // gallery shows it, and a frame's scale is chosen for the turned size.
    bool autoTransform() const { return settings_.autoTransform; }
    void setAutoTransform(bool value) { changeSetting(&DecodeSettings::autoTransform, value); }
    const DecodeSettings& decodeSettings() const { return settings_; }

    // Stored values, no decode. ProgressStep is the percentage between two
    // OnProgress calls (1..100); Quality and Progressive have no effect.
    int progressStep() const { return progressStep_; }
    void setProgressStep(int value) { progressStep_ = value; }
    int quality() const { return quality_; }
    void setQuality(int value) { quality_ = value; }
    bool progressive() const { return progressive_; }
    void setProgressive(bool value) { progressive_ = value; }

    // Called with this control as sender while a picture decodes; the handler
    // may raise, which ends the decode and leaves the previous picture. While
    // it is assigned no decode is skipped through the decode cache. Where it
    // assigns the file name or a decode property, the picture that assignment
    // gives is the one that stays.
    std::function<void(QObject* sender)> OnProgress;

    // The bound of the decode cache that every picture control shares,
    // DecodeCache::kDefaultLimit unless set; 0 turns it off.
    std::size_t cacheLimit() const;
    void setCacheLimit(std::size_t bytes);

    // Decodes the pictures at paths (the file system's bytes) into the decode
    // cache on a background thread, in order, with the current decode
    // properties and each at the scale setFileNamePathFor would choose for
    // frame (an empty frame: at the current scale), so that assigning one of
    // them later the same way finds it decoded. An
    // assignment still reads its file, so a file changed or removed since
    // shows its new content or raises, and a picture that fails raises at its
    // own assignment only. Nothing is prefetched while OnProgress is assigned.
    // The prefetch stops where the cache could only take a picture by
    // evicting one used since it began, the picture on show included. A new
    // prefetch replaces the one under way without waiting for it.
    void prefetch(std::vector<std::string> paths, QSize frame = {});
    // Abandons the prefetch under way and waits for the background thread to
    // let go of it, which takes a picture at most.
    void stopPrefetch();
    // Returns once the prefetch under way has ended.
    void waitForPrefetch();

private:
    void replaceFileCopy(std::vector<std::uint8_t>&& bytes);
    // The digest of the file copy, worked out once per file content.
    const FileDigest& fileCopyDigest();
    // Decodes the file copy with the current settings through opened, when
    // given, which must have read the file copy with them.
    void decodeStep(std::unique_ptr<JpegReader> opened = {});
    // Every decode property is stored alike: the value, then a decode.
    template <typename T>
    void changeSetting(T DecodeSettings::*field, T value)
    {
        settings_.*field = value;
        decodeStep();
    }

    // Shared with the decode under way, which a progress handler may outlive
    // by assigning a new file.
    std::shared_ptr<const std::vector<std::uint8_t>> fileCopy_ = std::make_shared<const std::vector<std::uint8_t>>();
    std::optional<FileDigest> fileCopyDigest_;
    DecodeSettings settings_;
    std::string fileName_;
    int progressStep_ = kDefaultProgressStep;
    int quality_ = 75;
    bool progressive_ = false;
    // Counts decode steps, so that a step can tell whether another one ran
    // inside it.
    unsigned decodeSteps_ = 0;
    std::unique_ptr<DecodePrefetcher> prefetcher_;
};

// The same control with FileName published.
class TJPEGImage : public TCustomJPEGImage {
    Q_OBJECT
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
public:
    using TCustomJPEGImage::TCustomJPEGImage;
};

}  // namespace brindolo
