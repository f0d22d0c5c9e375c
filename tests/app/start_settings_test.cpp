// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which place decides each start setting, and what a file's mistakes cost.

#include "app/command_line.h"
#include "app/start_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <cstdio>
#include <tuple>
#include <utility>

namespace brindolo::testing {
namespace {

// The warnings' lines, as they are printed.
QStringList lines(const std::vector<Warning>& warnings)
{
    QStringList lines;
    for (const Warning& warning : warnings)
        lines << QString::fromStdString(warning.line());
    return lines;
}

// The shipped languages and one a translator added.
const QStringList kNames = {"italiano", "english", "français", "deutsch", "español", "português"};

class StartSettingsTest : public ::testing::Test {
protected:
    // A file of its own each time: Qt keeps what it read of a file by name.
    QString write(const QByteArray& text)
    {
        QFile file(dir.filePath(QString::number(++files)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }

    QTemporaryDir dir;
    int files = 0;
};

// Strongest first: the command line, the user's file, the school's file, the
// desktop's language, the design.
TEST_F(StartSettingsTest, EachSettingComesFromTheStrongestPlaceThatHasIt)
{
    const std::string a = dir.path().toStdString(), b = QDir::tempPath().toStdString(), c = "/";
    const QByteArray school = "language=deutsch\ncapitals=false\nvoice=false\nfullscreen=true\npictures=/\nfont=OpenDyslexic"
                              "\ntheme=animali\nlongest=6\nlocked=true\nresults=/srv/classe\nscan=2.5\npractice=true";
    const QByteArray user = "language=English\nvoice=true\nfullscreen=false\nfont= Andika \ntheme=frutta\nrepeats=false"
                            "\nlocked=false\nscan="
                            "\npictures=" + QByteArray::fromStdString(b);
    struct Row {
        bool commandLine;  // --language es --pictures a --mute --fullscreen --font "Liberation Mono" --theme cibo
                           // --longest 4 --no-repeats --locked --results a --scan .75
        QByteArray user, school;
        QStringList desktop;
        StartSettings expected;
    } const rows[] = {
        {false, "", "", {"C"}, {"", "", true, true, false}},
        {false, "", "", {"fr-CH", "fr-Latn-CH"}, {"français", "", true, true, false}},
        {false, "", "", {"en-GB", "en-Latn-GB"}, {"english", "", true, true, false}},
        {false, "", "", {"ja-JP", "pt-BR", "de"}, {"português", "", true, true, false}},
        {false, "", "", {"ja-JP", "nl"}, {"", "", true, true, false}},
        {false, "", school, {"fr-FR"}, {"deutsch", c, false, false, true, "OpenDyslexic", "animali", 6, true, true, "/srv/classe", 2500, true}},
        {false, user, school, {"fr-FR"}, {"english", b, false, true, false, "Andika", "frutta", 6, false, false, "/srv/classe", 0, true}},
        {true, user, school, {"fr-FR"}, {"español", a, false, false, true, "Liberation Mono", "cibo", 4, false, true, a, 750, true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE((row.user + "|" + row.school + "|" + row.desktop.join(' ').toUtf8()).toStdString());
        TypedSettings line;
        if (row.commandLine)
            line = {.language = "es", .pictures = a, .mute = "", .fullscreen = "", .font = "Liberation Mono",
                    .theme = "cibo", .longest = "4", .noRepeats = "", .locked = "", .results = a, .scan = ".75"};
        std::vector<Warning> warnings;
        const StartSettings got = resolveStartSettings(line, {kNames, {write(row.school), write(row.user)}, row.desktop},
                                                       warnings);
        EXPECT_EQ(std::tie(got.language, got.picturesFolder, got.capitals, got.voice, got.fullscreen, got.font,
                           got.theme, got.longest, got.repeats, got.locked, got.resultsFolder, got.scanBeat,
                           got.practice),
                  std::tie(row.expected.language, row.expected.picturesFolder, row.expected.capitals,
                           row.expected.voice, row.expected.fullscreen, row.expected.font, row.expected.theme,
                           row.expected.longest, row.expected.repeats, row.expected.locked, row.expected.resultsFolder,
                           row.expected.scanBeat, row.expected.practice));
        EXPECT_EQ(lines(warnings), QStringList());
    }
}

// One line each, naming the file, the key and the value; the game starts as
// if the line were not there, and nothing is written, not even a lock.
TEST_F(StartSettingsTest, AFilesMistakesAreEachOneWarningAndTheWeakerPlaceDecides)
{
    const QString school = write("language=deutsch\ncapitals=false\npictures=/\nfont=Andika\nlongest=5\nscan=3");
    const QString user = write("; comment\n#language=english\nlanguage=klingon\ncapitals=maybe\npictures=immagini\n"
                               "colour=red\nvoice false\nfont=\nlongest=0\nresults=risultati\nscan=0.49\npractice=true\n");
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    std::vector<Warning> warnings;
    const StartSettings got = resolveStartSettings({}, {kNames, {school, user}, {"en"}}, warnings);
    EXPECT_EQ(lines(warnings), (QStringList{
        user + ": a line that is neither KEY=VALUE nor [SECTION] is ignored (comments begin with ';')",
        user + ": capitals=maybe: neither true nor false; ignored",
        user + ": colour=red: no such setting (the settings are language, pictures, capitals, voice, "
               "fullscreen, font, theme, longest, repeats, locked, results, practice and scan); ignored",
        user + ": font=: no font family given; ignored",
        user + ": language=klingon: not a language of the list: the languages are italiano, english, français, "
               "deutsch, español, português; ignored",
        user + ": longest=0: not a number of letters from 1 to 99; ignored",
        user + ": pictures=immagini: not a full path (one that begins with /); ignored",
        user + ": results=risultati: not a full path (one that begins with /); ignored",
        user + ": scan=0.49: not a number of seconds from 0.5 to 10; ignored",
        "practice needs a results folder (results= or --results); the game deals as usual",
    }));
    EXPECT_EQ(std::tie(got.language, got.picturesFolder, got.capitals, got.font, got.longest, got.scanBeat),
              (std::tuple<QString, std::string, bool, QString, int, int>{"deutsch", "/", false, "Andika", 5, 3000}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);

    // Read as plain text: a value in Qt's serialized form is a word like any
    // other; a comment may follow a value; a name in another encoding is
    // kept as its bytes; control bytes are shown escaped; every line of a
    // key written again is weighed, and the last good one wins.
    const QByteArray latin1Folder = QFile::encodeName(dir.path()) + "/caf\xe9";
    ASSERT_EQ(::mkdir(latin1Folder.constData(), 0700), 0);
    const QString bytes = write("pictures=" + latin1Folder + "  ; the class's\nlanguage=@Variant(\\0\\0\\0\\x7f)\n"
                                "colour=\x1b[2J\nvoice=fals\xe9\nscan=1e1\nscan=2\nscan=x\n");
    warnings.clear();
    const StartSettings plain = resolveStartSettings({}, {kNames, {bytes}, {}}, warnings);
    EXPECT_EQ(std::tie(plain.picturesFolder, plain.scanBeat), std::make_tuple(latin1Folder.toStdString(), 2000));
    EXPECT_EQ(lines(warnings), (QStringList{
        bytes + ": colour=\\x1b[2J: no such setting (the settings are language, pictures, capitals, voice, "
                "fullscreen, font, theme, longest, repeats, locked, results, practice and scan); ignored",
        bytes + ": language=@Variant(\\0\\0\\0\\x7f): not a language of the list: the languages are italiano, "
                "english, français, deutsch, español, português; ignored",
        bytes + ": scan=1e1: not a number of seconds from 0.5 to 10; ignored",
        bytes + ": scan=x: not a number of seconds from 0.5 to 10; ignored",
        bytes + ": voice=fals\\xe9: not UTF-8 text; ignored",
    }));

    // So is an option's: --theme lat\xe9n names the folder of those bytes.
    char program[] = "brindolo", option[] = "--theme", theme[] = "lat\xe9n";
    char* arguments[] = {program, option, theme, nullptr};
    EXPECT_EQ(resolveStartSettings(readCommandLine(3, arguments).settings, {kNames, {}, {}}, warnings).theme, theme);

    // The command line is the player's own: a name the list lacks stops the
    // start, and a pace the scan cannot take scans at no other.
    EXPECT_THROW(resolveStartSettings({.language = "klingon"}, {kNames, {}, {}}, warnings), EUsageError);
    for (const char* pace : {"10.01", "-1", "1e1", "inf", "nan", "1,5", "1.2.3", ".", ""}) {
        warnings.clear();
        EXPECT_EQ(resolveStartSettings({.scan = pace}, {kNames, {school}, {}}, warnings).scanBeat, 0) << pace;
        EXPECT_EQ(lines(warnings), QStringList{QStringLiteral("--scan %1: not a number of seconds from 0.5 to 10; "
                                                              "no switch scan").arg(pace)});
    }
    EXPECT_EQ(resolveStartSettings({.scan = " 10 "}, {kNames, {}, {}}, warnings).scanBeat, 10000);
}

// A setting marked [$i] (on its key, its [General] group, or a line [$i]
// that fixes the rest of the file) is final: a file read after it or an
// option that would change it is ignored with one warning; --locked may
// still lock, and a value the game cannot use fixes nothing.
TEST_F(StartSettingsTest, AFixedSettingIsChangedByNoLaterFileAndNoOption)
{
    struct Row {
        QByteArray weak, strong, user;  // the system files, weakest first, then the user's
        TypedSettings line;
        std::tuple<QString, bool, std::string, int, bool> expected;  // language, locked, results, longest, voice
        QStringList warnings;  // {W}, {S} and {U} stand for the three files
    } const rows[] = {
        {"locked[$i]=true\nresults[$i] = /srv/classe", "", "locked=false\nresults=/tmp\nlongest=4",
         {.locked = ""},
         {"", true, "/srv/classe", 4, true},
         {"{U}: locked=false: fixed by {W}; ignored", "{U}: results=/tmp: fixed by {W}; ignored"}},
        {"", "[General][$i]\nlocked=true\nlongest=5\n[General]\nvoice=true", "locked=true\nlongest=5\nvoice=false",
         {.mute = "", .longest = "4"},
         {"", true, "", 5, false},
         {"--longest 4: fixed by {S} (longest=5); ignored"}},
        {"language[$i]=english\nlocked[$i]=false", "[$i]\nlanguage=deutsch\nresults=/srv/classe\nlongest=6\nlongest=7",
         "results=",
         {.language = "klingon", .locked = "", .results = "/tmp"},
         {"english", true, "/srv/classe", 6, true},
         {"{S}: language=deutsch: fixed by {W}; ignored", "{S}: longest=7: fixed by {S}; ignored",
          "{U}: results=: fixed by {S}; ignored", "--language klingon: fixed by {W} (language=english); ignored",
          "--results /tmp: fixed by {S} (results=/srv/classe); ignored"}},
        {"longest[$i]=0\nvoice[$i]=false", "longest=4", "",
         {.mute = ""},
         {"", false, "", 4, false},
         {"{W}: longest=0: not a number of letters from 1 to 99; ignored"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE((row.weak + "|" + row.strong + "|" + row.user).toStdString());
        const QString weak = write(row.weak), strong = write(row.strong), user = write(row.user);
        std::vector<Warning> warnings;
        const StartSettings got = resolveStartSettings(row.line, {kNames, {weak, strong, user}, {}}, warnings);
        EXPECT_EQ(std::tie(got.language, got.locked, got.resultsFolder, got.longest, got.voice), row.expected);
        QStringList expected = row.warnings;
        for (QString& warning : expected)
            warning.replace("{W}", weak).replace("{S}", strong).replace("{U}", user);
        EXPECT_EQ(lines(warnings), expected);
    }
}

// A file that is there but cannot be read is named with why, however it
// fails; only a file that is not there at all is no mistake.
TEST_F(StartSettingsTest, EveryFileThatCannotBeReadIsOneWarning)
{
    const QString loop = dir.filePath("loop"), dangling = dir.filePath("dangling"), large = dir.filePath("large");
    ASSERT_TRUE(QFile::link(loop, loop));
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), dangling));
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(100 << 20));
    file.close();
    std::vector<Warning> warnings;
    resolveStartSettings({.pictures = "/missing"},
                         {kNames, {dir.filePath("absent"), loop, dangling, large, dir.path()}, {}}, warnings);
    EXPECT_EQ(lines(warnings), (QStringList{
        loop + ": cannot be read: Too many levels of symbolic links; ignored",
        dangling + ": cannot be read: a link to a file that does not exist; ignored",
        large + ": cannot be read: larger than 1 MiB, which no settings file is; ignored",
        dir.path() + ": cannot be read: Is a directory; ignored",
        "--pictures /missing: no such folder",
    }));

    // Relative base folders are ignored, as the XDG base directories ask.
    qputenv("XDG_CONFIG_HOME", "relative");
    qputenv("XDG_CONFIG_DIRS", "also/relative:/etc/school");
    EXPECT_EQ(settingsFiles(), (QStringList{"/etc/school/brindolo/brindolo.conf",
                                            QDir::homePath() + "/.config/brindolo/brindolo.conf"}));

    // So is a language list that cannot be read, at start and in the error
    // of a --language that then finds no language.
    qputenv("XDG_CONFIG_HOME", "/nonexistent");
    qputenv("XDG_CONFIG_DIRS", "/nonexistent");
    const QString list = dir.filePath("lingue.txt");
    for (const auto& [target, why] : {std::pair<QString, QString>{"/dev/zero", "not a regular file"},
                                      {large, "larger than 1 MiB, which no language list is"}}) {
        QFile::remove(list);
        ASSERT_TRUE(QFile::link(target, list));
        const QString problem = list + ": cannot be read: " + why;
        std::FILE* err = std::tmpfile();
        ASSERT_NE(err, nullptr);
        readStartSettings({}, dir.path().toStdString() + "/", err);
        std::rewind(err);
        char text[1000] = {};
        std::fread(text, 1, sizeof text - 1, err);
        std::fclose(err);
        EXPECT_EQ(QString::fromUtf8(text), "brindolo: " + problem + "; the window keeps its own language\n");
        QString usage;
        try {
            readStartSettings({.language = "english"}, dir.path().toStdString() + "/", stderr);
        } catch (const EUsageError& error) {
            usage = QString::fromUtf8(error.what());
        }
        EXPECT_EQ(usage, "unknown language 'english': " + problem);
    }
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CONFIG_DIRS");
}

// A setting the game takes is one a teacher can read of: in the README's
// example file and list of options, the man page, and the file installed in
// /etc/xdg.
TEST(SettingsTable, EverySettingIsInTheReadmeTheManPageAndTheSampleFile)
{
    const auto read = [](const char* path) {
        QFile file(QStringLiteral(BRINDOLO_SOURCE_DIR "/") + path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        return QString::fromUtf8(file.readAll());
    };
    const QString readme = read("README.md"), manual = read("docs/man/brindolo.6.scd"), sample = read("data/brindolo.conf");
    for (const Setting& setting : startSettingsTable()) {
        const QString key = QString::fromLatin1(setting.key);
        EXPECT_TRUE(readme.contains("\n    " + key + "=")) << "README.md lacks " << setting.key;
        EXPECT_TRUE(manual.contains("*" + key + "=")) << "brindolo.6.scd lacks " << setting.key;
        EXPECT_TRUE(sample.contains("\n;" + key + "=")) << "brindolo.conf lacks " << setting.key;
        if (setting.given) {
            const QString option = "--" + setting.optionName();
            EXPECT_TRUE(readme.contains("`" + option + "`")) << "README.md lacks " << option.toStdString();
            EXPECT_TRUE(manual.contains("*" + option + "*")) << "brindolo.6.scd lacks " << option.toStdString();
        }
    }
}

}  // namespace
}  // namespace brindolo::testing
