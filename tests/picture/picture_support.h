// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared by the picture tests: the corpus, pictures made with cjpeg/convert
// into a temporary folder, running programs, and counting paints.

#include "jpeg2bmp/bmp_header.h"
#include "picture/codec/jpeg_decode.h"
#include "picture/decode_cache.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace brindolo::test {

// The decode cache's bound is the whole process's: every test of a suite
// that may change it starts and ends with the default.
class DefaultCacheLimit : public ::testing::Test {
protected:
    void SetUp() override { DecodeCache::shared().setLimit(DecodeCache::kDefaultLimit); }
    void TearDown() override { DecodeCache::shared().setLimit(DecodeCache::kDefaultLimit); }
};

inline std::string corpus(const char* name)
{
    return std::string(BRINDOLO_CORPUS_DIR) + "/" + name;
}

inline std::vector<std::uint8_t> readBytes(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

inline void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

struct ProgramResult {
    int exitCode = -1;
    QByteArray standardError;
};

inline ProgramResult runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError()};
}

// Runs a shell command line; the test fails when it does.
inline void shell(const QString& command)
{
    const ProgramResult result = runProgram("/bin/sh", {"-c", command});
    ASSERT_EQ(result.exitCode, 0) << command.toStdString() << ": " << result.standardError.toStdString();
}

// A scratch folder with the corpus picture as a PPM source for cjpeg.
class PictureFolder {
public:
    PictureFolder()
    {
        shell(QString("djpeg -ppm -outfile %1 %2").arg(path("source.ppm"), QString::fromStdString(corpus("testorig.jpg"))));
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    std::string file(const QString& name) const { return path(name).toStdString(); }

    // cjpeg with switches over the source, or over what convert made of it.
    std::string cjpeg(const QString& name, const QString& switches, const QString& convertArguments = {})
    {
        QString source = path("source.ppm");
        if (!convertArguments.isEmpty()) {
            const QString converted = path(name + ".ppm");
            shell(QString("convert %1 %2 ppm:%3").arg(source, convertArguments, converted));
            source = converted;
        }
        shell(QString("cjpeg %1 -outfile %2 %3").arg(switches, path(name), source));
        return file(name);
    }

private:
    QTemporaryDir dir_;
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) : widget_(widget) { widget.installEventFilter(this); }

    // Paints caused by action, once Qt has delivered its pending updates.
    template <typename Action>
    int during(Action action)
    {
        QCoreApplication::processEvents();
        paints_ = 0;
        action();
        QCoreApplication::processEvents();
        return paints_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &widget_ && event->type() == QEvent::Paint)
            ++paints_;
        return false;
    }

private:
    QWidget& widget_;
    int paints_ = 0;
};

// The complete BMP image of a decoded picture: its header, then the rows
// from the bottom row up.
inline std::vector<std::uint8_t> bmpImage(const DecodedPicture& picture)
{
    std::vector<std::uint8_t> image = jpeg2bmp::bmpHeader(picture);
    if (picture.empty())
        return image;
    const std::size_t start = image.size();
    image.resize(start + picture.pixelBytes());
    std::uint8_t* out = image.data() + start;
    for (int y = picture.height - 1; y >= 0; --y, out += picture.rowBytes)
        std::memcpy(out, picture.row(y), picture.rowBytes);
    return image;
}

// The bitmap holds exactly the BMP image's pixels and colour table.
inline ::testing::AssertionResult sameAsBmp(const QImage& bitmap, const DecodedPicture& decoded)
{
    if (bitmap.width() != decoded.width || bitmap.height() != decoded.height)
        return ::testing::AssertionFailure() << "size " << bitmap.width() << "x" << bitmap.height();
    if (bitmap.depth() != decoded.bitsPerPixel || static_cast<std::size_t>(bitmap.bytesPerLine()) != decoded.rowBytes)
        return ::testing::AssertionFailure() << "depth " << bitmap.depth();
    for (int y = 0; y < decoded.height; ++y)
        if (std::memcmp(bitmap.constScanLine(y), decoded.row(y), decoded.rowBytes) != 0)
            return ::testing::AssertionFailure() << "row " << y;
    if (decoded.bitsPerPixel == 8) {
        if (bitmap.colorCount() != 256)
            return ::testing::AssertionFailure() << bitmap.colorCount() << " colours";
        for (int i = 0; i < 256; ++i) {
            const std::uint8_t* entry = decoded.colourTable.data() + 4 * i;
            if (bitmap.color(i) != qRgb(entry[2], entry[1], entry[0]))
                return ::testing::AssertionFailure() << "colour " << i;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace brindolo::test
