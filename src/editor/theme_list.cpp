// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/theme_list.h"

#include "editor/word_grid_model.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace brindolo {

namespace {

// The theme's folder name is kept as bytes, since a folder made by a file
// manager need not be UTF-8.
constexpr int kFolderRole = Qt::UserRole;

}  // namespace

ThemeList::ThemeList(QWidget* parent) : QListWidget(parent)
{
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void ThemeList::setThemes(const QString& wholeList, const std::vector<std::string>& themes)
{
    const std::string chosen = currentTheme();
    const QSignalBlocker quiet(this);
    clear();
    auto* whole = new QListWidgetItem(wholeList, this);
    whole->setData(kFolderRole, QByteArray());
    for (const std::string& theme : themes) {
        auto* item = new QListWidgetItem(QString::fromStdString(theme), this);
        item->setData(kFolderRole, QByteArray::fromStdString(theme));
    }
    chooseTheme(chosen);
}

std::string ThemeList::currentTheme() const
{
    const QListWidgetItem* item = currentItem();
    return item ? item->data(kFolderRole).toByteArray().toStdString() : std::string();
}

void ThemeList::chooseTheme(const std::string& theme)
{
    for (int row = 0; row < count(); ++row)
        if (item(row)->data(kFolderRole).toByteArray().toStdString() == theme) {
            setCurrentRow(row);
            return;
        }
    setCurrentRow(0);
}

void ThemeList::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(QString::fromLatin1(WordGridModel::kWordsMimeType)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ThemeList::dragMoveEvent(QDragMoveEvent* event)
{
    const bool words = event->mimeData()->hasFormat(QString::fromLatin1(WordGridModel::kWordsMimeType));
    if (words && itemAt(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ThemeList::dropEvent(QDropEvent* event)
{
    const QListWidgetItem* target = itemAt(event->position().toPoint());
    const QByteArray words = event->mimeData()->data(QString::fromLatin1(WordGridModel::kWordsMimeType));
    if (!target || words.isEmpty()) {
        event->ignore();
        return;
    }
    // A copy, not a move, is reported back to the grid: the grid itself
    // removes nothing, the folder's watcher shows the change.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    std::vector<std::string> gameWords;
    for (const QByteArray& word : words.split('\0'))
        if (!word.isEmpty())
            gameWords.push_back(word.toStdString());
    emit wordsDropped(gameWords, target->data(kFolderRole).toByteArray().toStdString());
}

}  // namespace brindolo
