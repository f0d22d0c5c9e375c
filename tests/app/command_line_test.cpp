// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program run as a teacher runs it from a terminal: help, version, a
// mistyped option and the folder check, none of which may need a display.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <unistd.h>

namespace brindolo::testing {
namespace {

// The header of a results file with every column.
constexpr const char* resultsHeaderForTests =
    "date,word list,words found,wrong drops,seconds,words not found,words dealt,mix-ups\n";

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

enum class StandardOutput { Open, Closed };

// The program with no display of any kind in its environment, on an Italian
// desktop language left as designed and with no settings files.
Outcome brindolo(const QStringList& arguments, StandardOutput output = StandardOutput::Open)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(name);
    environment.insert("LANG", "C.UTF-8");
    environment.insert("XDG_CONFIG_DIRS", "/nonexistent");
    environment.insert("XDG_CONFIG_HOME", "/nonexistent");
    process.setProcessEnvironment(environment);
    if (output == StandardOutput::Closed)
        process.start("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\" >&-", BRINDOLO_BINARY_DIR "/bin/brindolo"}
                                     + arguments);
    else
        process.start(BRINDOLO_BINARY_DIR "/bin/brindolo", arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

TEST(CommandLine, HelpVersionAndMistakesNeedNoWindow)
{
    const Outcome help = brindolo({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"-p, --pictures <folder>", "--check", "--mute", "--language <language>", "--fullscreen",
                               "--font <family>", "--worksheet <file>", "--theme <theme>", "--longest <letters>",
                               "--no-repeats", "--locked", "--results <folder>", "--summary <folder>",
                               "--scan <seconds>", "--practice", "--worksheets <folder>", "--add", "--export <file>",
                               "--import <file>", "--word <word>", "--replace", "--edit"})
        EXPECT_TRUE(help.out.contains(option)) << option << help.out.toStdString();
    EXPECT_FALSE(help.out.contains("platform")) << "Qt's own options stay out of the help";

    const Outcome version = brindolo({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("brindolo 1.")) << version.out.toStdString();

    for (const QStringList& wrong : {QStringList{"--bogus"}, QStringList{"somewhere"}, QStringList{"--pictures"},
                                     QStringList{"--check", "a", "b"}, QStringList{"--longest", "0"},
                                     QStringList{"--longest", "five"}, QStringList{"--check", ""},
                                     QStringList{"--summary", "a", "--check"}, QStringList{"--worksheets", "a"},
                                     QStringList{"--add"}, QStringList{"--add", "a.png", "b.png", "--word", "gatto"},
                                     QStringList{"--export", "a.brindolo", "--import", "b.brindolo"},
                                     QStringList{"--replace"}, QStringList{"--add", "a.png", "--check"},
                                     QStringList{"--import", "a.brindolo", "b.png"}, QStringList{"--edit", "a", "b"},
                                     QStringList{"--edit", "--check"}}) {
        const Outcome run = brindolo(wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("--help")) << run.err.toStdString();
    }
    EXPECT_TRUE(brindolo({"--bogus"}).err.contains("bogus"));
}

// The teacher's table from files of two versions of the results format: the
// columns found by name, a line that cannot be read named and skipped. Each
// file belongs to the login it is named after, as the summary asks.
TEST(Summary, OneRowPerPupilThenTheWordsTheClassMissedMost)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "files of two logins are made by root only";
    const QTemporaryDir folder;
    const auto write = [&](const char* name, const char* text) {
        std::ofstream(folder.filePath(name).toStdString()) << text;
    };
    write("daemon.csv",
          "date,word list,words found,wrong drops,seconds,words not found\n"
          "2026-03-02T09:15:00+01:00,animali,10,2,95,\n"
          "2026-03-02T09:20:00+01:00,animali,3,5,40,\"gatto, oca\"\n"
          "2026-03-02T09:25:00+01:00,animali,0,1,,\"gatto, oca, ape\"\n");
    ASSERT_EQ(::chown(folder.filePath("daemon.csv").toLocal8Bit().constData(), ::getpwnam("daemon")->pw_uid, 0), 0);
    write("root.csv",
          "words not found,mood,seconds,wrong drops,words found,word list,date\n"
          "\"gatto, rana\",happy,30,0,8,cibo,2026-03-03T10:00:00+01:00\n"
          "oca,sad,x,0,9,cibo,2026-03-03T10:05:00+01:00\n"
          "rana,sad,30,2,9,cibo,2026-03-03T10:10:00+01:00,\"rana, gatto\",\"gatto>rana, gatto>rana\"\n");
    write("notes.txt", "not a results file");
    const Outcome run = brindolo({"--summary", folder.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.toStdString(), (folder.filePath("root.csv") + ":3: a count that is not a number; skipped\n")
                                         .toStdString());
    const QStringList lines = run.out.split('\n');
    ASSERT_GE(lines.size(), 5) << run.out.toStdString();
    EXPECT_EQ(lines[1].simplified(), "daemon 3 13 8 67.5 gatto (2), oca (2), ape (1)");
    EXPECT_EQ(lines[2].simplified(), "root 2 17 2 30 rana (2), gatto (1)");
    EXPECT_EQ(lines[4], "The words the class missed most: gatto (3), oca (2), rana (2), ape (1)");
    // Old lines give the words missed; a newer line also the words dealt
    // and found, which leave the practice, and the mix-ups.
    EXPECT_EQ(run.out.section("\n\n", 2).toStdString(),
              "Words to practise:\n"
              "daemon           gatto, oca, ape\n"
              "root             rana\n\n"
              "The mix-ups the class made most: gatto>rana (2)\n");

    EXPECT_EQ(brindolo({"--summary", folder.filePath("missing")}).exitCode, 1);
}

// What a poppler tool prints about the file, or nothing when it is missing.
QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Each pupil's practice sheet: their words to practise first, filled up
// from the word list a game would take; a pupil with none gets a fresh one.
TEST(Summary, WorksheetsBeginWithEachPupilsWordsToPractise)
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "files of two logins are made by root only, and the sheets read with pdftotext";
    const QTemporaryDir folder;
    const QString results = folder.filePath("results");
    const QString sheets = folder.filePath("sheets");
    QDir().mkpath(results);
    QDir().mkpath(sheets);
    std::ofstream((results + "/root.csv").toStdString())
        << resultsHeaderForTests << "2026-03-03T10:00:00+01:00,english,8,0,30,\"zebra, apple\",\"apple, zebra, nope\",\n";
    std::ofstream((results + "/daemon.csv").toStdString()) << resultsHeaderForTests;
    ASSERT_EQ(::chown((results + "/daemon.csv").toLocal8Bit().constData(), ::getpwnam("daemon")->pw_uid, 0), 0);
    const Outcome run = brindolo({"--summary", results, "--worksheets", sheets, "--pictures",
                                  BRINDOLO_SOURCE_DIR "/data/parole/english", "--language", "English"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto answers = [&](const char* login) {
        const QString text = poppler("pdftotext", {"-layout", sheets + "/" + login + ".pdf", "-"});
        return text.section('\f', 1, 1).simplified();
    };
    const QString root = answers("root");
    EXPECT_TRUE(root.contains(QRegularExpression(R"(1\. \S+ ZEBRA 2\. \S+ APPLE 3\.)"))) << root.toStdString();
    const QString daemon = answers("daemon");
    EXPECT_TRUE(daemon.contains("10.")) << daemon.toStdString();
}

// A teacher's worksheet from the English pack, as pdftotext reads it: the
// child's page of sorted letters, the teacher's page of the words they spell.
TEST(Worksheet, TheSameSeedWritesTheSameTwoPagesOfPackWordsAndTheirAnswers)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir folder;
    const QString sheet = folder.path() + "/parole.pdf";
    const QString again = folder.path() + "/again.pdf";
    for (const QString& file : {sheet, again}) {
        const Outcome run = brindolo({"--worksheet", file, "--language", "English", "--seed", "7"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
    const QString text = poppler("pdftotext", {"-layout", sheet, "-"});
    EXPECT_EQ(poppler("pdftotext", {"-layout", again, "-"}), text);
    QStringList pages = text.split('\f');
    pages.removeAll(QString());
    ASSERT_EQ(pages.size(), 2) << text.toStdString();
    EXPECT_TRUE(pages[0].contains("Find the word") && pages[0].contains("Name:")) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains("Answers for the teacher")) << pages[1].toStdString();

    const QRegularExpression childRow(R"(^\s*(\d+)\.\s+(\S+)\s*$)", QRegularExpression::MultilineOption);
    const QRegularExpression answerRow(R"(^\s*(\d+)\.\s+(\S+)\s+(\S+)\s*$)", QRegularExpression::MultilineOption);
    QStringList letters;
    for (const QRegularExpressionMatch& row : childRow.globalMatch(pages[0]))
        letters << row.captured(2);
    ASSERT_EQ(letters.size(), 10) << pages[0].toStdString();
    int answers = 0;
    QSet<QString> words;
    for (const QRegularExpressionMatch& row : answerRow.globalMatch(pages[1])) {
        const QString key = row.captured(2);
        const QString word = row.captured(3);
        EXPECT_EQ(key, letters.value(row.captured(1).toInt() - 1)) << "the same letters on both pages";
        std::string sorted = word.toStdString();
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(key.toStdString(), sorted) << word.toStdString();
        EXPECT_EQ(word, word.toUpper()) << "capitals, as a game starts";
        // The pack's pictures lie in its themes' folders.
        QDirIterator pictures(BRINDOLO_SOURCE_DIR "/data/parole/english", {word.toLower() + ".jpg"}, QDir::Files,
                              QDirIterator::Subdirectories);
        EXPECT_TRUE(pictures.hasNext()) << word.toStdString();
        words << word;
        ++answers;
    }
    EXPECT_EQ(answers, 10) << pages[1].toStdString();
    EXPECT_EQ(words.size(), 10) << "ten different words";
    // Every picture decoded and printed, one image a row.
    EXPECT_EQ(poppler("pdfimages", {"-list", sheet}).split('\n', Qt::SkipEmptyParts).size(), 2 + 10);

    const Outcome small = brindolo({"--worksheet", sheet, "--small-letters", "--pictures", BRINDOLO_SOURCE_DIR "/data/parole/english"});
    EXPECT_EQ(small.exitCode, 0) << small.err.toStdString();
    const QString smallText = poppler("pdftotext", {"-layout", sheet, "-"});
    EXPECT_TRUE(smallText.startsWith("Trova la parola")) << "Italian until a language is chosen";
    int smallRows = 0;
    for (const QRegularExpressionMatch& row : childRow.globalMatch(smallText.section('\f', 0, 0)))
        smallRows += row.captured(2) == row.captured(2).toLower() ? 1 : 0;
    EXPECT_EQ(smallRows, 10) << smallText.toStdString();
}

// The paper follows LC_PAPER, which the program must read itself: Qt sets
// up the character type alone.
TEST(Worksheet, LetterPaperWhereTheLocalesPaperIsLetter)
{
    QTemporaryDir folder;
    QProcess localedef;
    localedef.start("localedef", {"-i", "en_US", "-f", "UTF-8", folder.path() + "/en_US.UTF-8"});
    if (!localedef.waitForFinished(60000) || localedef.exitCode() != 0)
        GTEST_SKIP() << "no en_US locale can be made here";
    qputenv("LOCPATH", folder.path().toLocal8Bit());
    qputenv("LC_PAPER", "en_US.UTF-8");
    const Outcome letter = brindolo({"--worksheet", folder.path() + "/letter.pdf"});
    qunsetenv("LOCPATH");
    qunsetenv("LC_PAPER");
    ASSERT_EQ(letter.exitCode, 0) << letter.err.toStdString();
    ASSERT_EQ(brindolo({"--worksheet", folder.path() + "/a4.pdf"}).exitCode, 0);
    QFile a4(folder.path() + "/a4.pdf");
    QFile us(folder.path() + "/letter.pdf");
    ASSERT_TRUE(a4.open(QIODevice::ReadOnly) && us.open(QIODevice::ReadOnly));
    EXPECT_TRUE(us.readAll().contains("/MediaBox [0 0 612")) << "8.5 x 11 inches";
    EXPECT_TRUE(a4.readAll().contains("/MediaBox [0 0 595")) << "210 x 297 mm";
}

TEST(Worksheet, BadInputIsToldWithItsExitStatusAndLeavesNoFile)
{
    QTemporaryDir folder;
    const QString sheet = folder.path() + "/sheet.pdf";
    QDir(folder.path()).mkdir("empty");
    const QString empty = folder.path() + "/empty";
    const Outcome noPictures = brindolo({"--worksheet", sheet, "--pictures", empty});
    EXPECT_EQ(noPictures.exitCode, 1);
    EXPECT_TRUE(noPictures.err.contains("no pictures")) << noPictures.err.toStdString();
    const Outcome unwritable = brindolo({"--worksheet", folder.path() + "/missing/sheet.pdf", "--seed", "1"});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("Cannot write")) << unwritable.err.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"empty"});
    // Not into whatever file the program opened next.
    const Outcome closed = brindolo({"--worksheet", "-", "--seed", "1"}, StandardOutput::Closed);
    EXPECT_EQ(closed.exitCode, 1);
    EXPECT_TRUE(closed.err.contains("standard output: it is closed")) << closed.err.toStdString();

    const Outcome language = brindolo({"--worksheet", sheet, "--language", "klingon"});
    EXPECT_EQ(language.exitCode, 2);
    EXPECT_TRUE(language.err.contains("klingon") && language.err.contains("english")) << language.err.toStdString();
    for (const QStringList& wrong : {QStringList{"--worksheet", sheet, "--seed", "seven"},
                                     QStringList{"--worksheet", sheet, "--seed", "4294967296"},
                                     QStringList{"--seed", "7"}, QStringList{"--small-letters"},
                                     QStringList{"--worksheet", sheet, "--check"}, QStringList{"--worksheet"}}) {
        const Outcome run = brindolo(wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("--help")) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(sheet));
}

void savePicture(const QString& path, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(path, "JPG")) << path.toStdString();
}

TEST(FolderCheck, OneFolderWithEveryFinding)
{
    QTemporaryDir folder;
    const QString dir = folder.path() + "/";
    for (const char* name : {"gatto.jpg", "Gatto.jpg", "CAT.JPG", ".jpg", "ippopotamopiccolo.jpg",
                             "ippopotamopiccolos.jpg"})
        savePicture(dir + QString::fromUtf8(name), {40, 30});
    savePicture(dir + "balena.jpg", {2001, 20});
    savePicture(dir + "mela.jpg", {60, 60});
    QFile mela(dir + "mela.jpg");
    ASSERT_TRUE(mela.open(QIODevice::ReadWrite));
    mela.resize(mela.size() / 2);
    mela.close();
    QFile(dir + "vuoto.jpg").open(QIODevice::WriteOnly);
    ASSERT_TRUE(QDir(dir).mkdir("cartella.jpg"));
    QFile(dir + "notes.txt").open(QIODevice::WriteOnly);
    QFile(dir + "topo.JPEG").open(QIODevice::WriteOnly);
    QFile(dir + "foto.png").open(QIODevice::WriteOnly);
    const std::string root = QFile::encodeName(dir).toStdString();
    std::filesystem::copy_file(root + "gatto.jpg", root + "citt\xe0.jpg");
    // Recordings are judged by their container's first bytes only.
    for (const auto& [name, bytes] : {std::pair{"gatto.ogg", QByteArray("OggS\2")},
                                      std::pair{"balena.WAV", QByteArray("RIFF\x24\1\1\1WAVEfmt ")},
                                      std::pair{"mela.mp3", QByteArray("<html>")}, std::pair{"vuoto.ogg", QByteArray()}}) {
        QFile recording(dir + name);
        ASSERT_TRUE(recording.open(QIODevice::WriteOnly));
        recording.write(bytes);
    }

    const Outcome run = brindolo({"--check", dir});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.takeLast(), "11 pictures, 5 errors, 8 warnings");
    lines.sort();
    const QString replaced = QString::fromUtf8("citt\xef\xbf\xbd.jpg");  // how the terminal shows 0xE0
    const QStringList expected = {
        ".jpg: error: there is no word before \".jpg\"",
        "CAT.JPG: error: the name must end in \".jpg\" in small letters, or the word is the whole name \"CAT.JPG\"",
        "Gatto.jpg: warning: it gives the same word as \"gatto.jpg\"",
        "balena.jpg: warning: the picture is 2001 x 20 pixels, more than 2000 on a side: it is slow to show and to "
        "check, and a smaller copy looks the same",
        "cartella.jpg: error: Cannot open file " + dir + "cartella.jpg",
        replaced + ": warning: the name is not valid UTF-8, so some of its letters cannot be shown",
        "ippopotamopiccolos.jpg: warning: the word has 18 letters, more than the 17 a tile shows",
        "mela.jpg: error: Premature end of JPEG file",
        "topo.JPEG: warning: left out of the word list, which takes only names ending in \".jpg\": rename it to "
        "\"topo.jpg\"",
        "foto.png: warning: left out of the word list, which takes only JPEG pictures ending in \".jpg\": save it "
        "as a JPEG picture",
        "vuoto.jpg: error: the file is empty, so it shows no picture",
        "4 of 11 words have a recording",
        "mela.mp3: warning: the recording is not Ogg, WAV, FLAC or MP3 audio, so the synthetic voice says the word "
        "instead",
        "vuoto.ogg: warning: the recording is empty, so the synthetic voice says the word instead",
    };
    QStringList sortedExpected = expected;
    sortedExpected.sort();
    EXPECT_EQ(lines, sortedExpected);

    // The duplicates go, the rest is mended: only warnings are left, and they
    // do not fail the check. Fewer than ten pictures, in the folder or in a
    // theme, deal some words twice.
    for (const char* name : {"CAT.JPG", ".jpg", "vuoto.jpg", "mela.jpg", "Gatto.jpg", "topo.JPEG", "foto.png"})
        QFile::remove(dir + name);
    QDir(dir + "cartella.jpg").removeRecursively();
    ASSERT_TRUE(QDir(dir).mkdir("animali"));
    savePicture(dir + "animali/cane.jpg", {40, 30});
    QFile(dir + "animali/cane.ogg").open(QIODevice::WriteOnly);
    const Outcome mended = brindolo({"--check", dir});
    EXPECT_EQ(mended.exitCode, 0) << mended.out.toStdString();
    EXPECT_TRUE(mended.out.contains(
        "animali/cane.ogg: warning: the recording is empty, so the synthetic voice says the word instead\n"));
    EXPECT_TRUE(mended.out.endsWith(dir + ": warning: only 6 pictures, fewer than the 10 of a game: words will repeat\n"
                                    "animali/: warning: only 1 picture, fewer than the 10 of a game: words will "
                                    "repeat\n3 of 6 words have a recording\n6 pictures, 0 errors, 6 warnings\n"))
        << mended.out.toStdString();
    std::filesystem::remove(root + "citt\xe0.jpg");

    const Outcome missing = brindolo({"--check", dir + "nowhere"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, dir + "nowhere: error: there is no such folder\n0 pictures, 1 errors, 0 warnings\n");
    EXPECT_TRUE(brindolo({"--check", dir + "notes.txt"}).out.startsWith(
        dir + "notes.txt: error: this is a file, not a folder"));

    // A picture the frame shows, decoded as the frame decodes it: whole, it
    // would need more working memory than the decoder is allowed.
    ASSERT_TRUE(QDir(dir).mkdir("grande"));
    QProcess cjpeg;
    cjpeg.start("/bin/sh", {"-c", "{ printf 'P6 20000 20000 255\\n'; head -c 1200000000 /dev/zero; } | "
                                  "cjpeg -quality 10 > \"$0\" 2>/dev/null", dir + "grande/mare.jpg"});
    ASSERT_TRUE(cjpeg.waitForFinished(60000) && cjpeg.exitCode() == 0);
    const Outcome large = brindolo({"--check", dir + "grande"});
    EXPECT_TRUE(large.out.startsWith("mare.jpg: warning: the picture is 20000 x 20000 pixels"))
        << large.out.toStdString();
    EXPECT_TRUE(large.out.endsWith("1 pictures, 0 errors, 2 warnings\n")) << large.out.toStdString();
}

// Without a folder the check takes the word list the game would use, and
// names it first: --pictures, then the teacher's own folder, then the pack
// of the language that the user's file, the school's or the desktop chooses.
TEST(FolderCheck, ChecksTheWordListTheGameWouldUse)
{
    QTemporaryDir home;
    const QString teacher = home.path() + "/data/brindolo/immagini";
    ASSERT_TRUE(QDir().mkpath(teacher));
    ASSERT_TRUE(QDir().mkpath(home.path() + "/school/brindolo"));
    savePicture(teacher + "/gatto.jpg", {40, 30});
    savePicture(teacher + "/cane.jpg", {40, 30});

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.path() + "/data");
    environment.insert("XDG_CONFIG_DIRS", home.path() + "/school");
    environment.insert("XDG_CONFIG_HOME", home.path() + "/user");
    for (const char* name : {"DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(name);
    environment.insert("LANG", "fr_FR.UTF-8");
    process.setProcessEnvironment(environment);
    const auto check = [&](const QStringList& arguments) {
        process.start(BRINDOLO_BINARY_DIR "/bin/brindolo", QStringList{"--check"} + arguments);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    EXPECT_EQ(check({}), "Checking the word list the game would use: " + teacher + "/\n" + teacher +
                             "/: warning: only 2 pictures, fewer than the 10 of a game: words will repeat\n"
                             "2 pictures, 0 errors, 1 warnings\n");
    EXPECT_TRUE(check({"-p", home.path() + "/data"}).endsWith("holds no pictures (*.jpg), so there is nothing to "
                                                               "play\n0 pictures, 1 errors, 0 warnings\n"));

    QDir(teacher).removeRecursively();
    const QString first = "Checking the word list the game would use: " BRINDOLO_BINARY_DIR "/bin/parole/";
    EXPECT_TRUE(check({}).startsWith(first + "français/\n"));
    QFile school(home.path() + "/school/brindolo/brindolo.conf");
    ASSERT_TRUE(school.open(QIODevice::WriteOnly));
    school.write("language=deutsch\ncapitals=maybe\n");
    school.close();
    EXPECT_TRUE(check({}).startsWith(first + "deutsch/\n"));
    EXPECT_EQ(process.readAllStandardError(),
              "brindolo: " + school.fileName().toUtf8() + ": capitals=maybe: neither true nor false; ignored\n");
    QFile user(home.path() + "/user/brindolo/brindolo.conf");
    ASSERT_TRUE(QDir().mkpath(home.path() + "/user/brindolo") && user.open(QIODevice::WriteOnly));
    user.write("language=english\n");
    user.close();
    EXPECT_TRUE(check({}).startsWith(first + "english/\n"));
    EXPECT_TRUE(check({"--language", "klingon"}).isEmpty());
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().contains("italiano, english, français, deutsch, español"));

    // A folder named in Latin-1, passed as its bytes by a shell, since
    // QProcess would pass text as UTF-8.
    const std::string latin = QFile::encodeName(home.path()).toStdString() + "/lat\xe9n";
    std::filesystem::create_directories(latin + "/brindolo/immagini");
    savePicture(home.path() + "/gatto.jpg", {40, 30});
    const std::string picture = QFile::encodeName(home.path() + "/gatto.jpg").toStdString();
    std::filesystem::copy_file(picture, latin + "/gatto.jpg");
    std::filesystem::copy_file(picture, latin + "/brindolo/immagini/gatto.jpg");
    const auto checkFromShell = [&](const QString& command) {
        process.start("/bin/sh", {"-c", "latin=\"$1/$(printf 'lat\\351n')\"; " + command,
                                  BRINDOLO_BINARY_DIR "/bin/brindolo", home.path()});
        process.waitForFinished(60000);
        return process.readAllStandardOutput().toStdString();
    };
    const auto onePicture = [](const std::string& folder) {
        return folder + ": warning: only 1 picture, fewer than the 10 of a game: words will repeat\n"
                        "1 pictures, 0 errors, 1 warnings\n";
    };
    EXPECT_EQ(checkFromShell("exec \"$0\" --check \"$latin\""), onePicture(latin));
    const std::string checking = "Checking the word list the game would use: " + latin;
    EXPECT_EQ(checkFromShell("exec \"$0\" --check --pictures=\"$latin\""), checking + "/\n" + onePicture(latin + "/"));
    EXPECT_EQ(checkFromShell("XDG_DATA_HOME=\"$latin\" exec \"$0\" --check"),
              checking + "/brindolo/immagini/\n" + onePicture(latin + "/brindolo/immagini/"));

    // Control characters in a folder's name reach the terminal escaped: in
    // the check's first line, and in the theme warning and the themes it
    // lists, in the game and with --worksheet.
    const QString odd = home.path() + "/odd\x1b[2J";
    ASSERT_TRUE(QDir().mkpath(odd + "/t\x07"));
    savePicture(odd + "/t\x07/gatto.jpg", {40, 30});
    EXPECT_TRUE(check({"--pictures", odd}).startsWith("Checking the word list the game would use: " + home.path()
                                                       + "/odd\\x1b[2J/\n"));
    for (const QStringList& run : {QStringList{"--worksheet", "-"}, QStringList{"-platform", "offscreen"}}) {
        QProcessEnvironment quitting = environment;
        quitting.insert("BRINDOLO_REPORT_AND_QUIT", "1");
        quitting.insert("XDG_CONFIG_DIRS", "/nonexistent");
        process.setProcessEnvironment(quitting);
        process.start(BRINDOLO_BINARY_DIR "/bin/brindolo", run + QStringList{"--pictures", odd, "--theme", "x\x1b"});
        process.waitForFinished(60000);
        const QByteArray err = "\n" + process.readAllStandardError();
        EXPECT_TRUE(err.contains("\nbrindolo: no theme 'x\\x1b' in " + QFile::encodeName(odd).replace("\x1b", "\\x1b")
                                 + "/ (its themes are t\\x07); playing the whole list\n"))
            << run.join(' ').toStdString() << err.toStdString();
    }
    process.setProcessEnvironment(environment);

    // A worksheet goes to exactly the bytes named, and "-" is standard output.
    checkFromShell("exec \"$0\" --worksheet \"$latin.pdf\" --seed 1 --pictures \"$latin\"");
    EXPECT_TRUE(std::filesystem::is_regular_file(latin + ".pdf"));
    EXPECT_EQ(checkFromShell("exec \"$0\" --worksheet - --seed 1 --pictures \"$latin\"").substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace brindolo::testing
