// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The language chooser behind the flag strips and the language drop-down.
// It keeps no state: the list is read from "lingue.txt" anew at every
// opening, and the current choice is the drop-down's text.

#include "i18n/tlanguage.h"
#include "widgets/controls.h"

#include <QString>
#include <string>

namespace brindolo {

// The language file of a name: the program folder (a "/" appended when
// missing), the name with only A to Z lowered, then ".lng". Blanks and
// accented capitals stay. The name is not a path of its own: it can only
// name a file to be read, never one to be written.
QString LanguageFilePath(const std::string& programFolder, const QString& name);

// Fills the drop-down with the names in lingue.txt of the program folder,
// shows it and opens its list. The items are removed first, so a file that
// cannot be read (EInOutError) leaves the list empty and the drop-down's
// visibility as it was. The text field keeps its text throughout.
void openLanguageChooser(TCustomComboBox& list, const std::string& programFolder);

// Points the translator at the language file of the drop-down's text, runs
// a translation and hides the drop-down. A conversion error ends it before
// the drop-down is hidden.
void chooseLanguage(TCustomComboBox& list, TLanguage& translator, const std::string& programFolder);

}  // namespace brindolo
