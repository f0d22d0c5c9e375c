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
    // The theme drop-down, and its first line: every theme's words together.
    QString theme = QStringLiteral("theme");
    QString allWords = QStringLiteral("all words");
    // The level, told with GIOCA and the theme list ("%1" is --longest).
    QString longest = QStringLiteral("words of at most %1 letters");
    // Told as they happen: a tile picked up or put back, a slot that is not
    // the tile's, the found count after a find ("%1" is the count), and the
    // praise at the end of a game.
    QString picked = QStringLiteral("picked up");
    QString putBack = QStringLiteral("put back");
    QString notHere = QStringLiteral("not here");
    QString foundOne = QStringLiteral("You found %1 word.");
    QString foundMany = QStringLiteral("You found %1 words.");
    QString bravo = QStringLiteral("Well done!");

    // "You found 3 words.": the sentence for the count.
    QString foundSentence(int count) const;

    static SpokenWords read(const QString& languageFile);
};

}  // namespace brindolo
