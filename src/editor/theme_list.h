// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The editor's list of themes: the whole list first, then each theme folder.
// Words dragged from the grid onto a theme are moved into it.

#include <QListWidget>
#include <string>
#include <vector>

namespace brindolo {

class ThemeList : public QListWidget {
    Q_OBJECT
public:
    explicit ThemeList(QWidget* parent = nullptr);

    // Fills the list with wholeList then themes, keeping the current theme
    // chosen when it is still there.
    void setThemes(const QString& wholeList, const std::vector<std::string>& themes);
    // The chosen theme's folder name; empty for the whole list.
    std::string currentTheme() const;
    void chooseTheme(const std::string& theme);

signals:
    // Game words ("theme/gatto.jpg") dropped onto a theme (empty: the whole
    // list's own folder).
    void wordsDropped(const std::vector<std::string>& gameWords, const std::string& theme);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace brindolo
