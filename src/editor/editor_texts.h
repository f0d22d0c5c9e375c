// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The word-list editor's texts, read from the section "Editor" of the
// interface language's file, so that a teacher who adds a language
// translates them with the rest:
//
//   [Editor]
//   Add=Add pictures...
//
// A key the file lacks, or a file that cannot be read, gives the Italian
// text, as the game's window shows its design's captions.

#include "game/word_findings.h"

#include <QHash>
#include <QString>

namespace brindolo {

class EditorTexts {
public:
    // An empty path gives the Italian texts.
    static EditorTexts read(const QString& languageFile);

    // The text of a key of the section; every key the editor uses has an
    // Italian default.
    QString operator()(const char* key) const;
    // What the folder check finds, said in this language; the check's own
    // English for a finding of no known kind.
    QString finding(const WordFinding& finding) const;

private:
    QHash<QString, QString> texts_;
};

}  // namespace brindolo
