// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture control: its properties, what survives each failure, and
// progress notifications.

#include "picture/bitmap.h"
#include "picture/decode_cache.h"
#include "picture/jpgimg.h"
#include "picture_support.h"
#include "support/exif_orientation.h"
#include "widgets/properties.h"

#include <QTest>

namespace brindolo::test {
namespace {

// A control on screen, so that repaint requests turn into paint events.
struct ShownImage {
    ShownImage()
    {
        image.resize(400, 400);
        image.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&image));
    }
    TJPEGImage image{nullptr};
    PaintCounter paints{image};
};

template <typename E, typename Action>
std::string messageOf(Action action)
{
    try {
        action();
    } catch (const E& error) {
        return error.what();
    }
    return "(nothing raised)";
}

std::vector<std::uint8_t> tablesOnly()
{
    std::vector<std::uint8_t> bytes = {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x43, 0x00};
    bytes.insert(bytes.end(), 64, 1);
    const std::uint8_t huffman[] = {0xFF, 0xC4, 0x00, 0x14, 0x00, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    bytes.insert(bytes.end(), std::begin(huffman), std::end(huffman));
    bytes.insert(bytes.end(), {0xFF, 0xD9});
    return bytes;
}

// The corpus picture with a frame header declaring 65000 x 65000 pixels.
std::vector<std::uint8_t> hugeDeclaredSize()
{
    std::vector<std::uint8_t> bytes = readBytes(corpus("testorig.jpg"));
    for (std::size_t i = 0; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            const std::uint8_t size[] = {0xFD, 0xE8, 0xFD, 0xE8};
            std::copy(std::begin(size), std::end(size), bytes.begin() + static_cast<std::ptrdiff_t>(i) + 5);
            return bytes;
        }
    ADD_FAILURE() << "no baseline frame header";
    return bytes;
}

using JpegImageFailures = DefaultCacheLimit;
using JpegImageProperties = DefaultCacheLimit;
using JpegImageProgress = DefaultCacheLimit;

TEST_F(JpegImageFailures, MissingFileKeepsTheFileCopyAndThePicture)
{
    ShownImage shown;
    TJPEGImage& image = shown.image;
    image.setFileNamePath(corpus("testorig.jpg"));
    const qint64 shownPicture = image.picture().cacheKey();
    const std::string missing = corpus("no such picture.jpg");

    const int paints = shown.paints.during([&] {
        EXPECT_EQ(messageOf<EFOpenError>([&] { image.setFileNamePath(missing); }), "Cannot open file " + missing);
    });
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(image.fileNamePath(), missing);
    EXPECT_EQ(image.fileCopy(), readBytes(corpus("testorig.jpg")));
    EXPECT_EQ(image.picture().cacheKey(), shownPicture);

    // A decode property decodes the previous file's bytes again.
    image.setCacheLimit(0);
    image.setGrayScale(true);
    EXPECT_EQ(image.pictureWidth(), 227);
    EXPECT_EQ(image.picture().color(7), qRgb(7, 7, 7));
    const qint64 greyPicture = image.picture().cacheKey();

    // A folder is no picture file either.
    EXPECT_EQ(messageOf<EFOpenError>([&] { image.setFileNamePath(BRINDOLO_CORPUS_DIR); }),
              "Cannot open file " BRINDOLO_CORPUS_DIR);

    // Nor is a file above 256 MiB, here a sparse one: it is not even read.
    QTemporaryDir dir;
    const QString huge = dir.filePath("huge.jpg");
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64{256 << 20} + 1));
    EXPECT_EQ(messageOf<EFOpenError>([&] { image.setFileName(huge); }),
              "Cannot open file " + huge.toStdString() + ": larger than 256 MiB");
    EXPECT_EQ(image.fileNamePath(), huge.toStdString());
    EXPECT_EQ(image.fileCopy(), readBytes(corpus("testorig.jpg")));
    EXPECT_EQ(image.picture().cacheKey(), greyPicture);
}

TEST_F(JpegImageFailures, EmptyFileOrNameEmptiesThePictureWithoutError)
{
    ShownImage shown;
    TJPEGImage& image = shown.image;
    QTemporaryDir dir;
    const std::string empty = dir.filePath("empty.jpg").toStdString();
    writeBytes(empty, {});

    image.setFileNamePath(corpus("testorig.jpg"));
    EXPECT_EQ(shown.paints.during([&] { image.setFileNamePath(empty); }), 1);
    EXPECT_TRUE(image.picture().isNull());
    EXPECT_EQ(image.pictureWidth(), 0);
    EXPECT_EQ(image.pictureHeight(), 0);

    image.setFileNamePath(corpus("testorig.jpg"));
    image.setFileName(QString());
    EXPECT_TRUE(image.picture().isNull());
    EXPECT_TRUE(image.fileCopy().empty());
    // With nothing to decode, a decode property only clears the picture.
    image.setNumOfColors(TNumOfColors::_16);
    EXPECT_TRUE(image.picture().isNull());
}

TEST_F(JpegImageFailures, DecodingFailuresKeepThePreviousPictureAndRaiseAgain)
{
    QTemporaryDir dir;
    std::vector<std::uint8_t> truncated = readBytes(corpus("testorig.jpg"));
    truncated.resize(truncated.size() / 2);
    const std::vector<std::uint8_t> text = {'H', 'e', 'l', 'l', 'o'};
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::string message;
    } cases[] = {
        {"truncated", truncated, "Premature end of JPEG file"},
        {"cmyk", {}, "BMP output must be grayscale or RGB"},
        {"tables", tablesOnly(), "JPEG datastream contains no image"},
        {"twelve", readBytes(corpus("monkey12.jpg")), "Unsupported JPEG data precision 12"},
        {"text", text, "Not a JPEG file: starts with 0x48 0x65"},
        {"huge", hugeDeclaredSize(), "Picture too large: 65000 x 65000"},
    };
    ShownImage shown;
    TJPEGImage& image = shown.image;
    for (const auto& failing : cases) {
        SCOPED_TRACE(failing.name);
        const std::string path = dir.filePath(failing.name).toStdString();
        if (failing.bytes.empty()) {
            // cjpeg cannot write CMYK; convert can.
            shell(QString("convert %1 -colorspace CMYK %2")
                      .arg(QString::fromStdString(corpus("testorig.jpg")), QString::fromStdString(path)));
        } else {
            writeBytes(path, failing.bytes);
        }
        const std::string& expected = failing.message;

        image.setFileNamePath(corpus("testimgint.jpg"));
        const qint64 previous = image.picture().cacheKey();
        const int paints = shown.paints.during([&] {
            EXPECT_EQ(messageOf<EJPEGException>([&] { image.setFileNamePath(path); }), expected);
        });
        EXPECT_EQ(paints, 0);
        EXPECT_EQ(image.fileNamePath(), path);
        EXPECT_EQ(image.fileCopy(), readBytes(path));
        EXPECT_EQ(image.picture().cacheKey(), previous);
        EXPECT_EQ(messageOf<EJPEGException>([&] { image.setDither(TDither::FS); }), expected);
        EXPECT_EQ(image.picture().cacheKey(), previous);
    }
}

TEST_F(JpegImageFailures, ProgressHandlerRaisingEndsTheDecode)
{
    TJPEGImage image(nullptr);
    image.setFileNamePath(corpus("testorig.jpg"));
    const qint64 previous = image.picture().cacheKey();
    int calls = 0;
    image.OnProgress = [&](QObject*) {
        if (++calls == 3)
            throw Exception("stopped");
    };
    EXPECT_EQ(messageOf<Exception>([&] { image.setFileNamePath(corpus("testimgint.jpg")); }), "stopped");
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(image.picture().cacheKey(), previous);
    // The new file's bytes are kept, and the next decode shows them.
    const std::vector<std::uint8_t> bytes = readBytes(corpus("testimgint.jpg"));
    EXPECT_EQ(image.fileCopy(), bytes);
    image.OnProgress = nullptr;
    image.setOnePass(false);
    EXPECT_TRUE(sameAsBmp(image.picture(), decodeJpeg(bytes, image.decodeSettings())));
}

// A handler may assign a new file or a decode property while a decode runs:
// the decode under way still reads intact bytes, and the picture of the
// assignment stays.
TEST_F(JpegImageFailures, AssignmentsFromTheProgressHandlerStand)
{
    PictureFolder folder;
    const std::string tall = folder.cjpeg("tall.jpg", "", "-resize 8x1000!");
    const std::string other = corpus("testimgint.jpg");
    TJPEGImage image(nullptr);
    image.OnProgress = [&](QObject*) {
        image.OnProgress = nullptr;
        image.setFileNamePath(other);
    };
    image.setFileNamePath(tall);
    EXPECT_EQ(image.fileNamePath(), other);
    EXPECT_TRUE(sameAsBmp(image.picture(), decodeJpeg(readBytes(other), image.decodeSettings())));

    image.OnProgress = [&](QObject*) {
        image.OnProgress = nullptr;
        image.setGrayScale(true);
    };
    image.setFileNamePath(tall);
    EXPECT_TRUE(sameAsBmp(image.picture(), decodeJpeg(readBytes(tall), image.decodeSettings())));
    EXPECT_EQ(image.picture().color(7), qRgb(7, 7, 7));
}

TEST_F(JpegImageProperties, DefaultsAndPublishedNames)
{
    TJPEGImage image(nullptr);
    EXPECT_EQ(image.numOfColors(), TNumOfColors::_256);
    EXPECT_EQ(image.dctMethod(), TDCTMethod::Integ);
    EXPECT_EQ(image.dither(), TDither::FS);
    EXPECT_FALSE(image.fastProcessing() || image.grayScale() || image.noSmooth() || image.onePass());
    EXPECT_EQ(image.progressStep(), 10);
    EXPECT_EQ(image.quality(), 75);
    EXPECT_FALSE(image.progressive());
    EXPECT_FALSE(image.autoTransform());
    EXPECT_EQ(image.scaleNum(), 1);
    EXPECT_EQ(image.scaleDenom(), 1);
    EXPECT_TRUE(image.fileName().isEmpty());
    EXPECT_TRUE(image.picture().isNull());
    EXPECT_FALSE(image.OnProgress);

    // FileName is published by TJPEGImage only.
    TCustomJPEGImage custom(nullptr);
    EXPECT_FALSE(findProperty(custom, u"FileName"));
    for (const char16_t* name : {u"FileName", u"NumOfColors", u"DCTMethod", u"Dither", u"FastProcessing",
                                 u"GrayScale", u"NoSmooth", u"OnePass", u"ProgressStep", u"Quality",
                                 u"Progressive", u"ScaleNum", u"ScaleDenom", u"AutoTransform", u"Stretch", u"Center"})
        EXPECT_TRUE(findProperty(image, name)) << QString::fromUtf16(name).toStdString();

    // File names go through Qt's file-name encoding both ways.
    image.setFileName(QString::fromStdString(corpus("testorig.jpg")));
    EXPECT_EQ(image.fileNamePath(), corpus("testorig.jpg"));
    EXPECT_EQ(requireProperty(image, u"filename").read(&image).toString().toStdString(), corpus("testorig.jpg"));
}

TEST_F(JpegImageProperties, DecodePropertiesDecodeOnEveryAssignmentStoredOnesNever)
{
    TJPEGImage image(nullptr);
    image.setFileNamePath(corpus("testorig.jpg"));
    int calls = 0;
    image.OnProgress = [&](QObject* sender) {
        EXPECT_EQ(sender, &image);
        ++calls;
    };
    const auto decodes = [&](auto assign) {
        calls = 0;
        assign();
        return calls / 10;  // ten calls per decode at the default step
    };
    EXPECT_EQ(decodes([&] { image.setNumOfColors(TNumOfColors::_256); }), 1);
    EXPECT_EQ(decodes([&] { image.setDCTMethod(TDCTMethod::Integ); }), 1);
    EXPECT_EQ(decodes([&] { image.setDither(TDither::FS); }), 1);
    EXPECT_EQ(decodes([&] { image.setFastProcessing(false); }), 1);
    EXPECT_EQ(decodes([&] { image.setGrayScale(false); }), 1);
    EXPECT_EQ(decodes([&] { image.setNoSmooth(false); }), 1);
    EXPECT_EQ(decodes([&] { image.setOnePass(false); }), 1);
    EXPECT_EQ(decodes([&] { image.setFileNamePath(corpus("testorig.jpg")); }), 1);
    EXPECT_EQ(decodes([&] { image.setScaleNum(1); }), 1);
    EXPECT_EQ(decodes([&] { image.setScaleDenom(2); }), 1);
    // Half size, 114 x 75 rows: ten calls a decode still.
    EXPECT_EQ(decodes([&] { image.setScale(4, 8); }), 1);
    EXPECT_EQ(image.pictureWidth(), 114);
    EXPECT_EQ(decodes([&] { EXPECT_THROW(image.setScale(0, 8), EConvertError); }), 0);
    EXPECT_EQ(decodes([&] { EXPECT_THROW(image.setScaleDenom(17), EConvertError); }), 0);
    EXPECT_EQ(image.scaleNum(), 4);
    EXPECT_EQ(image.scaleDenom(), 8);
    EXPECT_EQ(decodes([&] { image.setFileNamePathFor(corpus("testorig.jpg"), QSize(100, 60)); }), 1);
    EXPECT_EQ(image.pictureWidth(), 114);
    EXPECT_EQ(decodes([&] {
        image.setQuality(20);
        image.setProgressive(true);
        image.setProgressStep(50);
        image.setStretch(true);
    }), 0);
    EXPECT_EQ(image.quality(), 20);
    EXPECT_TRUE(image.progressive());
}

// For a frame, the picture is decoded at the least eighth of its size that
// still covers the frame and leaves it larger than the frame exactly when the
// full size is: whoever fits it to the frame decides as at full size.
DecodeScale frameScale(const std::vector<std::uint8_t>& bytes, int width, int height)
{
    JpegReader reader(bytes, DecodeSettings{});
    reader.setFrame(width, height);
    return reader.scale();
}

TEST_F(JpegImageProperties, AFramesScaleIsTheLeastThatCoversItAndKeepsTheFit)
{
    const std::vector<std::uint8_t> bytes = readBytes(corpus("testorig.jpg"));
    std::vector<QSize> at(9);  // libjpeg's own size at each eighth
    for (int m = 1; m <= 8; ++m) {
        DecodeSettings settings;
        settings.scaleNum = m;
        settings.scaleDenom = 8;
        const DecodedPicture decoded = decodeJpeg(bytes, settings);
        at[m] = QSize(decoded.width, decoded.height);
    }
    const auto covers = [](QSize size, QSize frame) {
        return size.width() >= frame.width() && size.height() >= frame.height();
    };
    const auto larger = [](QSize size, QSize frame) {
        return size.width() > frame.width() || size.height() > frame.height();
    };
    TJPEGImage image(nullptr);
    for (int width = 1; width <= 240; width += 3)
        for (int height = 1; height <= 160; height += 3) {
            const QSize frame(width, height);
            const DecodeScale scale = frameScale(bytes, width, height);
            const int eighth = scale == DecodeScale{} ? 8 : scale.num;
            ASSERT_TRUE(scale == DecodeScale{} || (scale.denom == 8 && eighth < 8)) << scale.num << "/" << scale.denom;
            ASSERT_EQ(larger(at[eighth], frame), larger(at[8], frame)) << width << "x" << height;
            if (eighth < 8)
                ASSERT_TRUE(covers(at[eighth], frame)) << width << "x" << height;
            for (int m = 1; m < eighth; ++m)
                ASSERT_FALSE(covers(at[m], frame) && larger(at[m], frame) && larger(at[8], frame))
                    << width << "x" << height << " at " << m << "/8";
        }
    // The exact size of an eighth is not larger than the frame: the next one.
    EXPECT_EQ(frameScale(bytes, at[4].width(), at[4].height()), (DecodeScale{5, 8}));
    EXPECT_EQ(frameScale(bytes, 0, 0), DecodeScale{});
    EXPECT_EQ(frameScale(tablesOnly(), 10, 10), DecodeScale{});

    // The control takes the scale with the file, and an empty frame is full size.
    image.setFileNamePathFor(corpus("testorig.jpg"), QSize(50, 50));
    EXPECT_EQ(image.picture().size(), at[3]);
    image.setFileNamePathFor(corpus("testorig.jpg"), QSize());
    EXPECT_EQ(image.picture().size(), at[8]);
    EXPECT_EQ(image.scaleNum(), 1);
}

// A 64 x 32 picture of four colours: red, green / blue, white.
std::vector<std::uint8_t> fourCorners(const PictureFolder& folder)
{
    QImage picture(64, 32, QImage::Format_RGB888);
    picture.fill(Qt::white);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            if (y < 16 || x < 32)
                picture.setPixelColor(x, y, y >= 16 ? Qt::blue : x < 32 ? Qt::red : Qt::green);
    EXPECT_TRUE(picture.save(folder.path("corners.jpg"), "JPG", 95));
    return readBytes(folder.file("corners.jpg"));
}

TEST_F(JpegImageProperties, AutoTransformTurnsThePictureAsItsOrientationTagSays)
{
    PictureFolder folder;
    const std::vector<std::uint8_t> stored = fourCorners(folder);
    enum Corner { TL, TR, BR, BL };
    // Where the stored red (top left) and green (top right) corners show.
    const Corner redAt[] = {TL, TR, BR, BL, TL, TR, BR, BL};
    const Corner greenAt[] = {TR, TL, BL, BR, BL, BR, TR, TL};
    const auto colourAt = [](const QImage& shown, Corner corner) {
        const int x = corner == TL || corner == BL ? 4 : shown.width() - 5;
        const int y = corner == TL || corner == TR ? 4 : shown.height() - 5;
        const QColor c = shown.pixelColor(x, y);
        return c.red() > 200 && c.green() < 60 ? "red" : c.green() > 200 && c.red() < 60 ? "green" : "other";
    };
    DecodeSettings settings;
    settings.numOfColors = TNumOfColors::TrueColor;
    settings.autoTransform = true;
    for (int value = 1; value <= 8; ++value)
        for (const bool little : {false, true}) {
            const QImage shown = toBitmap(decodeJpeg(withExifOrientation(stored, {value, little}), settings));
            EXPECT_EQ(shown.size(), value >= 5 ? QSize(32, 64) : QSize(64, 32)) << value;
            EXPECT_STREQ(colourAt(shown, redAt[value - 1]), "red") << value;
            EXPECT_STREQ(colourAt(shown, greenAt[value - 1]), "green") << value;
        }
    // Damaged tags read as upright, never as an error.
    const ExifOrientationTag damaged[] = {{9}, {0}, {.value = 6, .type = 4}, {.value = 6, .cutAfter = 20}};
    for (const ExifOrientationTag& tag : damaged) {
        const QImage shown = toBitmap(decodeJpeg(withExifOrientation(stored, tag), settings));
        EXPECT_EQ(shown.size(), QSize(64, 32)) << tag.value << " " << tag.type << " " << tag.cutAfter;
    }

    // The control keeps the stored rows unless asked; asked, a frame's scale
    // is chosen for the turned picture: 5/8 of 32 x 64 covers 16 x 32.
    const std::string turned = folder.file("turned.jpg");
    writeBytes(turned, withExifOrientation(stored, {6}));
    TJPEGImage image(nullptr);
    image.setFileNamePath(turned);
    EXPECT_EQ(image.picture().size(), QSize(64, 32));
    image.setAutoTransform(true);
    EXPECT_EQ(image.picture().size(), QSize(32, 64));
    image.setFileNamePathFor(turned, QSize(16, 32));
    EXPECT_EQ(image.picture().size(), QSize(20, 40));
}

TEST_F(JpegImageProperties, WhileLoadingTheFileIsReadButNotDecoded)
{
    TJPEGImage image(nullptr);
    image.setLoading(true);
    image.setFileNamePath(corpus("testorig.jpg"));
    image.setNumOfColors(TNumOfColors::TrueColor);
    EXPECT_EQ(image.fileCopy(), readBytes(corpus("testorig.jpg")));
    EXPECT_TRUE(image.picture().isNull());
    image.loaded();
    EXPECT_TRUE(image.picture().isNull());
    image.setDither(TDither::FS);
    EXPECT_EQ(image.picture().depth(), 24);
}

TEST_F(JpegImageProgress, CallsFollowTheWholePercentagesThatAreMultiplesOfTheStep)
{
    PictureFolder folder;
    const std::string rows1000 = folder.cjpeg("rows1000.jpg", "", "-resize 8x1000!");
    const std::string rows7 = folder.cjpeg("rows7.jpg", "", "-resize 8x7!");
    TJPEGImage image(nullptr);
    int calls = 0;
    image.OnProgress = [&](QObject*) { ++calls; };
    const auto callsFor = [&](const std::string& path, int step) {
        image.setProgressStep(step);
        calls = 0;
        image.setFileNamePath(path);
        return calls;
    };
    EXPECT_EQ(callsFor(rows1000, 10), 10);
    EXPECT_EQ(callsFor(rows1000, 10), 10);  // assigned again: a full decode again
    EXPECT_EQ(callsFor(rows7, 10), 1);
    EXPECT_EQ(callsFor(rows1000, 3), 33);
    EXPECT_EQ(callsFor(rows1000, 100), 1);
    EXPECT_EQ(callsFor(rows1000, 0), 0);  // out of range: no calls, no crash

    // With step 3 the last report is at 99 %, none at 100 %.
    ProgressMeter meter(3, 1000);
    unsigned lastRow = 0;
    for (unsigned row = 1; row <= 1000; ++row)
        if (meter.rowDone(row))
            lastRow = row;
    EXPECT_EQ(lastRow, 990u);
    // 7 rows make 14, 28, 42, 57, 71, 85, 100 %: only 100 % is a multiple of 10.
    ProgressMeter seven(10, 7);
    for (unsigned row = 1; row <= 6; ++row)
        EXPECT_FALSE(seven.rowDone(row));
    EXPECT_TRUE(seven.rowDone(7));
}

}  // namespace
}  // namespace brindolo::test
