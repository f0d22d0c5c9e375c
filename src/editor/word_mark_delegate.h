// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Draws a word of the editor's grid as the view does, then its marks on the
// picture's corners: a note for a recording (top left), a red "!" for an
// error or an orange "?" for a warning (top right). The reasons are the
// item's tooltip and its screen-reader text.

#include <QStyledItemDelegate>

namespace brindolo {

class WordMarkDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace brindolo
