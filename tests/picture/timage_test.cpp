// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The image control's painting rule: where the picture goes, what is clipped,
// when the control is opaque, and when it repaints.

#include "picture_support.h"
#include "widgets/timage.h"

#include <QPainter>
#include <QTest>

namespace brindolo::test {
namespace {

QImage solidPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::red);
    return picture;
}

TEST(ImagePainting, DestinationRectangleForEveryPaintMode)
{
    TImage image(nullptr);
    image.resize(319, 316);
    EXPECT_EQ(image.destinationRect(), QRect(0, 0, 0, 0));  // empty picture

    const struct {
        int w, h;
        bool stretch, center, proportional;
        QRect expected;
    } cases[] = {
        {100, 50, false, false, false, QRect(0, 0, 100, 50)},
        {400, 500, false, false, false, QRect(0, 0, 400, 500)},
        {100, 50, false, true, false, QRect(109, 133, 100, 50)},
        {320, 317, false, true, false, QRect(0, 0, 320, 317)},   // 1 pixel wider and higher
        {321, 318, false, true, false, QRect(-1, -1, 321, 318)}, // 2 pixels
        {322, 319, false, true, false, QRect(-1, -1, 322, 319)}, // 3 pixels: truncated toward zero
        {100, 50, true, false, false, QRect(0, 0, 319, 316)},
        {900, 20, true, true, false, QRect(0, 0, 319, 316)},     // Stretch wins over Center
        // In proportion: the whole picture, its shape kept, centred if asked.
        {4000, 3000, true, true, true, QRect(0, 38, 319, 239)},  // a wide photo
        {600, 1200, true, true, true, QRect(80, 0, 158, 316)},   // a tall one
        {600, 1200, true, false, true, QRect(0, 0, 158, 316)},
        {10000, 2, true, true, true, QRect(0, 157, 319, 1)},     // never thinner than a pixel
    };
    for (const auto& c : cases) {
        image.setPicture(solidPicture(c.w, c.h));
        image.setStretch(c.stretch);
        image.setCenter(c.center);
        image.setProportional(c.proportional);
        EXPECT_EQ(image.destinationRect(), c.expected)
            << c.w << "x" << c.h << " " << c.stretch << c.center << c.proportional;
        EXPECT_EQ(image.pictureWidth(), c.w);
        EXPECT_EQ(image.pictureHeight(), c.h);
    }
}

TEST(ImagePainting, PaintsClippedToTheControlAndScalesWholePixels)
{
    TImage image(nullptr);
    image.resize(10, 10);
    // A 12 x 12 picture whose pixel (x, y) has red x * 20 and green y * 20.
    QImage picture(12, 12, QImage::Format_RGB32);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            picture.setPixel(x, y, qRgb(x * 20, y * 20, 0));
    image.setPicture(picture);
    image.setCenter(true);
    const QImage centred = image.grab().toImage();
    EXPECT_EQ(centred.pixel(0, 0), picture.pixel(1, 1));
    EXPECT_EQ(centred.pixel(9, 9), picture.pixel(10, 10));

    // Stretched to twice its size each pixel is repeated, never blended.
    image.setPicture(picture.copy(0, 0, 5, 5));
    image.setStretch(true);
    const QImage stretched = image.grab().toImage();
    EXPECT_EQ(stretched.pixel(2, 3), picture.pixel(1, 1));
    EXPECT_EQ(stretched.pixel(3, 2), picture.pixel(1, 1));

    // Reduced to half, stripes one pixel wide blend into their average grey,
    // as in a smooth reduction, rather than dropping whole columns.
    QImage stripes(20, 20, QImage::Format_Indexed8);
    stripes.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            stripes.setPixel(x, y, x % 2);
    image.setPicture(stripes);
    const QImage reduced = image.grab().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(4, 5), QPoint(9, 9)})
        EXPECT_NEAR(qGreen(reduced.pixel(at)), 127, 30) << at.x() << "," << at.y();
}

TEST(ImagePainting, OpaqueOnlyWhenThePictureCoversTheControl)
{
    TImage image(nullptr);
    image.resize(100, 80);
    // Qt holds resize events back from hidden widgets until they are shown.
    image.show();
    const auto opaque = [&] { return image.testAttribute(Qt::WA_OpaquePaintEvent); };
    EXPECT_FALSE(opaque());
    image.setPicture(solidPicture(50, 50));
    EXPECT_FALSE(opaque());
    image.setStretch(true);
    EXPECT_TRUE(opaque());
    image.setProportional(true);
    EXPECT_FALSE(opaque()) << "a square picture leaves bands beside it";
    image.setProportional(false);
    image.setStretch(false);
    image.setPicture(solidPicture(100, 80));
    EXPECT_TRUE(opaque());
    image.resize(101, 80);
    EXPECT_FALSE(opaque());
    QImage translucent(200, 200, QImage::Format_ARGB32);
    translucent.fill(Qt::transparent);
    image.setPicture(translucent);
    EXPECT_FALSE(opaque());
    image.clearPicture();
    image.setStretch(true);
    EXPECT_FALSE(opaque());
}

TEST(ImagePainting, RepaintsOnlyWhenAPaintModeChanges)
{
    TImage image(nullptr);
    image.resize(50, 50);
    image.setPicture(solidPicture(20, 20));
    image.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&image));
    PaintCounter paints(image);
    EXPECT_EQ(paints.during([&] { image.setStretch(false); image.setCenter(false); }), 0);
    EXPECT_EQ(paints.during([&] { image.setStretch(true); }), 1);
    EXPECT_EQ(paints.during([&] { image.setStretch(true); }), 0);
    EXPECT_EQ(paints.during([&] { image.setCenter(true); }), 1);
    EXPECT_EQ(paints.during([&] { image.setCenter(true); }), 0);
    EXPECT_EQ(paints.during([&] { image.clearPicture(); }), 1);
}

}  // namespace
}  // namespace brindolo::test
