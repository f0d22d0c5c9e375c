// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/word_rules.h"
#include "i18n/language_chooser.h"
#include "support/exif_orientation.h"
#include "system/errors.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheet_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brindolo {
namespace {

const std::string kDataFolder = BRINDOLO_SOURCE_DIR "/data/";

TEST(WorksheetContent, RowsFollowTheGamesCaseRulesAndTextsTheInterfaceLanguage)
{
    std::array<std::string, board_map::kWordsPerGame> words;
    words[0] = "città.jpg";
    words[3] = "Banana.jpg";
    const Worksheet capitals = makeWorksheet(words, "/p/", true, WorksheetTexts::read({}));
    ASSERT_EQ(capitals.rows.size(), 2U) << "a word the deal left empty gives no row";
    EXPECT_EQ(capitals.rows[0].word, "CITTÀ");
    EXPECT_EQ(capitals.rows[0].letters, upperCase(AnagramKey("città.jpg"))) << "as the tile shows them";
    EXPECT_EQ(capitals.rows[0].picturePath, "/p/città.jpg");
    EXPECT_EQ(capitals.rows[1].letters, "AAABNN");
    const Worksheet small = makeWorksheet(words, "/p/", false, WorksheetTexts{});
    EXPECT_EQ(small.rows[0].word, "città");
    EXPECT_EQ(small.rows[1].letters, "aaabnn");

    EXPECT_EQ(capitals.texts.title, "Trova la parola");
    const WorksheetTexts english = WorksheetTexts::read(LanguageFilePath(kDataFolder, "english"));
    EXPECT_EQ(english.title, "Find the word");
    EXPECT_EQ(english.answers, "Answers for the teacher");
    QTemporaryDir folder;
    QFile partial(folder.path() + "/partial.lng");
    ASSERT_TRUE(partial.open(QIODevice::WriteOnly));
    partial.write("[Worksheet]\nTitle=Titolo\nName=\n");
    partial.close();
    const WorksheetTexts texts = WorksheetTexts::read(partial.fileName());
    EXPECT_EQ(texts.title, "Titolo");
    EXPECT_EQ(texts.name, "Nome:");

    EXPECT_EQ(paperOfSize(216, 279), QPageSize::Letter);
    EXPECT_EQ(paperOfSize(210, 297), QPageSize::A4);
}

TEST(WorksheetContent, PicturesAreDecodedReducedButLargeEnoughAndBrokenOnesRaise)
{
    const std::string picture = BRINDOLO_CORPUS_DIR "/testorig.jpg";  // 227 x 149
    EXPECT_EQ(worksheetPicture(picture, 0).size(), QSize(227, 149));
    const QImage half = worksheetPicture(picture, 100);
    EXPECT_EQ(half.size(), QSize(114, 75));
    EXPECT_FALSE(half.isGrayscale());
    EXPECT_EQ(worksheetPicture(picture, 29).width(), 29) << "an eighth is 29 pixels wide";
    EXPECT_EQ(worksheetPicture(picture, 30).width(), 57);

    QTemporaryDir folder;
    // Upright, the longer side is the height: three eighths of 300 is 113.
    const QString upright = folder.path() + "/upright.jpg";
    QImage tall(100, 300, QImage::Format_RGB32);
    tall.fill(Qt::darkGreen);
    ASSERT_TRUE(tall.save(upright, "JPG"));
    EXPECT_EQ(worksheetPicture(QFile::encodeName(upright).toStdString(), 100).size(), QSize(38, 113));
    // A phone's portrait photo, stored on its side, prints upright.
    QImage side(300, 100, QImage::Format_RGB32);
    side.fill(Qt::darkGreen);
    const QString stored = folder.path() + "/side.jpg";
    ASSERT_TRUE(side.save(stored, "JPG"));
    QFile file(stored);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::vector<std::uint8_t> turned =
        withExifOrientation({bytes.begin(), bytes.end()}, {.value = 8});
    QFile phone(folder.path() + "/phone.jpg");
    ASSERT_TRUE(phone.open(QIODevice::WriteOnly));
    phone.write(reinterpret_cast<const char*>(turned.data()), static_cast<qint64>(turned.size()));
    phone.close();
    EXPECT_EQ(worksheetPicture(QFile::encodeName(phone.fileName()).toStdString(), 100).size(), QSize(38, 113));

    QFile broken(folder.path() + "/rotto.jpg");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    EXPECT_THROW(worksheetPicture(QFile::encodeName(broken.fileName()).toStdString(), 100), Exception);
    EXPECT_THROW(worksheetPicture("/no/such/picture.jpg", 100), Exception);
}

// Nothing half-written: a failure leaves the folder as it was.
TEST(WorksheetFile, WrittenWholeOrNotAtAll)
{
    QTemporaryDir folder;
    const QString pictures = folder.path() + "/pictures/";
    ASSERT_TRUE(QDir().mkpath(pictures));
    const QString old = folder.path() + "/old.pdf";
    QFile existing(old);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("kept");
    existing.close();

    WorksheetRequest request;
    request.wordFolder = QFile::encodeName(pictures).toStdString();
    request.seed = 3;
    EXPECT_THROW(writeWorksheet(request, QFile::encodeName(old).toStdString()), Exception) << "a folder with no pictures";
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(BRINDOLO_CORPUS_DIR "/testorig.jpg"), pictures + "gatto.jpg"));
    EXPECT_THROW(writeWorksheet(request, QFile::encodeName(old + "/inside.pdf").toStdString()), Exception) << "a file is no folder";
    EXPECT_THROW(writeWorksheet(request, QFile::encodeName(folder.path() + "/pictures").toStdString()), Exception) << "a folder is no file";
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), "kept");
    existing.close();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList({"old.pdf", "pictures"}));

    writeWorksheet(request, QFile::encodeName(old).toStdString());
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    const QByteArray pdf = existing.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF")) << pdf.left(20).toStdString();
    EXPECT_EQ(pdf.count("/Type /Page\n"), 2) << "the child's page and the teacher's";
}

}  // namespace
}  // namespace brindolo
