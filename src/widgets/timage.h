// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The platform's image control: a picture holder (empty, or a bitmap kept as
// an indexed or full-colour QImage) painted at natural size, centred, or
// scaled to the control: stretched over it, or in proportion. A picture
// drawn smaller than it is is reduced with filtering, every pixel of it
// counting; one drawn at its size is drawn pixel for pixel, and one drawn
// larger repeats its pixels.

#include "widgets/tcontrol.h"

#include <QImage>
#include <QRect>
#include <QWidget>

namespace brindolo {

class TImage : public TWidgetControl<QWidget> {
    Q_OBJECT
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool Center READ center WRITE setCenter)
    Q_PROPERTY(bool Proportional READ proportional WRITE setProportional)
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
public:
    explicit TImage(TComponent* owner, TControl* parent = nullptr);

    // Assigning the current value does nothing; a new value repaints.
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);
    bool center() const { return center_; }
    void setCenter(bool center);
    // A scaled picture keeps its width-to-height ratio: as large as the
    // control holds it whole, instead of stretched over all of it.
    bool proportional() const { return proportional_; }
    void setProportional(bool proportional);

    // The picture's natural size, 0 x 0 when it is empty.
    int pictureWidth() const { return picture_.width(); }
    int pictureHeight() const { return picture_.height(); }
    const QImage& picture() const { return picture_; }
    // Both request a repaint.
    void setPicture(const QImage& picture);
    void clearPicture();

    // Where the picture is drawn: stretched over the control (in proportion,
    // centred if asked), else centred (offsets truncated toward zero,
    // negative when the picture is larger), else at the top-left corner;
    // always clipped to the control.
    QRect destinationRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Qt skips painting the parent's background beneath an opaque control, so
    // the control may claim it only while the picture covers all of it.
    void updateOpaque();
    // The picture or the way it is drawn changed: repaint.
    void drawingChanged();

    QImage picture_;
    // The last reduction painted, kept while the picture and its size on
    // screen stay: a hover repaints the same picture on every mouse move.
    QImage reduced_;
    qint64 reducedFrom_ = 0;  // the picture's cacheKey
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
};

}  // namespace brindolo
