// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/font.h"

#include "widgets/properties.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <cstdint>
#include <algorithm>
#include <cstdlib>

namespace brindolo {

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = std::llabs(c);
    const std::int64_t magnitude = (std::llabs(product) + divisor / 2) / divisor;
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

namespace {

int characterHeight(const QFont& font, int pixelsPerInch)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return qRound(font.pointSizeF() * pixelsPerInch / 72.0);
}

// The largest pixel size whose cell (ascent + descent) fits in cellHeight.
// Qt has no font-by-cell-height request, so the metrics are asked directly,
// starting from the proportion the font has now.
int pixelSizeForCell(QFont font, int cellHeight)
{
    const int cellNow = std::max(1, QFontMetrics(font).height());
    int pixels = std::max(1, cellHeight * QFontInfo(font).pixelSize() / cellNow);
    auto cellAt = [&font](int size) {
        font.setPixelSize(size);
        return QFontMetrics(font).height();
    };
    while (pixels > 1 && cellAt(pixels) > cellHeight)
        --pixels;
    // A bitmap font's cell stops growing at its largest size, so the search
    // upwards ends at the cell height, which no character height exceeds.
    while (pixels < cellHeight && cellAt(pixels + 1) <= cellHeight)
        ++pixels;
    return pixels;
}

}  // namespace

TFont::TFont(QWidget& widget) : QObject(&widget), widget_(widget) {}

TFont* TFont::of(const QWidget& widget)
{
    auto& owner = const_cast<QWidget&>(widget);
    if (auto* font = owner.findChild<TFont*>(QString(), Qt::FindDirectChildrenOnly))
        return font;
    return new TFont(owner);
}

int TFont::pixelsPerInch() const
{
    return widget_.logicalDpiY();
}

int TFont::size() const
{
    return -mulDiv(height(), 72, pixelsPerInch());
}

void TFont::setSize(int points)
{
    setHeight(-mulDiv(points, pixelsPerInch(), 72));
}

int TFont::height() const
{
    const QFont font = widget_.font();
    if (keptHeight_ && font == keptFont_)
        return *keptHeight_;
    return -characterHeight(font, pixelsPerInch());
}

void TFont::setHeight(int pixels)
{
    QFont font = widget_.font();
    keptHeight_.reset();
    if (pixels < 0) {
        font.setPixelSize(-pixels);
    } else {
        // A cell height, or 0 for the system's default height.
        font.setPixelSize(pixels > 0 ? pixelSizeForCell(font, pixels)
                                     : characterHeight(QGuiApplication::font(), pixelsPerInch()));
        keptHeight_ = pixels;
        keptFont_ = font;
    }
    widget_.setFont(font);
}

bool TFont::isVectorFont() const
{
    const QFontInfo info(widget_.font());
    return QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
}

TFont* findFontProperty(const QObject& object, QStringView name)
{
    const auto property = findProperty(object, name);
    if (!property)
        return nullptr;
    return qobject_cast<TFont*>(property->read(&object).value<QObject*>());
}

}  // namespace brindolo
