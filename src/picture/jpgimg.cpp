#include "picture/jpgimg.h"

#include "picture/bitmap.h"
#include "picture/codec/filecopy.h"
#include "picture/decodecache.h"

#include <QFile>

namespace brindolo {

TCustomJPEGImage::TCustomJPEGImage(TComponent* owner, QWidget* parent) : TImage(owner, parent)
{
    setFileNamePath(std::string());
    setNumOfColors(TNumOfColors::_256);
    setDCTMethod(TDCTMethod::Integ);
    setDither(TDither::FS);
    setGrayScale(false);
    setNoSmooth(false);
    setOnePass(false);
    setProgressStep(10);
    setQuality(75);
}

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
    if (nativePath.empty())
        fileCopy_.clear();
    else
        fileCopy_ = readWholeFile(nativePath, fileName().toStdString());
    decodeStep();
}

void TCustomJPEGImage::setNumOfColors(TNumOfColors value)
{
    settings_.numOfColors = value;
    decodeStep();
}

void TCustomJPEGImage::setDCTMethod(TDCTMethod value)
{
    settings_.dctMethod = value;
    decodeStep();
}

void TCustomJPEGImage::setDither(TDither value)
{
    settings_.dither = value;
    decodeStep();
}

void TCustomJPEGImage::setFastProcessing(bool value)
{
    settings_.fastProcessing = value;
    decodeStep();
}

void TCustomJPEGImage::setGrayScale(bool value)
{
    settings_.grayScale = value;
    decodeStep();
}

void TCustomJPEGImage::setNoSmooth(bool value)
{
    settings_.noSmooth = value;
    decodeStep();
}

void TCustomJPEGImage::setOnePass(bool value)
{
    settings_.onePass = value;
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

// The picture changes only once a decode has fully succeeded; any failure
// leaves the previous picture and requests no repaint.
void TCustomJPEGImage::decodeStep()
{
    if (isLoading())
        return;
    if (fileCopy_.empty()) {
        clearPicture();
        return;
    }
    // A handler expects to hear of a real decode, so it turns the cache off.
    const bool cached = !OnProgress;
    DecodeCache& cache = DecodeCache::shared();
    if (cached) {
        if (std::optional<QImage> hit = cache.find(fileCopy_, settings_)) {
            setPicture(*hit);
            return;
        }
    }
    ProgressNotify notify;
    if (OnProgress)
        notify = [this] {
            // A copy: the handler may assign OnProgress while it runs.
            if (const auto handler = OnProgress)
                handler(this);
        };
    QImage bitmap = toBitmap(decodeJpeg(fileCopy_, settings_, notify, progressStep_));
    if (cached)
        cache.insert(fileCopy_, settings_, bitmap);
    setPicture(bitmap);
}

}  // namespace brindolo
