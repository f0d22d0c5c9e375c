// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which place decides each start setting: the command line, the user's file,
// the school's file, the desktop's language, the design; and what a file's
// mistakes cost.

#include "app/start_settings.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brindolo::testing {
namespace {

// The shipped languages and one a translator added.
const QStringList kNames = {"italiano", "english", "français", "deutsch", "español", "português"};

class StartSettingsTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& text)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }

    QTemporaryDir dir;
};

TEST_F(StartSettingsTest, EachSettingComesFromTheStrongestPlaceThatHasIt)
{
    const QString a = dir.filePath("a"), b = dir.filePath("b"), c = dir.filePath("c");
    for (const QString& folder : {a, b, c})
        QDir().mkpath(folder);
    struct Row {
        const char* commandLine;  // --language, --pictures a, --mute, --fullscreen as letters L, P, M, F
        QByteArray user;
        QByteArray system;
        QStringList desktop;
        StartSettings expected;
    };
    const QByteArray school = "language=deutsch\ncapitals=false\nvoice=false\nfullscreen=true\npictures=" + c.toUtf8();
    const Row rows[] = {
        {"", "", "", {"C"}, {"", "", true, true, false}},
        {"", "", "", {"fr-CH", "fr-Latn-CH"}, {"français", "", true, true, false}},
        {"", "", "", {"en-GB", "en-Latn-GB"}, {"english", "", true, true, false}},
        {"", "", "", {"ja-JP", "pt-BR", "de"}, {"português", "", true, true, false}},
        {"", "", "", {"ja-JP", "nl"}, {"", "", true, true, false}},
        {"", "", school, {"fr-FR"}, {"deutsch", c.toStdString(), false, false, true}},
        {"", "language=English\ncapitals=true\npictures=" + b.toUtf8(), school, {"fr-FR"},
         {"english", b.toStdString(), true, false, true}},
        {"L", "language=english\nvoice=true\nfullscreen=false", school, {"fr-FR"},
         {"español", c.toStdString(), false, true, false}},
        {"PMF", "language=english\nvoice=true\nfullscreen=false\npictures=" + b.toUtf8(), school, {"fr-FR"},
         {"english", a.toStdString(), false, false, true}},
    };
    int n = 0;
    for (const Row& row : rows) {
        const std::string flags = row.commandLine;
        SCOPED_TRACE(flags + " | " + row.user.toStdString() + " | " + row.system.toStdString() + " | "
                     + row.desktop.join(' ').toStdString());
        CommandLine line;
        if (flags.find('L') != std::string::npos)
            line.language = "es";
        if (flags.find('P') != std::string::npos)
            line.picturesFolder = a.toStdString();
        line.mute = flags.find('M') != std::string::npos;
        line.fullscreen = flags.find('F') != std::string::npos;
        // Files of their own: Qt keeps what it read of a file by its name.
        ++n;
        const StartSources sources{
            kNames, {write(QString("system%1").arg(n), row.system), write(QString("user%1").arg(n), row.user)},
            row.desktop};
        QStringList warnings;
        const StartSettings got = resolveStartSettings(line, sources, warnings);
        EXPECT_EQ(got.language, row.expected.language);
        EXPECT_EQ(got.picturesFolder, row.expected.picturesFolder);
        EXPECT_EQ(got.capitals, row.expected.capitals);
        EXPECT_EQ(got.voice, row.expected.voice);
        EXPECT_EQ(got.fullscreen, row.expected.fullscreen);
        EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    }
}

// A mistake costs one line naming the file, the key and the value, and the
// game starts as if the line were not there. Nothing is written beside the
// files, not even a lock.
TEST_F(StartSettingsTest, AFilesMistakesAreEachOneWarningAndTheWeakerPlaceDecides)
{
    const QString school = write("school.conf", "language=deutsch\ncapitals=false\nvoice=false\npictures=" +
                                                    dir.path().toUtf8());
    const QString user = write("user.conf", "; a comment\n#language=english\nlanguage=klingon\ncapitals=maybe\n"
                                            "voice=\nfullscreen=yes\npictures=immagini\ncolour=red\n"
                                            "[brindolo]\nlanguage=english\n");
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    QStringList warnings;
    const StartSettings got = resolveStartSettings({}, {kNames, {school, user}, {"en"}}, warnings);
    const QString prefix = user + ": ";
    EXPECT_EQ(warnings, (QStringList{
        prefix + "brindolo/language=english: no such setting (the settings are language, pictures, capitals, "
                 "voice and fullscreen); ignored",
        prefix + "capitals=maybe: neither true nor false; ignored",
        prefix + "colour=red: no such setting (the settings are language, pictures, capitals, voice and "
                 "fullscreen); ignored",
        prefix + "fullscreen=yes: neither true nor false; ignored",
        prefix + "language=klingon: not a language of the list: the languages are italiano, english, français, "
                 "deutsch, español, português; ignored",
        prefix + "pictures=immagini: not a full path (one that begins with /); ignored",
        prefix + "voice=: neither true nor false; ignored",
    }));
    EXPECT_EQ(got.language, "deutsch");
    EXPECT_EQ(got.picturesFolder, dir.path().toStdString());
    EXPECT_FALSE(got.capitals);
    EXPECT_FALSE(got.voice);
    EXPECT_FALSE(got.fullscreen);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);

    // A line Qt cannot read at all is told once; the rest of the file counts.
    warnings.clear();
    const QString broken = write("broken.conf", "capitals false\nvoice=false\n");
    EXPECT_FALSE(resolveStartSettings({}, {kNames, {broken}, {}}, warnings).voice);
    EXPECT_EQ(warnings.size(), 1);

    // The command line is the user's own: a name the list lacks stops the start.
    CommandLine line;
    line.language = "klingon";
    try {
        resolveStartSettings(line, {kNames, {}, {}}, warnings);
        ADD_FAILURE() << "an unknown language was accepted";
    } catch (const EUsageError& error) {
        EXPECT_STREQ(error.what(), "unknown language 'klingon': the languages are italiano, english, français, "
                                   "deutsch, español, português");
    }
}

// The school's folders, the first the strongest, then the user's.
TEST_F(StartSettingsTest, TheUsersFileComesLastAfterTheSchoolsFromTheWeakest)
{
    const QByteArray dirs = qgetenv("XDG_CONFIG_DIRS"), home = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_CONFIG_DIRS", dirs);
        qputenv("XDG_CONFIG_HOME", home);
    });
    qputenv("XDG_CONFIG_DIRS", "/first:/second");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    EXPECT_EQ(settingsFiles(), (QStringList{"/second/brindolo/brindolo.conf", "/first/brindolo/brindolo.conf",
                                            dir.path() + "/brindolo/brindolo.conf"}));
}

}  // namespace
}  // namespace brindolo::testing
