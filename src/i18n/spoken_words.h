// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The words a screen reader needs besides the window's captions, read from
// the section "Accessibility" of a language file, so that a teacher who adds
// a language translates them with the rest:
//
//   [Accessibility]
//   Tile=tile
//
// A key the file lacks, or a file that cannot be read, gives the English word.

#include <QString>

namespace brindolo {

struct SpokenWords {
    QString tile = QStringLiteral("tile");
    QString slot = QStringLiteral("slot");
    QString empty = QStringLiteral("empty");
    QString language = QStringLiteral("language");
    QString capitals = QStringLiteral("capital letters");
    QString sayWord = QStringLiteral("say the word");

    static SpokenWords read(const QString& languageFile);
};

}  // namespace brindolo
