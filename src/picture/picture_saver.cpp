// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picture_saver.h"

#include "picture/codec/file_copy.h"
#include "picture/codec/jpeg_decode.h"
#include "system/output_file.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QMimeDatabase>
#include <QPainter>
#include <atomic>
#include <new>
#include <span>
#include <thread>

namespace brindolo {

namespace {

// What the reader reads here, for the message about a format it does not.
QString readableFormats()
{
    QStringList names;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        names << QString::fromLatin1(format).toUpper();
    names.removeDuplicates();
    return names.join(QStringLiteral(", "));
}

// The quality below which Qt's JPEG reader takes a scaled size as the DCT
// scale, rather than decoding the whole picture and scaling it down.
constexpr int kScaledDecodeQuality = 49;

// The size to read a picture larger than the saved size at: the smallest
// of the halvings libjpeg decodes directly (1/2, 1/4, 1/8) that still
// covers the saved size, so that the last step is a smooth reduction here.
// Readers that do not scale as they read reduce to it smoothly themselves.
QSize scaledReadSize(QSize stored)
{
    int denominator = 1;
    while (denominator < 8 && std::max(stored.width(), stored.height()) / (denominator * 2) >= kLongestSavedSide)
        denominator *= 2;
    return {(stored.width() + denominator - 1) / denominator, (stored.height() + denominator - 1) / denominator};
}

[[noreturn]] void refuse(const std::string& path, const QString& why)
{
    throw EPictureUnreadable(path + ": " + why.toStdString());
}

// The picture's type named from its bytes, the way a file manager names it:
// never guessed from the file's name.
QString typeOf(const QByteArray& bytes)
{
    const QMimeType type = QMimeDatabase().mimeTypeForData(bytes);
    return type.comment().isEmpty() ? type.name() : type.comment() + QStringLiteral(" (") + type.name() + u')';
}

// The picture as the game is to show it.
QImage readPicture(const std::string& path)
{
    const std::vector<std::uint8_t> file = readWholeFileOrRaise(path, path);
    QByteArray bytes(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (reader.format().isEmpty())
        refuse(path, QStringLiteral("a file of type %1, which is not a picture read here (%2)")
                         .arg(typeOf(bytes), readableFormats()));
    // Turning does not change the long side, so the stored size gives it.
    const QSize stored = reader.size();
    if (stored.isValid() && std::max(stored.width(), stored.height()) > kLongestSavedSide)
        reader.setScaledSize(scaledReadSize(stored));
    // Below 50, Qt's JPEG reader scales in libjpeg's DCT, which skips most
    // of the work of a reduction; nothing else reads the quality.
    reader.setQuality(kScaledDecodeQuality);
    QImage image = reader.read();
    if (image.isNull())
        refuse(path, QStringLiteral("the %1 picture cannot be read: %2")
                         .arg(QString::fromLatin1(reader.format()).toUpper(), reader.errorString()));
    // The size read covers the saved size (or is the whole picture, for a
    // reader that does not tell its size): the last reduction is smooth.
    if (std::max(image.width(), image.height()) > kLongestSavedSide)
        image = image.scaled(kLongestSavedSide, kLongestSavedSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace::SRgb)
        image.convertToColorSpace(QColorSpace::SRgb);

    // Drawn on a fresh picture, which carries none of the source's texts,
    // colour profile or resolution: the game shows transparency as white.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
}

// Baseline JPEG with no metadata.
QByteArray encode(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    // Baseline: the game's reader and every viewer show it row by row.
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    writer.setQuality(90);
    if (!writer.write(picture))
        throw Exception("Cannot encode the picture as JPEG: " + writer.errorString().toStdString());
    return bytes;
}

}  // namespace

PreparedPicture preparePicture(const std::string& source)
{
    const QImage picture = readPicture(source);
    QByteArray bytes = encode(picture);
    // The game's own reader must read every byte back. An eighth of the size
    // still reads every compressed byte, so it finds what the game would.
    DecodeSettings settings;
    settings.scaleDenom = 8;
    JpegReader reader(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                static_cast<std::size_t>(bytes.size())),
                      settings);
    reader.read();
    if (reader.size().width != picture.width() || reader.size().height != picture.height())
        throw EJPEGException(source + ": the picture encoded is not the size of the picture read");
    return {std::move(bytes), picture.size()};
}

std::vector<PictureOrProblem> preparePictures(const std::vector<std::string>& sources)
{
    std::vector<PictureOrProblem> prepared(sources.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < sources.size(); i = next++) {
            try {
                prepared[i] = preparePicture(sources[i]);
            } catch (const Exception& failure) {
                prepared[i] = std::string(failure.what());
            } catch (const std::bad_alloc&) {
                prepared[i] = sources[i] + ": out of memory";
            }
        }
    };
    const std::size_t threads = std::min<std::size_t>(sources.size(), std::thread::hardware_concurrency());
    std::vector<std::jthread> workers(threads > 1 ? threads - 1 : 0);
    for (std::jthread& worker : workers)
        worker = std::jthread(work);
    work();
    return prepared;
}

void writePicture(const PreparedPicture& picture, const std::string& target)
{
    OutputFile output(target);
    output.write(picture.jpeg.constData(), static_cast<std::size_t>(picture.jpeg.size()));
    output.commit();
}

}  // namespace brindolo
