// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/theme_chooser.h"

#include "game/game.h"
#include "game/word_list.h"
#include "widgets/controls.h"

#include <QFile>
#include <QSignalBlocker>
#include <algorithm>

namespace brindolo {

ThemeChooser::ThemeChooser(TCustomComboBox& box, Game& game) : box_(box), game_(game) {}

void ThemeChooser::listThemes(const std::string& folder, const SpokenWords& words)
{
    const QString& wholeList = words.allWords;
    box_.setAccessibleName(words.theme);
    themes_ = themesIn(folder);
    if (std::find(themes_.begin(), themes_.end(), game_.chosenTheme()) == themes_.end())
        game_.chooseTheme({});
    box_.setVisible(!themes_.empty());
    // A word list without themes leaves the hidden drop-down as designed.
    if (themes_.empty())
        return;
    const QSignalBlocker quiet(&box_);
    QStringList lines{wholeList};
    QString shown = wholeList;
    for (const std::string& theme : themes_) {
        lines << QFile::decodeName(QByteArray::fromStdString(theme));
        if (theme == game_.chosenTheme())
            shown = lines.back();
    }
    box_.setItems(lines);
    box_.setEditText(shown);
}

void ThemeChooser::textChanged()
{
    const QString text = box_.currentText();
    std::string theme;
    for (const std::string& each : themes_)
        if (QFile::decodeName(QByteArray::fromStdString(each)) == text)
            theme = each;
    game_.chooseTheme(theme);
}

}  // namespace brindolo
