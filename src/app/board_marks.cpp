// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/board_marks.h"

#include "widgets/controls.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace brindolo {

namespace {

// Widths at the design size, in pixels. The focus frame is a dark band with
// a white one inside it, so that it shows on light and dark controls alike.
constexpr double kFocusWidth = 3;
constexpr double kBoldFocusWidth = 5;
constexpr double kPickedWidth = 5;
const QColor kFocusColour{0, 0, 160};
const QColor kPickedColour{Qt::black};

void drawFrame(QPainter& painter, const QRect& area, int width, const QColor& colour)
{
    const QRect inner = area.adjusted(width, width, -width, -width);
    painter.fillRect(QRect(area.topLeft(), QPoint(area.right(), inner.top() - 1)), colour);
    painter.fillRect(QRect(QPoint(area.left(), inner.bottom() + 1), area.bottomRight()), colour);
    painter.fillRect(QRect(QPoint(area.left(), inner.top()), QPoint(inner.left() - 1, inner.bottom())), colour);
    painter.fillRect(QRect(QPoint(inner.right() + 1, inner.top()), QPoint(area.right(), inner.bottom())), colour);
}

}  // namespace

BoardMarks::BoardMarks(QWidget& board, int designHeight) : QWidget(&board), board_(board), designHeight_(designHeight)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(board.rect());
    board.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { followFocus(); });
    messageTimer_.setSingleShot(true);
    connect(&messageTimer_, &QTimer::timeout, this, [this] {
        update(messageArea());
        message_.clear();
    });
    raise();
}

void BoardMarks::setBoldFocus(bool bold)
{
    boldFocus_ = bold;
    followFocus();
}

int BoardMarks::focusWidth() const
{
    const double design = boldFocus_ ? kBoldFocusWidth : kFocusWidth;
    return std::max(boldFocus_ ? 3 : 2, qRound(height() * design / designHeight_));
}

int BoardMarks::pickedWidth() const
{
    return std::max(3, qRound(height() * kPickedWidth / designHeight_));
}

void BoardMarks::setPicked(QWidget* tile)
{
    if (picked_ == tile)
        return;
    update(pickedArea());
    picked_ = tile;
    update(pickedArea());
    followFocus();
}

void BoardMarks::frameTogether(std::vector<QWidget*> controls)
{
    groups_.push_back(std::move(controls));
}

QWidget* BoardMarks::focused() const
{
    // The window's own focus, kept while a message box or another window is
    // in front.
    QWidget* control = window()->focusWidget();
    while (control && control->parentWidget() != &board_)
        control = control->parentWidget();
    return control;
}

void BoardMarks::followFocus()
{
    update(focusShown_);
    focusShown_ = focusArea();
    update(focusShown_);
}

QRect BoardMarks::pickedArea() const
{
    return picked_ && picked_->isVisible() ? picked_->geometry() : QRect();
}

void BoardMarks::showMessage(const QString& text, const QWidget& over, int milliseconds)
{
    update(messageArea());
    message_ = text;
    messageOver_ = &over;
    update(messageArea());
    messageTimer_.start(milliseconds);
}

QRect BoardMarks::messageArea() const
{
    if (message_.isEmpty() || !messageOver_ || !messageOver_->isVisible())
        return {};
    return QRect(messageOver_->mapTo(&board_, QPoint()), messageOver_->size());
}

QRect BoardMarks::focusArea() const
{
    const QWidget* focus = focused();
    if (!focus || !focus->isVisible())
        return {};
    QRect area = focus->geometry();
    for (const auto& group : groups_)
        if (std::find(group.begin(), group.end(), focus) != group.end())
            for (const QWidget* member : group)
                area |= member->geometry();
    // A panel is framed inside its edge, inside the picked frame if it has
    // one; a smaller control around it.
    if (!dynamic_cast<const TPanel*>(focus))
        return area.adjusted(-focusWidth(), -focusWidth(), focusWidth(), focusWidth());
    const int inset = focus == picked_ ? pickedWidth() : 0;
    return area.adjusted(inset, inset, -inset, -inset);
}

bool BoardMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &board_ && event->type() == QEvent::Resize)
        setGeometry(board_.rect());
    return false;
}

void BoardMarks::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (const QRect area = pickedArea(); !area.isEmpty())
        drawFrame(painter, area, pickedWidth(), kPickedColour);
    if (const QRect area = messageArea(); !area.isEmpty()) {
        // Dark letters on a white band across the control, a sixth of its
        // height, framed like the picked tile.
        const int band = area.height() / 3;
        const QRect box(area.left(), area.center().y() - band / 2, area.width(), band);
        painter.fillRect(box, Qt::white);
        drawFrame(painter, box, pickedWidth(), kPickedColour);
        QFont font = this->font();
        font.setBold(true);
        font.setPixelSize(std::max(1, area.height() / 6));
        painter.setFont(font);
        painter.setPen(kPickedColour);
        painter.drawText(box, Qt::AlignCenter, message_);
    }
    // What was drawn last is what a move of the focus has to wipe out.
    focusShown_ = focusArea();
    if (const QRect area = focusShown_; !area.isEmpty()) {
        const int width = focusWidth();
        drawFrame(painter, area, width, kFocusColour);
        drawFrame(painter, area.adjusted(width, width, -width, -width), std::max(1, width / 2), Qt::white);
    }
}

}  // namespace brindolo
