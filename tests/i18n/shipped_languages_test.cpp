// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/ini_reader.h"
#include "i18n/language_chooser.h"
#include "i18n/language_list.h"
#include "i18n/spoken_words.h"
#include "i18n/small_form.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace brindolo {
namespace {

const std::string kDataFolder = BRINDOLO_SOURCE_DIR "/data/";

// Widest caption that fits each control at its design size and font.
struct Caption {
    const char* key;
    qsizetype maxLength;
};
constexpr Caption kCaptions[] = {
    {"Principale.Esci.Caption", 5},     // 81 px at 27 px bold
    {"Principale.Panel32.Caption", 14}, // 171 px at 19 px bold
    {"Principale.Panel34.Caption", 11}, // 137 px at 19 px bold
    {"Principale.Panel35.Caption", 14}, // 233 px at 27 px bold
    {"Principale.Caption", 80},
};

TEST(ShippedLanguages, EveryListedLanguageHasAFileTranslatingAllFiveCaptionsThatFit)
{
    const QStringList names = readLanguageList(kDataFolder + "lingue.txt");
    EXPECT_EQ(names, (QStringList{"italiano", "english", QString::fromUtf8("français"), "deutsch",
                                  QString::fromUtf8("español")}));
    for (const QString& name : names) {
        const IniReader file(QFile::encodeName(LanguageFilePath(kDataFolder, name)).toStdString());
        for (const Caption& caption : kCaptions) {
            const QString value = file.readString("Translations", caption.key);
            EXPECT_FALSE(value.isEmpty()) << name.toStdString() << " " << caption.key;
            EXPECT_LE(value.size(), caption.maxLength) << name.toStdString() << " " << caption.key;
        }
    }
    const IniReader italian(kDataFolder + "italiano.lng");
    EXPECT_EQ(italian.readString("Translations", "Principale.Esci.Caption"), "ESCI");
    EXPECT_EQ(italian.readString("Translations", "Principale.Panel32.Caption"), "HAI TROVATO");
    EXPECT_EQ(italian.readString("Translations", "Principale.Panel34.Caption"), "PAROLE");
    EXPECT_EQ(italian.readString("Translations", "Principale.Panel35.Caption"), "GIOCA");
}

TEST(ShippedLanguages, EveryLanguageTranslatesTheScreenReadersAndTheWorksheetsWordsAndAMissingSpokenOneIsEnglish)
{
    for (const QString& name : readLanguageList(kDataFolder + "lingue.txt")) {
        const IniReader file(QFile::encodeName(LanguageFilePath(kDataFolder, name)).toStdString());
        for (const char* key : {"Tile", "Slot", "Empty", "Language", "Capitals", "SayWord", "Picked", "PutBack",
                                "NotHere", "Bravo"})
            EXPECT_FALSE(file.readString("Accessibility", key).isEmpty()) << name.toStdString() << " " << key;
        for (const char* key : {"Title", "Name", "Answers"})
            EXPECT_FALSE(file.readString("Worksheet", key).isEmpty()) << name.toStdString() << " " << key;
        // The count goes where "%1" stands.
        const SpokenWords words = SpokenWords::read(LanguageFilePath(kDataFolder, name));
        for (int count : {1, 10})
            EXPECT_TRUE(words.foundSentence(count).contains(QString::number(count))) << name.toStdString() << " " << count;
    }
    EXPECT_EQ(SpokenWords::read(LanguageFilePath(kDataFolder, "italiano")).slot, "casella");

    QTemporaryDir folder;
    const SpokenWords words =
        SpokenWords::read(testing::writeFile(folder, "partial.lng", "[Accessibility]\nTile=tessera\nSlot=\n"));
    EXPECT_EQ(words.tile, "tessera");
    EXPECT_EQ(words.slot, "slot");
    EXPECT_EQ(words.language, "language");
    EXPECT_EQ(SpokenWords::read(folder.path() + "/missing.lng").empty, "empty");
}

}  // namespace
}  // namespace brindolo
