// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/language_chooser.h"

#include "i18n/language_list.h"
#include "system/ascii_case.h"
#include "system/file_path.h"

#include <QFile>
#include <QSignalBlocker>

namespace brindolo {

QString LanguageFilePath(const std::string& programFolder, const QString& name)
{
    const QString folder = QFile::decodeName(QByteArray::fromStdString(joinPath(programFolder, "")));
    return folder + asciiLowerText(name) + QStringLiteral(".lng");
}

void openLanguageChooser(TCustomComboBox& list, const std::string& programFolder)
{
    list.clearItems();
    const QStringList names = readLanguageList(joinPath(programFolder, "lingue.txt"));
    {
        // All names in one call: a list of a million names must not cost a
        // million model updates. Filling makes the first name current and
        // its text the drop-down's, which is no choice of the player's: the
        // text goes back to what it was, and no name stays current, so that
        // picking any name, the first included, is a change of text.
        const QString text = list.currentText();
        const QSignalBlocker quiet(&list);
        list.addItems(names);
        list.setCurrentIndex(-1);
        list.setEditText(text);
    }
    list.setVisible(true);
    list.showPopup();
}

void chooseLanguage(TCustomComboBox& list, TLanguage& translator, const std::string& programFolder)
{
    translator.setLanguageFile(LanguageFilePath(programFolder, list.currentText()));
    translator.Translate();
    list.setVisible(false);
}

}  // namespace brindolo
