// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/timage.h"

#include <QPainter>
#include <algorithm>

namespace brindolo {

TImage::TImage(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    updateOpaque();
    setParentControl(parent);
}

void TImage::setStretch(bool stretch)
{
    if (stretch == stretch_)
        return;
    stretch_ = stretch;
    drawingChanged();
}

void TImage::setCenter(bool center)
{
    if (center == center_)
        return;
    center_ = center;
    drawingChanged();
}

void TImage::setProportional(bool proportional)
{
    if (proportional == proportional_)
        return;
    proportional_ = proportional;
    updateOpaque();
    update();
}

void TImage::setPicture(const QImage& picture)
{
    picture_ = picture;
    drawingChanged();
}

void TImage::clearPicture()
{
    setPicture(QImage());
}

void TImage::drawingChanged()
{
    updateOpaque();
    update();
}

QRect TImage::destinationRect() const
{
    int w = picture_.width();
    int h = picture_.height();
    if (stretch_ && !(proportional_ && w > 0 && h > 0))
        return QRect(0, 0, width(), height());
    if (stretch_) {
        const QSize fitted = QSize(w, h).scaled(width(), height(), Qt::KeepAspectRatio);
        // A sliver of a picture stays at least one pixel thick.
        w = std::max(1, fitted.width());
        h = std::max(1, fitted.height());
    }
    if (center_)
        return QRect((width() - w) / 2, (height() - h) / 2, w, h);
    return QRect(0, 0, w, h);
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    const QRect target = destinationRect();
    QPainter painter(this);
    if (target.width() >= picture_.width() && target.height() >= picture_.height()) {
        reduced_ = QImage();
        painter.drawImage(target, picture_);
        return;
    }
    // QImage's smooth scaling averages every source pixel into the reduced
    // one; the painter's smooth transform only blends the nearest four, which
    // still aliases a picture reduced to half its size or less.
    if (reduced_.size() != target.size() || reducedFrom_ != picture_.cacheKey()) {
        reduced_ = picture_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        reducedFrom_ = picture_.cacheKey();
    }
    painter.drawImage(target.topLeft(), reduced_);
}

void TImage::resizeEvent(QResizeEvent* event)
{
    updateOpaque();
    TWidgetControl::resizeEvent(event);
}

void TImage::updateOpaque()
{
    const bool covers = destinationRect().contains(rect());
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull() && !picture_.hasAlphaChannel() && covers);
}

}  // namespace brindolo
