// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The BMP image must be byte for byte what Debian's djpeg writes with the
// matching switches, over the corpus and pictures of every kind made here.

#include "picture/bitmap.h"
#include "picture/jpgimg.h"
#include "picture_support.h"

#include <QFileInfo>

namespace brindolo::test {
namespace {

struct SwitchSet {
    const char* label;
    DecodeSettings settings;
};

// djpeg applies its switches in command-line order, so they are given in the
// order the decode properties are applied.
QStringList djpegSwitches(const DecodeSettings& s)
{
    QStringList args;
    if (s.numOfColors != TNumOfColors::TrueColor)
        args << "-colors" << (s.numOfColors == TNumOfColors::_16 ? "16" : "256");
    args << "-dct" << QStringList{"int", "fast", "float"}[static_cast<int>(s.dctMethod)];
    args << "-dither" << QStringList{"none", "fs", "ordered"}[static_cast<int>(s.dither)];
    if (s.fastProcessing)
        args << "-fast";
    if (s.grayScale)
        args << "-grayscale";
    if (s.noSmooth)
        args << "-nosmooth";
    if (s.onePass)
        args << "-onepass";
    if (s.scaleNum != 1 || s.scaleDenom != 1)
        args << "-scale" << QString("%1/%2").arg(s.scaleNum).arg(s.scaleDenom);
    return args;
}

DecodeSettings with(auto change)
{
    DecodeSettings settings;
    change(settings);
    return settings;
}

const std::vector<SwitchSet>& switchSets()
{
    using C = TNumOfColors;
    static const std::vector<SwitchSet> sets = {
        {"main window", {}},
        {"16 colours", with([](auto& s) { s.numOfColors = C::_16; })},
        {"true colour", with([](auto& s) { s.numOfColors = C::TrueColor; })},
        {"true colour fast", with([](auto& s) { s.numOfColors = C::TrueColor; s.fastProcessing = true; })},
        {"true colour grey", with([](auto& s) { s.numOfColors = C::TrueColor; s.grayScale = true; })},
        {"true colour no smooth", with([](auto& s) { s.numOfColors = C::TrueColor; s.noSmooth = true; })},
        {"true colour fast DCT", with([](auto& s) { s.numOfColors = C::TrueColor; s.dctMethod = TDCTMethod::FastInteg; })},
        {"float DCT", with([](auto& s) { s.dctMethod = TDCTMethod::FloatingPoint; })},
        {"no dither", with([](auto& s) { s.dither = TDither::None; })},
        {"ordered dither", with([](auto& s) { s.dither = TDither::Ordered; })},
        {"fast", with([](auto& s) { s.fastProcessing = true; })},
        {"grey", with([](auto& s) { s.grayScale = true; })},
        {"no smooth", with([](auto& s) { s.noSmooth = true; })},
        {"one pass", with([](auto& s) { s.onePass = true; })},
        {"16 one pass ordered", with([](auto& s) { s.numOfColors = C::_16; s.onePass = true; s.dither = TDither::Ordered; })},
    };
    return sets;
}

// A dots-per-centimetre density written into cjpeg's JFIF header.
std::string withDensityPerCentimetre(PictureFolder& folder)
{
    std::vector<std::uint8_t> bytes = readBytes(folder.cjpeg("density.jpg", "-sample 2x2"));
    EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 10), "JFIF");
    const std::uint8_t density[] = {2, 0, 40, 0, 50};  // units, X = 40, Y = 50
    std::copy(std::begin(density), std::end(density), bytes.begin() + 13);
    writeBytes(folder.file("density.jpg"), bytes);
    return folder.file("density.jpg");
}

// Two comment markers, added by libjpeg's wrjpgcom.
std::string withComments(PictureFolder& folder)
{
    const std::string plain = folder.cjpeg("plain.jpg", "-sample 2x2");
    shell(QString("wrjpgcom -comment 'first comment' %1 | wrjpgcom -comment 'second' > %2")
              .arg(QString::fromStdString(plain), folder.path("comment.jpg")));
    return folder.file("comment.jpg");
}

std::vector<std::string> pictures(PictureFolder& folder)
{
    return {
        corpus("testorig.jpg"),
        corpus("testimgint.jpg"),
        corpus("testimgari.jpg"),
        folder.cjpeg("420.jpg", "-sample 2x2"),
        folder.cjpeg("422.jpg", "-sample 2x1"),
        folder.cjpeg("444.jpg", "-sample 1x1"),
        folder.cjpeg("grey.jpg", "-grayscale"),
        folder.cjpeg("progressive.jpg", "-progressive"),
        folder.cjpeg("arithmetic.jpg", "-arithmetic -sample 2x1"),
        folder.cjpeg("restart.jpg", "-restart 1"),
        withComments(folder),
        withDensityPerCentimetre(folder),
        folder.cjpeg("wide1.jpg", "", "-crop 1x149+40+0 +repage"),
        folder.cjpeg("high1.jpg", "", "-crop 227x1+0+70 +repage"),
        folder.cjpeg("odd.jpg", "-sample 2x2", "-crop 37x23+5+5 +repage"),
        folder.cjpeg("grey1.jpg", "-grayscale", "-crop 1x9+40+0 +repage"),
        // Rows of over 2 MiB even at a byte a pixel, as a photo's are.
        folder.cjpeg("big.jpg", "-sample 2x2", "-scale 1800x1350!"),
    };
}

std::vector<std::uint8_t> djpegBmp(const std::string& picture, const DecodeSettings& settings, const QString& out)
{
    const ProgramResult result = runProgram(
        "djpeg", djpegSwitches(settings) << "-bmp" << "-outfile" << out << QString::fromStdString(picture));
    EXPECT_EQ(result.exitCode, 0) << picture << ": " << result.standardError.toStdString();
    return readBytes(out.toStdString());
}

TEST(DjpegComparison, BmpImageEqualsDjpegForEveryPictureAndSwitchSet)
{
    PictureFolder folder;
    int identical = 0;
    int total = 0;
    for (const std::string& picture : pictures(folder)) {
        const std::vector<std::uint8_t> bytes = readBytes(picture);
        ASSERT_FALSE(bytes.empty()) << picture;
        for (const SwitchSet& set : switchSets()) {
            ++total;
            const std::vector<std::uint8_t> expected = djpegBmp(picture, set.settings, folder.path("djpeg.bmp"));
            const std::vector<std::uint8_t> actual = bmpImage(decodeJpeg(bytes, set.settings));
            if (actual == expected)
                ++identical;
            else
                ADD_FAILURE() << QFileInfo(QString::fromStdString(picture)).fileName().toStdString() << " with "
                              << set.label << ": differs from djpeg";
        }
    }
    std::printf("%d of %d BMP images identical to djpeg's\n", identical, total);
    EXPECT_EQ(identical, total);
}

// Every scale libjpeg-turbo offers, M/8 for M from 1 to 16, and a fraction
// that is not in eighths, on pictures whose sizes do not divide by eight.
TEST(DjpegComparison, BmpImageEqualsDjpegAtEveryScale)
{
    PictureFolder folder;
    const std::vector<std::string> scaled = {
        corpus("testorig.jpg"),
        folder.cjpeg("progressive.jpg", "-progressive"),
        folder.cjpeg("grey.jpg", "-grayscale"),
        folder.cjpeg("odd.jpg", "-sample 2x2", "-crop 37x23+5+5 +repage"),
    };
    std::vector<std::pair<int, int>> scales;
    for (int m = 1; m <= 16; ++m)
        scales.emplace_back(m, 8);
    scales.emplace_back(2, 3);
    for (const std::string& picture : scaled)
        for (const auto& [num, denom] : scales)
            for (DecodeSettings settings : {switchSets()[0].settings, switchSets()[2].settings}) {
                settings.scaleNum = num;
                settings.scaleDenom = denom;
                const DecodedPicture ours = decodeJpeg(readBytes(picture), settings);
                EXPECT_EQ(bmpImage(ours), djpegBmp(picture, settings, folder.path("djpeg.bmp")))
                    << QFileInfo(QString::fromStdString(picture)).fileName().toStdString() << " at " << num << "/"
                    << denom << (settings.numOfColors == TNumOfColors::TrueColor ? " in true colour" : "");
            }
}

// The shown bitmap is built straight from the decoded rows; it must hold the
// BMP image's pixels and colour table, whichever properties chose them.
using DjpegComparisonOfTheControl = DefaultCacheLimit;

TEST_F(DjpegComparisonOfTheControl, ControlBitmapHoldsTheBmpImage)
{
    PictureFolder folder;
    const std::string grey = folder.cjpeg("grey.jpg", "-grayscale");
    TJPEGImage image(nullptr);
    image.setCacheLimit(0);
    image.setFileNamePath(corpus("testorig.jpg"));
    image.setNumOfColors(TNumOfColors::_16);
    image.setDither(TDither::Ordered);
    const auto bytes = readBytes(corpus("testorig.jpg"));
    EXPECT_TRUE(sameAsBmp(image.picture(), decodeJpeg(bytes, image.decodeSettings())));
    const auto bmp16 = bmpImage(decodeJpeg(bytes, image.decodeSettings()));
    EXPECT_EQ(bmp16, djpegBmp(corpus("testorig.jpg"), image.decodeSettings(), folder.path("a.bmp")));

    image.setNumOfColors(TNumOfColors::TrueColor);
    EXPECT_EQ(image.picture().depth(), 24);
    EXPECT_TRUE(sameAsBmp(image.picture(), decodeJpeg(bytes, image.decodeSettings())));

    image.setFileNamePath(grey);
    EXPECT_TRUE(sameAsBmp(image.picture(), decodeJpeg(readBytes(grey), image.decodeSettings())));
    EXPECT_EQ(image.picture().color(200), qRgb(200, 200, 200));  // the grey ramp

    image.setNumOfColors(TNumOfColors::_256);
    image.setFastProcessing(true);
    image.setNoSmooth(true);
    image.setOnePass(true);
    image.setGrayScale(true);
    image.setFileNamePath(corpus("testimgint.jpg"));
    const auto settings = image.decodeSettings();
    EXPECT_TRUE(sameAsBmp(image.picture(), decodeJpeg(readBytes(corpus("testimgint.jpg")), settings)));
    EXPECT_EQ(bmpImage(decodeJpeg(readBytes(corpus("testimgint.jpg")), settings)),
              djpegBmp(corpus("testimgint.jpg"), settings, folder.path("b.bmp")));

    // 227 x 149 at a quarter: 57 x 38, libjpeg rounding up.
    image.setScale(1, 4);
    EXPECT_EQ(image.pictureWidth(), 57);
    EXPECT_EQ(image.pictureHeight(), 38);
    EXPECT_TRUE(sameAsBmp(image.picture(), decodeJpeg(readBytes(corpus("testimgint.jpg")), image.decodeSettings())));
}

// The header fields read back as the BMP format defines them.
TEST(DjpegComparison, BmpHeaderOfAOnePixelWidePicture)
{
    PictureFolder folder;
    const std::string wide1 = folder.cjpeg("wide1.jpg", "", "-crop 1x149+40+0 +repage");
    DecodeSettings trueColour;
    trueColour.numOfColors = TNumOfColors::TrueColor;
    const DecodedPicture picture = decodeJpeg(readBytes(wide1), trueColour);
    const std::vector<std::uint8_t> bmp = bmpImage(picture);
    auto u32 = [&](int at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24; };
    EXPECT_EQ(picture.rowBytes, 4u);
    EXPECT_EQ(bmp.size(), 54u + 4u * 149u);
    EXPECT_EQ(u32(2), 54 + 4 * 149);
    EXPECT_EQ(u32(10), 54);
    EXPECT_EQ(u32(18), 1);
    EXPECT_EQ(u32(22), 149);
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(u32(46), 0);
    EXPECT_EQ(bmp[57], 0);  // the first row's pad byte

    const QImage bitmap = toBitmap(decodeJpeg(readBytes(wide1), trueColour));
    const std::uint8_t* last = picture.row(148);
    EXPECT_EQ(bitmap.pixel(0, 148), qRgb(last[2], last[1], last[0]));
}

}  // namespace
}  // namespace brindolo::test
