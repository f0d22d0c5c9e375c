// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/spoken_words.h"

#include "i18n/ini_reader.h"

#include <QFile>

namespace brindolo {

SpokenWords SpokenWords::read(const QString& languageFile)
{
    const IniReader file(QFile::encodeName(languageFile).toStdString());
    const QString section = QStringLiteral("Accessibility");
    SpokenWords words;
    for (auto [key, word] : {std::pair{"Tile", &words.tile}, {"Slot", &words.slot}, {"Empty", &words.empty},
                             {"Language", &words.language}, {"Capitals", &words.capitals},
                             {"SayWord", &words.sayWord}, {"Theme", &words.theme}, {"AllWords", &words.allWords}, {"Longest", &words.longest}, {"Picked", &words.picked}, {"PutBack", &words.putBack},
                             {"NotHere", &words.notHere}, {"FoundOne", &words.foundOne},
                             {"FoundMany", &words.foundMany}, {"Bravo", &words.bravo}}) {
        const QString value = file.readString(section, QLatin1String(key));
        if (!value.isEmpty())
            *word = value;
    }
    return words;
}

QString SpokenWords::foundSentence(int count) const
{
    return (count == 1 ? foundOne : foundMany).arg(count);
}

}  // namespace brindolo
