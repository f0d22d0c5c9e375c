// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/ini_reader.h"
#include "i18n/small_form.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace brindolo {
namespace {

const QString kSection = QStringLiteral("Translations");

TEST(IniReader, ReadsTheSectionByItsRules)
{
    const IniReader ini = IniReader::fromText(
        "Principale.Caption=before any section\n"
        "[Other]\r\n"
        "Principale.Caption=other section\r\n"
        " [ translations ] \r"
        "; Principale.Esci.Caption=comment\r"
        "  principale.esci.caption  =  EXIT  \n"
        "Principale.Esci.Caption=second\n"
        "Quoted=\"  a, b%20 \"\n"
        "Half=\"a\n"
        "NoEquals\n"
        "Empty=\n"
        "[Translations]\n"
        "Principale.Caption=repeated section\n");
    EXPECT_EQ(ini.readString(kSection, "Principale.Esci.Caption"), "EXIT");
    EXPECT_EQ(ini.readString("TRANSLATIONS", " Principale.Esci.Caption "), "EXIT");
    EXPECT_EQ(ini.readString(kSection, "Quoted"), "  a, b%20 ");
    EXPECT_EQ(ini.readString(kSection, "Half"), "\"a");
    EXPECT_EQ(ini.readString(kSection, "Principale.Caption"), "repeated section");
    EXPECT_EQ(ini.readString(kSection, "NoEquals", "default"), "default");
    EXPECT_EQ(ini.readString(kSection, "Empty", "default"), "default");
    EXPECT_EQ(ini.readString("Missing", "Principale.Esci.Caption"), "");
}

TEST(IniReader, CutsValuesAt1023Characters)
{
    // Two-byte and four-byte UTF-8 characters each count as one.
    const QString e = QString::fromUtf8("é");
    const QString smile = QString::fromUtf8("\U0001F600");
    const IniReader ini = IniReader::fromText("[Translations]\nA=" + e.repeated(2000) + "\nB=" +
                                              smile.repeated(1022) + "xy\nC=" + smile.repeated(1023) + "\n");
    EXPECT_EQ(ini.readString(kSection, "A"), e.repeated(1023));
    EXPECT_EQ(ini.readString(kSection, "B"), smile.repeated(1022) + "x");
    EXPECT_EQ(ini.readString(kSection, "C"), smile.repeated(1023));
}

TEST(IniReader, ReadsFilesInEitherEncodingAndMissingOnesAsEmpty)
{
    QTemporaryDir dir;
    const QString utf8 = testing::writeFile(dir, "u.lng", "[Translations]\r\nK=fran\xC3\xA7" "ais\r\n");
    const QString ansi = testing::writeFile(dir, "a.lng", "[Translations]\r\nK=fran\xE7" "ais \x80\r\n");
    const QString huge = testing::writeFile(dir, "h.lng", "[Translations]\r\nK=" + QByteArray(1000000, 'x'));
    const QString tooLarge = testing::writeFile(dir, "t.lng", "[Translations]\r\nK=" + QByteArray(1 << 20, 'x'));
    auto read = [](const QString& path) { return IniReader(QFile::encodeName(path).toStdString()).readString(kSection, "K"); };

    EXPECT_EQ(read(utf8), QString::fromUtf8("français"));
    EXPECT_EQ(read(ansi), QString::fromUtf8("français €"));
    EXPECT_EQ(read(huge), QString(1023, 'x'));
    EXPECT_EQ(read(tooLarge), "");
    EXPECT_EQ(read(dir.filePath("missing.lng")), "");
    EXPECT_EQ(read(dir.path()), "");  // a folder is no file
}

}  // namespace
}  // namespace brindolo
