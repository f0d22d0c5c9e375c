// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-list editor's window on a list of its own, driven as a teacher
// drives it: themes and thumbnails, a picture dropped in, a word renamed,
// dragged onto a theme, deleted to the trash, shared and added back, and a
// shipped pack that can only be copied.

#include "editor/editor_window.h"
#include "editor/list_copy.h"
#include "editor/record_dialog.h"
#include "editor/picture_words_dialog.h"
#include "editor/theme_list.h"
#include "picture/codec/jpeg_decode.h"
#include "support/exif_orientation.h"
#include "system/errors.h"
#include "widgets/event_boundary.h"

#include <QApplication>
#include <QBuffer>
#include <QDirIterator>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <algorithm>

namespace brindolo::testing {
namespace {

void savePicture(const QString& path, QSize size, const char* format = "JPG")
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    ASSERT_TRUE(picture.save(path, format)) << path.toStdString();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList shownWords(EditorWindow& window)
{
    QStringList words;
    for (int row = 0; row < window.words().rowCount(); ++row)
        words << window.words().index(row).data().toString();
    words.sort();
    return words;
}

int rowOf(EditorWindow& window, const QString& word)
{
    for (int row = 0; row < window.words().rowCount(); ++row)
        if (window.words().index(row).data().toString() == word)
            return row;
    return -1;
}

// The next dialog that opens gets these words typed, and is accepted.
void answerWordsWith(const QStringList& words)
{
    QTimer::singleShot(0, [words] {
        auto* dialog = qobject_cast<PictureWordsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (qsizetype i = 0; i < words.size(); ++i)
            dialog->field(static_cast<int>(i)).setText(words[i]);
        dialog->accept();
    });
}

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QDir(home.path()).mkdir("data"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
        list = home.filePath("list") + u'/';
        savePicture(list + "gatto.jpg", QSize(800, 600));
        savePicture(list + "CAT.JPG", QSize(64, 48));
        savePicture(list + "animali/cane.jpg", QSize(300, 400));
        writeFile(list + "animali/cane.ogg", "not a recording");
        EventBoundary::setReporter([this](const QString&, const QString& text) { reported << text; });
    }
    void TearDown() override { EventBoundary::setReporter({}); }

    QTemporaryDir home;
    QString list;
    QStringList reported;
};

TEST_F(EditorWindowTest, ListsThemesAndThumbnailsThenAddsRenamesMovesAndDeletes)
{
    EditorWindow window({QFile::encodeName(list).toStdString(), {}, "/nonexistent/"}, EditorTexts::read({}));
    window.show();
    ASSERT_TRUE(window.readOnlyReason().isEmpty());

    // The whole list first, then each theme; every word as the game shows it.
    ASSERT_EQ(window.themes().count(), 2);
    EXPECT_EQ(window.themes().item(0)->text(), "tutte le parole");
    EXPECT_EQ(window.themes().item(1)->text(), "animali");
    EXPECT_EQ(shownWords(window), (QStringList{"CANE", "CAT.JPG", "GATTO"}));

    // Thumbnails arrive in the background, fitted to the size drawn and
    // turned as the picture lies; the marks tell the recording and what the
    // folder check says.
    QTRY_COMPARE_WITH_TIMEOUT(window.words().thumbnailsArrived(), 3, 10000);
    const QModelIndex gatto = window.words().index(rowOf(window, "GATTO"));
    const QModelIndex cane = window.words().index(rowOf(window, "CANE"));
    const QModelIndex cat = window.words().index(rowOf(window, "CAT.JPG"));
    EXPECT_EQ(gatto.data(Qt::DecorationRole).value<QImage>().size(), QSize(160, 120));
    EXPECT_EQ(cane.data(Qt::DecorationRole).value<QImage>().size(), QSize(90, 120));
    EXPECT_EQ(gatto.data(WordGridModel::FindingsRole).toInt(), 0);
    EXPECT_TRUE(cane.data(WordGridModel::HasRecordingRole).toBool());
    EXPECT_EQ(cane.data(WordGridModel::FindingsRole).toInt(), 1);
    // What the folder check finds, in the editor's language.
    EXPECT_TRUE(cane.data(Qt::AccessibleTextRole).toString().contains("la registrazione non si può ascoltare"))
        << cane.data(Qt::AccessibleTextRole).toString().toStdString();
    EXPECT_TRUE(cat.data(Qt::ToolTipRole).toString().contains("errore: il nome deve finire con «.jpg»"))
        << cat.data(Qt::ToolTipRole).toString().toStdString();
    EXPECT_EQ(cat.data(WordGridModel::FindingsRole).toInt(), 2);
    EXPECT_FALSE(gatto.data(WordGridModel::HasRecordingRole).toBool());

    // A PNG dropped from the file manager, its proposed word corrected
    // before it is saved: a JPEG the game's reader reads.
    savePicture(home.filePath("Topo Grigio.png"), QSize(2400, 1200), "PNG");
    QMimeData drop;
    drop.setUrls({QUrl::fromLocalFile(home.filePath("Topo Grigio.png"))});
    answerWordsWith({"Topo"});
    window.words().dropMimeData(&drop, Qt::CopyAction, -1, -1, {});
    EXPECT_TRUE(reported.isEmpty()) << reported.join('\n').toStdString();
    QFile saved(list + "topo.jpg");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    JpegReader reader({reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size())}, {});
    EXPECT_EQ(reader.size().width, 1600);
    EXPECT_EQ(reader.size().height, 800);
    EXPECT_EQ(shownWords(window), (QStringList{"CANE", "CAT.JPG", "GATTO", "TOPO"}));

    // Renamed, then dragged onto a theme: picture and recording together.
    window.renameWord("animali/cane.jpg", "Cagnolino");
    EXPECT_TRUE(QFile::exists(list + "animali/cagnolino.jpg"));
    EXPECT_TRUE(QFile::exists(list + "animali/cagnolino.ogg"));
    EXPECT_FALSE(QFile::exists(list + "animali/cane.jpg"));
    QMimeData words;
    words.setData(WordGridModel::kWordsMimeType, QByteArray("gatto.jpg") + '\0' + "topo.jpg" + '\0');
    const QPoint onAnimali = window.themes().visualItemRect(window.themes().item(1)).center();
    QDragEnterEvent entered(onAnimali, Qt::MoveAction, &words, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.themes().viewport(), &entered);
    QDragMoveEvent moved(onAnimali, Qt::MoveAction, &words, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.themes().viewport(), &moved);
    EXPECT_TRUE(moved.isAccepted());
    QDropEvent dropped(onAnimali, Qt::MoveAction, &words, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.themes().viewport(), &dropped);
    EXPECT_TRUE(QFile::exists(list + "animali/gatto.jpg"));
    EXPECT_TRUE(QFile::exists(list + "animali/topo.jpg"));
    EXPECT_FALSE(QFile::exists(list + "gatto.jpg"));
    window.themes().setCurrentRow(1);
    EXPECT_EQ(shownWords(window), (QStringList{"CAGNOLINO", "GATTO", "TOPO"}));

    // Deleted to the trash, from where it can be put back.
    window.deleteWords({"animali/cagnolino.jpg"});
    EXPECT_FALSE(QFile::exists(list + "animali/cagnolino.jpg"));
    EXPECT_FALSE(QFile::exists(list + "animali/cagnolino.ogg"));
    EXPECT_TRUE(QFile::exists(home.filePath("data/Trash/files/cagnolino.jpg")));
    EXPECT_TRUE(QFile::exists(home.filePath("data/Trash/files/cagnolino.ogg")));
    EXPECT_EQ(shownWords(window), (QStringList{"GATTO", "TOPO"}));
    EXPECT_TRUE(reported.isEmpty()) << reported.join('\n').toStdString();

    // Shared as one file and added back from it.
    window.exportTo(home.filePath("animali.brindolo"));
    window.deleteWords({"animali/gatto.jpg", "animali/topo.jpg"});
    EXPECT_EQ(shownWords(window), QStringList());
    window.importFile(home.filePath("animali.brindolo"));
    EXPECT_EQ(shownWords(window), (QStringList{"GATTO", "TOPO"}));
    EXPECT_TRUE(reported.isEmpty()) << reported.join('\n').toStdString();

    // A change made from outside shows up by itself.
    savePicture(list + "animali/mucca.jpg", QSize(40, 30));
    QTRY_COMPARE_WITH_TIMEOUT(shownWords(window), (QStringList{"GATTO", "MUCCA", "TOPO"}), 5000);
}

TEST_F(EditorWindowTest, AShippedPackIsReadOnlyUntilCopiedIntoTheTeachersList)
{
    const QString program = home.filePath("program") + u'/';
    savePicture(program + "parole/english/animals/dog.jpg", QSize(40, 30));
    writeFile(program + "parole/english/CREDITS", "photos: CC0");
    const QString teacher = home.filePath("data/brindolo/immagini/");
    EditorWindow window({QFile::encodeName(program + "parole/english/").toStdString(),
                         QFile::encodeName(teacher).toStdString(), QFile::encodeName(program).toStdString()},
                        EditorTexts::read({}));
    EXPECT_FALSE(window.readOnlyReason().isEmpty());
    for (const char* changer : {"Add", "Rename", "Delete", "NewTheme"})
        EXPECT_FALSE(window.findChild<QPushButton*>(changer)->isEnabled()) << changer;
    EXPECT_TRUE(window.findChild<QPushButton*>("Play")->isEnabled());

    window.findChild<QPushButton*>("CopyToMine")->click();
    EXPECT_TRUE(reported.isEmpty()) << reported.join('\n').toStdString();
    EXPECT_TRUE(QFile::exists(teacher + "animals/dog.jpg"));
    EXPECT_TRUE(QFile::exists(teacher + "CREDITS"));
    EXPECT_TRUE(window.readOnlyReason().isEmpty());
    EXPECT_TRUE(window.findChild<QPushButton*>("Add")->isEnabled());
    QStringList left = QDir(teacher).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    left.sort();
    EXPECT_EQ(left, (QStringList{"CREDITS", "animals"})) << "nothing is left aside";
}

// A list named on the command line that is not there yet is said to be
// made on the first save, until it is.
TEST_F(EditorWindowTest, AListNotThereYetIsSaidToBeMadeOnTheFirstSave)
{
    const QString missing = home.filePath("nowhere/list/");
    EditorWindow window(
        {QFile::encodeName(missing).toStdString(), QFile::encodeName(list).toStdString(), "/nonexistent/"},
        EditorTexts::read({}));
    const auto* note = window.findChild<QLabel*>("NotMadeYet");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(window.readOnlyReason().isEmpty());
    EXPECT_TRUE(note->isVisibleTo(&window));
    EXPECT_TRUE(note->text().contains(missing)) << note->text().toStdString();
    ASSERT_TRUE(QDir().mkpath(missing));
    window.refresh();
    EXPECT_FALSE(note->isVisibleTo(&window));

    // The teacher's own list is made on the first save without a word.
    const std::string mine = QFile::encodeName(missing + "mine/").toStdString();
    EditorWindow own({mine, mine, "/nonexistent/"}, EditorTexts::read({}));
    EXPECT_FALSE(own.findChild<QLabel*>("NotMadeYet")->isVisibleTo(&own));
}

// Each thumbnail as the grid draws it: fitted into the cell, turned as the
// photo's tag says, with what the folder check would say of the picture.
TEST(Thumbnails, FittedTurnedAndJudged)
{
    QTemporaryDir folder;
    const auto jpeg = [](QSize size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "JPG");
        return std::vector<std::uint8_t>(buffer.data().begin(), buffer.data().end());
    };
    const auto write = [&folder](const char* name, const std::vector<std::uint8_t>& bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        return QFile::encodeName(file.fileName()).toStdString();
    };
    const std::vector<std::uint8_t> whole = jpeg({300, 300});
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        QSize shown;  // 0 x 0: no picture
        int errors;
        int warnings;
    } cases[] = {
        {"wide.jpg", jpeg({800, 400}), {160, 80}, 0, 0},
        // Stored on its side, shown upright: taller than wide.
        {"turned.jpg", withExifOrientation(jpeg({400, 300}), {6}), {90, 120}, 0, 0},
        {"small.jpg", jpeg({40, 30}), {160, 120}, 0, 0},
        {"huge.jpg", jpeg({2100, 1000}), {160, 76}, 0, 1},
        {"empty.jpg", {}, {0, 0}, 1, 0},
        {"cut.jpg", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 200), {0, 0}, 1, 0},
    };
    for (const auto& c : cases) {
        const Thumbnail made = makeThumbnail(write(c.name, c.bytes), {160, 120});
        EXPECT_EQ(made.picture.size(), c.shown) << c.name;
        const auto errors = static_cast<int>(
            std::count_if(made.findings.begin(), made.findings.end(), [](const WordFinding& f) { return f.error; }));
        EXPECT_EQ(errors, c.errors) << c.name;
        EXPECT_EQ(static_cast<int>(made.findings.size()) - errors, c.warnings) << c.name;
    }
}

// The thumbnails kept stay within their budget: the one drawn longest ago
// is dropped and made again when it is drawn again, a picture that gave
// none is not decoded again, and what decoding found stays.
TEST(Thumbnails, KeptWithinTheirBudgetAndMadeAgain)
{
    QTemporaryDir folder;
    for (const char* name : {"uno.jpg", "due.jpg", "tre.jpg"})
        savePicture(folder.filePath(name), QSize(800, 600));
    writeFile(folder.filePath("vuoto.jpg"), {});
    ThumbnailLoader loader({160, 120});
    WordGridModel words(loader);
    const qsizetype oneThumbnail = 160 * 120 * 4;
    words.setThumbnailBudget(2 * oneThumbnail);
    words.show(QFile::encodeName(folder.path() + u'/').toStdString(), {});
    ASSERT_EQ(words.rowCount(), 4);
    const auto waiting = [&words](int row) {
        return words.index(row).data(Qt::DecorationRole).value<QImage>().pixelColor(80, 60) == QColor(0xe8, 0xe8, 0xe8);
    };
    for (int row = 0; row < 4; ++row)
        waiting(row);
    loader.waitForDone();
    EXPECT_EQ(words.thumbnailsArrived(), 4);
    EXPECT_EQ(words.thumbnailBytes(), 2 * oneThumbnail);
    int dropped = -1;
    int empty = -1;
    for (int row = 0; row < 4; ++row) {
        if (words.index(row).data().toString() == "VUOTO")
            empty = row;
        else if (waiting(row))
            dropped = row;
    }
    ASSERT_NE(dropped, -1);
    EXPECT_TRUE(waiting(empty));
    loader.waitForDone();
    EXPECT_EQ(words.thumbnailsArrived(), 5) << "the dropped one made again, the empty one not";
    EXPECT_FALSE(waiting(dropped));
    EXPECT_EQ(words.index(empty).data(WordGridModel::FindingsRole).toInt(), 2);
    EXPECT_LE(words.thumbnailBytes(), 2 * oneThumbnail);
}

// A recording chosen from a file takes the place of the word's older ones
// only once it is whole; a file the game cannot play is refused.
TEST(Recordings, AChosenFileReplacesTheOlderOnes)
{
    QTemporaryDir folder;
    const QString picture = folder.filePath("gatto.jpg");
    writeFile(picture, "picture");
    writeFile(folder.filePath("gatto.ogg"), "older");
    writeFile(folder.filePath("gatto.OPUS"), "older still");
    writeFile(folder.filePath("mine.WAV"), "new");
    writeFile(folder.filePath("notes.txt"), "text");

    EXPECT_THROW(useRecordingFile(picture, folder.filePath("notes.txt")), Exception);
    // A pipe chosen by mistake is refused at once, not waited on.
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath("pipe.wav")).constData(), 0600), 0);
    EXPECT_THROW(useRecordingFile(picture, folder.filePath("pipe.wav")), Exception);
    EXPECT_TRUE(QFile::exists(folder.filePath("gatto.ogg")));
    useRecordingFile(picture, folder.filePath("mine.WAV"));
    QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{"gatto.jpg", "gatto.wav", "mine.WAV", "notes.txt"}));
    QFile kept(folder.filePath("gatto.wav"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "new");
}

// Copying a pack keeps whatever the teacher's list has already.
TEST(ListCopy, KeepsTheFilesAlreadyThere)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("pack/animals"));
    ASSERT_TRUE(QDir(folder.path()).mkpath("mine/animals"));
    writeFile(folder.filePath("pack/animals/dog.jpg"), "pack's dog");
    writeFile(folder.filePath("pack/cat.jpg"), "pack's cat");
    writeFile(folder.filePath("mine/animals/dog.jpg"), "my dog");
    EXPECT_EQ(copyWordList(QFile::encodeName(folder.filePath("pack/")).toStdString(),
                           QFile::encodeName(folder.filePath("mine/")).toStdString()),
              1);
    QFile dog(folder.filePath("mine/animals/dog.jpg"));
    ASSERT_TRUE(dog.open(QIODevice::ReadOnly));
    EXPECT_EQ(dog.readAll(), "my dog");
    EXPECT_TRUE(QFile::exists(folder.filePath("mine/cat.jpg")));
}

// Every text of the editor is in every language file the game ships, so that
// no button falls back to Italian in another language.
TEST(EditorLanguages, EveryShippedLanguageHasEveryText)
{
    const EditorTexts italian = EditorTexts::read({});
    QDirIterator files(BRINDOLO_SOURCE_DIR "/data", {"*.lng"}, QDir::Files);
    int languages = 0;
    while (files.hasNext()) {
        const QString file = files.next();
        ++languages;
        const EditorTexts texts = EditorTexts::read(file);
        for (const char* key : {"Title", "AllWords", "Add", "Rename", "Move", "Delete", "Record", "Stop", "Keep",
                                "Export", "Import", "Play", "ReadOnly", "CopyToMine", "Replace", "ImportReplacing",
                                "NotMadeYet", "FindingNoJpgEnding", "FindingNoWord", "FindingNotUtf8", "FindingTooLong",
                                "FindingTooLarge", "FindingSameWord", "FindingEmptyFile", "FindingUnreadable",
                                "FindingRecording"})
            if (!file.endsWith("italiano.lng"))
                EXPECT_NE(texts(key), italian(key)) << file.toStdString() << " " << key;
        // Every finding the folder check makes is said with what it names.
        std::vector<WordFinding> findings = nameFindings("animali/ippopotamo\xff grandissimo");
        for (const std::vector<WordFinding>& more :
             {nameFindings(".jpg"), sizeFindings(4000, 3000), std::vector{sameWordFinding("Gatto.jpg")}})
            findings.insert(findings.end(), more.begin(), more.end());
        findings.push_back({true, "", FindingKind::EmptyFile, {}});
        findings.push_back({true, "", FindingKind::Unreadable, {"Premature end of JPEG file"}});
        findings.push_back({false, "", FindingKind::Recording, {"is empty"}});
        EXPECT_EQ(findings.size(), 9u);
        for (const WordFinding& finding : findings) {
            const QString said = texts.finding(finding);
            EXPECT_NE(finding.kind, FindingKind::Other) << finding.text;
            EXPECT_FALSE(said.contains('%')) << said.toStdString();
            for (const std::string& value : finding.values)
                EXPECT_TRUE(said.contains(QString::fromUtf8(value))) << said.toStdString() << " " << value;
        }
    }
    EXPECT_EQ(languages, 5);
}

}  // namespace
}  // namespace brindolo::testing
