// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The font as the layout speaks of it: a size in whole points and a height in
// pixels, tied together through the screen's pixels per inch. A negative
// height is the character height (Qt's pixel size); a positive one is the
// cell height (ascent plus descent), which only the font's metrics can turn
// into a pixel size. A TFont is a view over its widget's QFont, so fonts set
// through QWidget::setFont are seen here too.

#include <QFont>
#include <QObject>
#include <QWidget>
#include <optional>

namespace brindolo {

// a * b / c rounded half away from zero, with a 64-bit intermediate; -1 when
// c is 0 (the system's MulDiv, which the size/height relation is defined by).
int mulDiv(int a, int b, int c);

class TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Size READ size WRITE setSize)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(int PixelsPerInch READ pixelsPerInch)
public:
    // The font object of a widget, made on first use and owned by the widget.
    static TFont* of(const QWidget& widget);

    int pixelsPerInch() const;
    // Size = -mulDiv(Height, 72, PixelsPerInch).
    int size() const;
    void setSize(int points);
    int height() const;
    void setHeight(int pixels);

    // True when the font scales to any size without steps (an outline
    // font); the resizer's configuration advice reports the others.
    bool isVectorFont() const;

private:
    explicit TFont(QWidget& widget);

    QWidget& widget_;
    // A positive height or 0 cannot be read back from a QFont, so the last
    // one written is kept together with the font it produced.
    std::optional<int> keptHeight_;
    QFont keptFont_;
};

// The font object held by a published property of that name (e.g. "Font"),
// or nullptr. QWidget's own value-typed "font" does not count: only controls
// that publish a font object take part in font scaling.
TFont* findFontProperty(const QObject& object, QStringView name);

}  // namespace brindolo
