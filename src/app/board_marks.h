// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The marks drawn over the board: a frame around the control that has the
// keyboard focus, and a thick dark frame around the tile picked up. They lie
// above every control of the board, let the mouse through, and grow with the
// board.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace brindolo {

class BoardMarks : public QWidget {
public:
    // board: the panel the marked controls lie on, designHeight its height
    // in the design, which the frames' widths are measured against.
    BoardMarks(QWidget& board, int designHeight);

    // The picked tile, or none.
    void setPicked(QWidget* tile);
    QWidget* picked() const { return picked_; }
    // Controls framed as one whenever one of them has the focus.
    void frameTogether(std::vector<QWidget*> controls);
    // The control of the board that holds the window's focus, or none.
    QWidget* focused() const;

    // A bolder focus frame, for a player who follows a switch scan from afar.
    void setBoldFocus(bool bold);
    int focusWidth() const;
    int pickedWidth() const;
    // Where the focus frame lies, in the board's coordinates; empty when none.
    QRect focusArea() const;

    // Shows text in large letters over a control of the board for a while,
    // steady from start to end, so that nothing flashes.
    void showMessage(const QString& text, const QWidget& over, int milliseconds);
    // The text shown now; empty when none.
    QString message() const { return message_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void followFocus();
    QRect pickedArea() const;
    QRect messageArea() const;

    QWidget& board_;
    int designHeight_;
    QPointer<QWidget> picked_;
    QRect focusShown_;
    bool boldFocus_ = false;
    std::vector<std::vector<QWidget*>> groups_;
    QString message_;
    QPointer<const QWidget> messageOver_;
    QTimer messageTimer_;
};

}  // namespace brindolo
