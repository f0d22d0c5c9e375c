// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's keyboard and focus: the tab order, which tiles take the
// focus, the arrows over the two columns, putting a picked tile back with
// Escape or a click elsewhere, and the switch scan.

#include "app/principale.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <vector>

namespace brindolo {

void TPrincipale::setUpKeyboard()
{
    std::vector<QWidget*> order{Panel(board_map::kPlayButton)};
    for (int n = board_map::kTilesAndSlots.first; n <= board_map::kTilesAndSlots.last; ++n)
        order.push_back(Panel(n));
    order.insert(order.end(),
                 {Panel(board_map::kHintBar), SceltaTema, Voce, MaiuscoloMinuscolo, RichiamaLingua1, SceltaLingua, Esci});
    for (QWidget* control : order)
        if (control->focusPolicy() == Qt::NoFocus)
            control->setFocusPolicy(Qt::TabFocus);
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    tilesChanged();
    Panel(board_map::kPlayButton)->setFocus();
}

void TPrincipale::tilesChanged()
{
    for (int n = 1; n <= board_map::kWordsPerGame; ++n)
        Panel(board_map::tile(n))->setFocusPolicy(game_->canPick(n) ? Qt::TabFocus : Qt::NoFocus);
    marks_->setPicked(game_->pickedTile() != 0 ? Panel(game_->pickedTile()) : nullptr);
    speech_->followPick();
}

void TPrincipale::PanelKeyDown(int panel, QKeyEvent& event)
{
    using board_map::inColumn;
    using board_map::kWordsPerGame;
    const int column = panel >= board_map::slot(1) ? 1 : 0;
    const int row = column == 0 ? panel : panel - board_map::slot(1) + 1;
    auto takesFocus = [this](int column, int row) {
        const QWidget& control = *Panel(inColumn(column, row));
        return control.isEnabled() && control.isVisible() && (control.focusPolicy() & Qt::TabFocus);
    };
    int target = 0;
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = event.key() == Qt::Key_Up ? -1 : 1;
        for (int r = row + step; r >= 1 && r <= kWordsPerGame && target == 0; r += step)
            if (takesFocus(column, r))
                target = inColumn(column, r);
        break;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
        // The panel on the same row of the other column, or the nearest one
        // that takes the focus.
        const int other = event.key() == Qt::Key_Right ? 1 : 0;
        for (int distance = 0; other != column && distance < kWordsPerGame && target == 0; ++distance)
            for (int r : {row - distance, row + distance})
                if (target == 0 && r >= 1 && r <= kWordsPerGame && takesFocus(other, r))
                    target = inColumn(other, r);
        break;
    }
    default:
        return;
    }
    event.accept();
    if (target != 0)
        Panel(target)->setFocus(Qt::TabFocusReason);
}

void TPrincipale::FormKeyDown(QKeyEvent& event)
{
    if (event.key() != Qt::Key_Escape || game_->pickedTile() == 0)
        return;
    event.accept();
    game_->putBack();
    tilesChanged();
}

void TPrincipale::startScanning(int beat)
{
    scanner_ = std::make_unique<SwitchScanner>(*this, beat, [this] { return scanChoices(); },
                                               [this] { return voice_ && voice_->speaking(); });
    marks_->setBoldFocus(true);
}

std::vector<QWidget*> TPrincipale::scanChoices() const
{
    if (!Panel(board_map::kPlayButton)->isHidden())
        return {Panel(board_map::kPlayButton)};
    std::vector<QWidget*> choices;
    const int picked = game_->pickedTile();
    if (picked == 0) {
        for (int n = 1; n <= board_map::kWordsPerGame; ++n)
            if (game_->canPick(n))
                choices.push_back(Panel(board_map::tile(n)));
        return choices;
    }
    for (int n = 1; n <= board_map::kWordsPerGame; ++n)
        if (Panel(board_map::slot(n))->isEnabled())
            choices.push_back(Panel(board_map::slot(n)));
    choices.push_back(Panel(picked));
    return choices;
}

bool TPrincipale::eventFilter(QObject* watched, QEvent* event)
{
    if (scanner_) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && scanner_->takeSwitch(*event))
            return true;
    }
    if (event->type() == QEvent::MouseButtonPress && game_->pickedTile() != 0) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (widget && widget->window() == this && mouse->button() == Qt::LeftButton) {
            // Decided by what lies under the pointer, not by the receiver: a
            // press that a disabled slot does not take goes on to the board.
            const QWidget* under = childAt(mapFromGlobal(mouse->globalPosition().toPoint()));
            bool onTileOrSlot = false;
            for (int n = board_map::kTilesAndSlots.first; n <= board_map::kTilesAndSlots.last && !onTileOrSlot; ++n)
                onTileOrSlot = under == Panel(n) || Panel(n)->isAncestorOf(under);
            if (!onTileOrSlot) {
                game_->putBack();
                tilesChanged();
            }
        }
    }
    return TForm::eventFilter(watched, event);
}

}  // namespace brindolo
