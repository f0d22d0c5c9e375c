// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The word list's operations on real folders: pictures saved as the game
// needs them, words and themes renamed, moved and deleted with their
// recordings, lists shared as archives and hostile archives refused, and
// the program's --add, --export and --import as a script runs them.

#include "editor/editor_errors.h"
#include "editor/list_archive.h"
#include "editor/word_list_editor.h"
#include "editor/word_names.h"
#include "picture/codec/jpeg_decode.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <deque>
#include <functional>
#include <sys/stat.h>
#include <zip.h>

namespace brindolo::testing {
namespace {

QByteArray jpegOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

QImage filled(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A phone's EXIF block: Orientation and a GPS position, right after SOI.
QByteArray withOrientationAndPlace(const QByteArray& jpeg, int orientation)
{
    const QByteArray tiff = QByteArray::fromHex(
        "4d4d002a00000008"                        // big-endian TIFF, first directory at 8
        "0002"                                    // two entries
        "011200030000000100000000"                // Orientation, SHORT, 1 (value patched below)
        "882500040000000100000026"                // GPSInfo, LONG, 1, directory at 38
        "00000000"                                // no next directory
        "0001"                                    // GPS directory: one entry
        "0001000200000002" "4e000000"             // GPSLatitudeRef "N"
        "00000000");
    QByteArray patched = tiff;
    patched[8 + 2 + 8] = static_cast<char>(orientation >> 8);
    patched[8 + 2 + 9] = static_cast<char>(orientation);
    const QByteArray app1 = QByteArray("Exif", 4) + QByteArray(2, '\0') + patched;
    const int length = int(app1.size()) + 2;
    return jpeg.left(2) + QByteArray::fromHex("ffe1") + char(length >> 8) + char(length & 0xFF) + app1 + jpeg.mid(2);
}

// The markers of a JPEG file's header, up to its scan.
std::vector<int> headerMarkers(const QByteArray& jpeg)
{
    std::vector<int> markers;
    for (qsizetype at = 2; at + 4 <= jpeg.size();) {
        const int marker = static_cast<unsigned char>(jpeg[at + 1]);
        markers.push_back(marker);
        if (marker == 0xDA)
            break;
        at += 2 + (static_cast<unsigned char>(jpeg[at + 2]) << 8 | static_cast<unsigned char>(jpeg[at + 3]));
    }
    return markers;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kWave = QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) + QByteArray(28, '\1');

// A list folder, a program folder with its shipped pack, and the user's
// data folder (where the trash is) in one temporary folder.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        saved = {qgetenv("XDG_DATA_HOME"), qgetenv("HOME")};
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath("data")));
        qputenv("HOME", QFile::encodeName(root.filePath("home")));
        // Qt's trash is the home's only for files on the home's file system.
        QDir().mkpath(root.filePath("home"));
        QDir().mkpath(root.filePath("data"));
        // Where Qt 6.4 puts files when it has no trash.
        savedFolder = QDir::currentPath();
        QDir::setCurrent(root.path());
        writeFile(root.filePath("program/immagini/sole.jpg"), jpegOf(filled(8, 8, Qt::yellow)));
        QDir().mkpath(root.filePath("program/parole/english"));
    }
    void TearDown() override
    {
        qputenv("XDG_DATA_HOME", saved.first);
        qputenv("HOME", saved.second);
        QDir::setCurrent(savedFolder);
    }

    std::string list() const { return QFile::encodeName(root.filePath("list")).toStdString(); }
    std::string program() const { return QFile::encodeName(root.filePath("program")).toStdString() + "/"; }
    QString inList(const QString& name) const { return root.filePath("list/" + name); }
    std::string file(const QString& name, const QByteArray& bytes) const
    {
        writeFile(root.filePath("in/" + name), bytes);
        return QFile::encodeName(root.filePath("in/" + name)).toStdString();
    }
    // Whatever the list's folder holds, hidden files too, as sorted paths.
    QStringList listed(const QString& folder = {}) const
    {
        QStringList all;
        const QDir base(folder.isEmpty() ? root.filePath("list") : folder);
        std::function<void(const QString&)> walk = [&](const QString& at) {
            for (const QFileInfo& info :
                 QDir(at).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
                all << base.relativeFilePath(info.filePath()) + (info.isDir() ? "/" : "");
                if (info.isDir())
                    walk(info.filePath());
            }
        };
        walk(base.path());
        return all;
    }

    QTemporaryDir root;
    std::pair<QByteArray, QByteArray> saved;
    QString savedFolder;
};

TEST(WordNames, AWordIsMendedAsTheGameNeedsIt)
{
    // From a file's name: the folders and the picture's extension go.
    const std::pair<std::string, std::string> fileNames[] = {
        {"Photos/Gatto Nero.PNG", "gatto nero"},
        {".hidden.png", "hidden"},
        {"IMG.20260101.jpeg", "img.20260101"},
    };
    for (const auto& [name, word] : fileNames)
        EXPECT_EQ(proposedWord(name), word) << name;
    // Typed: small letters, at most 17 of them, nothing the game shows wrongly.
    const std::pair<std::string, std::string> typed[] = {
        {"CITTÀ", "città"},
        {"si/no", "sino"},
        {"x.jpg.jpg", "x"},
        {"\x1b[31mred\tcar", "[31mred car"},
        {"caf\xe9", "café"},
        {"ippopotamopiccolissimo", "ippopotamopiccoli"},
        {"ippopotamo piccolissimo", "ippopotamo piccol"},
        {"sixteen letters x", "sixteen letters x"},
        {"  ..  ", ""},
    };
    for (const auto& [text, word] : typed)
        EXPECT_EQ(mendedWord(text), word) << text;
    EXPECT_EQ(mendedWord("abcdefghijklmnop qrs"), "abcdefghijklmnop") << "no blank left at the end once cut";
}

TEST_F(EditorTest, PicturesAreSavedUprightSmallOnWhiteAndWithoutMetadata)
{
    QImage transparent(40, 30, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    for (int y = 0; y < 30; ++y)
        for (int x = 20; x < 40; ++x)
            transparent.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    transparent.save(&buffer, "PNG");
    QImage wide = filled(60, 20, Qt::blue);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x)
            wide.setPixel(x, y, qRgb(0, 255, 0));

    struct Row {
        QString file;
        QByteArray bytes;
        std::string word;   // empty: proposed from the file's name
        QString saved;      // empty: refused
        QSize size;
        QPoint where;       // a pixel of the saved picture...
        QColor colour;      // ...and its colour
    };
    const Row rows[] = {
        {"Gatto Nero.png", png, "", "gatto nero.jpg", {40, 30}, {3, 3}, Qt::white},
        {"Gatto Nero.png", png, "", "gatto nero.jpg", {40, 30}, {35, 15}, Qt::red},
        // Stored on its side, to be turned a quarter clockwise: the green
        // left edge ends at the top.
        {"PHOTO.JPG", withOrientationAndPlace(jpegOf(wide), 6), "", "photo.jpg", {20, 60}, {10, 2}, Qt::green},
        {"grande.jpg", jpegOf(filled(3300, 1650, Qt::gray)), "", "grande.jpg", {1600, 800}, {800, 400}, Qt::gray},
        {"a.png", png, ".Ciao/Mondo.jpg", "ciaomondo.jpg", {40, 30}, {}, {}},
        {"rotto.jpg", QByteArray::fromHex("ffd8ffe000104a46494600") + QByteArray(200, 'x'), "", "", {}, {}, {}},
        {"appunti.png", "just some text, no picture", "", "", {}, {}, {}},
    };
    WordListEditor editor(list(), program());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file.toStdString() + " " + row.saved.toStdString());
        const std::string source = file(row.file, row.bytes);
        if (row.saved.isEmpty()) {
            EXPECT_THROW(preparePicture(source), EPictureUnreadable);
            continue;
        }
        const std::string word = row.word.empty() ? proposedWord(source) : row.word;
        EXPECT_EQ(editor.addPicture(preparePicture(source), word, "", true), row.saved.toStdString());
        const QByteArray saved = readFile(inList(row.saved));
        const QImage image = QImage::fromData(saved, "JPG");
        ASSERT_EQ(image.size(), row.size);
        if (row.colour.isValid()) {
            const QColor found = image.pixelColor(row.where);
            EXPECT_LT(std::abs(found.red() - row.colour.red()) + std::abs(found.green() - row.colour.green()) +
                          std::abs(found.blue() - row.colour.blue()),
                      40)
                << found.name().toStdString();
        }
        // Baseline (SOF0), and nothing but what a picture needs: no EXIF
        // (with its place), comment or colour profile.
        const std::vector<int> markers = headerMarkers(saved);
        EXPECT_NE(std::find(markers.begin(), markers.end(), 0xC0), markers.end());
        for (const int marker : markers)
            EXPECT_TRUE(marker == 0xE0 || marker == 0xDB || marker == 0xC0 || marker == 0xC4 || marker == 0xDA)
                << std::hex << marker;
        EXPECT_FALSE(saved.contains("Exif"));
    }
    EXPECT_EQ(listed(), QStringList({"ciaomondo.jpg", "gatto nero.jpg", "grande.jpg", "photo.jpg"}));
}

TEST_F(EditorTest, WordsAndThemesGoWithTheirRecordingsAllOrNone)
{
    WordListEditor editor(list(), program());
    const PreparedPicture picture = preparePicture(file("p.png", jpegOf(filled(16, 16, Qt::red))));
    EXPECT_EQ(editor.addPicture(picture, "Gatto", "", false), "gatto.jpg");
    writeFile(inList("gatto.wav"), kWave);
    EXPECT_THROW(editor.addPicture(picture, "gatto", "", false), EWordExists);
    EXPECT_EQ(editor.addPicture(picture, "gatto", "", true), "gatto.jpg");
    EXPECT_TRUE(QFile::exists(inList("gatto.wav"))) << "a picture replaced keeps its recording";

    EXPECT_EQ(editor.renameWord("gatto.jpg", "Micio"), "micio.jpg");
    editor.addPicture(picture, "cane", "", false);
    EXPECT_THROW(editor.renameWord("cane.jpg", "micio"), EWordExists);
    EXPECT_EQ(listed(), QStringList({"cane.jpg", "micio.jpg", "micio.wav"}));

    editor.makeTheme("animali");
    EXPECT_THROW(editor.makeTheme("animali"), EWordExists);
    editor.moveWords({"micio.jpg", "cane.jpg"}, "animali");
    editor.addPicture(picture, "cane", "", false);
    writeFile(inList("pesce.jpg"), readFile(inList("cane.jpg")));
    EXPECT_THROW(editor.moveWords({"pesce.jpg", "cane.jpg"}, "animali"), EWordExists);
    EXPECT_EQ(listed(), QStringList({"animali/", "animali/cane.jpg", "animali/micio.jpg", "animali/micio.wav",
                                     "cane.jpg", "pesce.jpg"}))
        << "pesce.jpg stays, since cane.jpg could not go";

    editor.deleteWords({"animali/micio.jpg"}, Removal::ToTrash);
    const QString trash = root.filePath("data/Trash/files/");
    EXPECT_TRUE(QFile::exists(trash + "micio.jpg") && QFile::exists(trash + "micio.wav"));

    for (const std::string& bad : {"", ".nascosto", "foto.JPG", "a/b", "tab\there"})
        EXPECT_THROW(editor.makeTheme(bad), EBadName) << bad;
    editor.renameTheme("animali", "bestie");
    EXPECT_EQ(editor.themeFolders(), std::vector<std::string>{"bestie"});
    editor.deleteTheme("bestie", Removal::ForGood);
    EXPECT_EQ(listed(), QStringList({"cane.jpg", "pesce.jpg"}));

    // No trash to take them: nothing is deleted, so that the user is asked.
    writeFile(root.filePath("not-a-folder"), "x");
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath("not-a-folder")));
    EXPECT_THROW(editor.deleteWords({"cane.jpg", "pesce.jpg"}, Removal::ToTrash), ENoTrash);
    EXPECT_EQ(listed(), QStringList({"cane.jpg", "pesce.jpg"}));
    editor.deleteWords({"cane.jpg", "pesce.jpg"}, Removal::ForGood);
    EXPECT_TRUE(listed().isEmpty());

    // A shipped pack, or a folder that is not there and cannot be made.
    writeFile(root.filePath("a-file"), "x");
    for (const char* shipped : {"program/immagini", "program/parole/english", "program/parole/new", "a-file/list"})
        EXPECT_THROW(WordListEditor(QFile::encodeName(root.filePath(shipped)).toStdString(), program()),
                     EReadOnlyList)
            << shipped;
    EXPECT_NO_THROW(WordListEditor(QFile::encodeName(root.filePath("not/yet/there")).toStdString(), program()));
}

// A word is there already when the game would show one alike in its theme,
// whatever the case of its file name; a word carries every recording the
// game would play for it, and none left at its new name speaks for it.
TEST_F(EditorTest, WordsTheGameShowsAlikeAreOneWordWithAllItsRecordings)
{
    const PreparedPicture picture = preparePicture(file("p.png", jpegOf(filled(16, 16, Qt::red))));
    using Change = std::function<void(WordListEditor&)>;
    struct Row {
        const char* what;
        QStringList before;
        Change change;
        bool refused;
        QStringList after;  // empty: as before
    };
    const Row rows[] = {
        {"added beside another case", {"Gatto.jpg"},
         [&](WordListEditor& e) { e.addPicture(picture, "gatto", "", false); }, true, {}},
        {"replaced in its place", {"Gatto.jpg", "Gatto.ogg"},
         [&](WordListEditor& e) {
             EXPECT_EQ(e.addPicture(picture, "GATTO", "", true), "Gatto.jpg");
             EXPECT_EQ(readFile(inList("Gatto.jpg")), picture.jpeg);
         },
         false, {}},
        {"renamed onto another case", {"cane.jpg", "Gatto.jpg"},
         [](WordListEditor& e) { e.renameWord("cane.jpg", "gatto"); }, true, {}},
        {"renamed onto a recording left there", {"cane.jpg", "micio.ogg"},
         [](WordListEditor& e) { e.renameWord("cane.jpg", "micio"); }, true, {}},
        {"renamed in case, every recording along", {"Gatto.jpg", "Gatto.ogg", "Gatto.WAV"},
         [](WordListEditor& e) { e.renameWord("Gatto.jpg", "gatto"); }, false, {"gatto.WAV", "gatto.jpg", "gatto.ogg"}},
        {"moved onto another case", {"gatto.jpg", "animali/GATTO.jpg"},
         [](WordListEditor& e) { e.moveWords({"gatto.jpg"}, "animali"); }, true, {}},
        {"two alike moved into one theme", {"a/gatto.jpg", "b/Gatto.jpg"},
         [](WordListEditor& e) { e.moveWords({"a/gatto.jpg", "b/Gatto.jpg"}, "c"); }, true, {}},
        {"moved with every recording", {"gatto.jpg", "gatto.ogg", "gatto.MP3", "gatto.txt"},
         [](WordListEditor& e) { e.moveWords({"gatto.jpg"}, "animali"); }, false,
         {"animali/gatto.MP3", "animali/gatto.jpg", "animali/gatto.ogg", "gatto.txt"}},
        {"deleted with every recording", {"gatto.jpg", "gatto.ogg", "gatto.flac"},
         [](WordListEditor& e) { e.deleteWords({"gatto.jpg"}, Removal::ForGood); }, false, {"-"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QDir(inList("")).removeRecursively();
        for (const QString& name : row.before)
            writeFile(inList(name), name.toUtf8());
        WordListEditor editor(list(), program());
        if (row.refused)
            EXPECT_THROW(row.change(editor), EWordExists);
        else
            row.change(editor);
        QStringList files;
        for (const QString& name : listed())
            if (!name.endsWith('/'))
                files << name;
        files.sort();
        QStringList expected =
            row.after.isEmpty() ? row.before : row.after == QStringList{"-"} ? QStringList() : row.after;
        expected.sort();
        EXPECT_EQ(files, expected);
    }
}

// Archives are built entry by entry, with libzip, as a hostile one would be.
class ArchiveMaker {
public:
    explicit ArchiveMaker(const std::string& path) : zip_(zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr)) {}
    ArchiveMaker& add(const std::string& name, std::string bytes, mode_t type = 0)
    {
        const std::string& kept = data_.emplace_back(std::move(bytes));
        zip_source_t* source = zip_source_buffer(zip_, kept.data(), kept.size(), 0);
        const zip_int64_t index = zip_file_add(zip_, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        EXPECT_GE(index, 0) << name;
        if (type != 0)
            zip_file_set_external_attributes(zip_, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(type | 0777) << 16);
        return *this;
    }
    void close() { EXPECT_EQ(zip_close(zip_), 0); }

private:
    zip_t* zip_;
    std::deque<std::string> data_;
};

TEST_F(EditorTest, AListSharedAsOneFileComesBackWhole)
{
    const QByteArray sun = jpegOf(filled(16, 16, Qt::yellow));
    const QByteArray cat = jpegOf(filled(16, 16, Qt::black));
    writeFile(inList("sole.jpg"), sun);
    writeFile(inList("animali/gatto.jpg"), cat);
    writeFile(inList("animali/gatto.wav"), kWave);
    const std::string whole = QFile::encodeName(root.filePath("tutto.brindolo")).toStdString();
    const std::string theme = QFile::encodeName(root.filePath("animali.brindolo")).toStdString();
    EXPECT_EQ(exportList(list(), "", whole), 4);
    EXPECT_EQ(exportList(list(), "animali", theme), 3);
    EXPECT_THROW(exportList(list(), "../list", theme), EBadName) << "an archive that unpacks outside its list";
    if (!QStandardPaths::findExecutable("unzip").isEmpty())
        EXPECT_EQ(QProcess::execute("unzip", {"-tqq", QString::fromStdString(whole)}), 0);

    const std::string other = QFile::encodeName(root.filePath("other")).toStdString();
    WordListEditor copy(other, program());
    std::vector<std::string> added = importArchive(whole, copy, false);
    std::sort(added.begin(), added.end());
    EXPECT_EQ(added, (std::vector<std::string>{"animali/gatto.jpg", "animali/gatto.wav", "sole.jpg"}));
    EXPECT_EQ(readFile(root.filePath("other/animali/gatto.jpg")), cat);
    EXPECT_EQ(readFile(root.filePath("other/animali/gatto.wav")), kWave);
    EXPECT_EQ(listed(root.filePath("other")), QStringList({"animali/", "animali/gatto.jpg", "animali/gatto.wav",
                                                           "sole.jpg"}));
    EXPECT_THROW(importArchive(theme, copy, false), EArchiveRefused);
    EXPECT_EQ(importArchive(theme, copy, true).size(), 2u);

    // A word the game shows alike is there already; replaced, its picture
    // keeps its name, and a recording replaces every older one of the word.
    const std::string again = QFile::encodeName(root.filePath("again.brindolo")).toStdString();
    ArchiveMaker(again).add("animali/GATTO.jpg", sun.toStdString()).add("animali/gatto.ogg", "OggS-new").close();
    EXPECT_THROW(importArchive(again, copy, false), EArchiveRefused);
    EXPECT_EQ(importArchive(again, copy, true), (std::vector<std::string>{"animali/gatto.jpg", "animali/gatto.ogg"}));
    EXPECT_EQ(readFile(root.filePath("other/animali/gatto.jpg")), sun);
    EXPECT_EQ(listed(root.filePath("other")), QStringList({"animali/", "animali/gatto.jpg", "animali/gatto.ogg",
                                                           "sole.jpg"}));

    // A plain zip of a camera's or anyone's pictures, in any format read
    // here: each saved as an added picture is, its name mended as a word is.
    const auto encoded = [](const QImage& image, const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, format)) << format;
        return bytes.toStdString();
    };
    writeFile(root.filePath("other/Luna.jpg"), sun);
    const std::string plain = QFile::encodeName(root.filePath("camera.zip")).toStdString();
    ArchiveMaker(plain)
        .add("Vacanze/MARE.JPG", jpegOf(filled(3200, 1000, Qt::blue)).toStdString())
        .add("Vacanze/Sabbia.PNG", encoded(filled(30, 20, Qt::yellow), "PNG"))
        .add("Vacanze/onda.webp", encoded(filled(30, 20, Qt::cyan), "WEBP"))
        // Qt writes no GIF: a one-pixel one, by hand.
        .add("Vacanze/vela.gif",
             QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c000000000100010000020144003b")
                 .toStdString())
        .add("Vacanze/faro.bmp", encoded(filled(30, 20, Qt::red), "BMP"))
        .add("Vacanze/scoglio.tiff", encoded(filled(30, 20, Qt::gray), "TIFF"))
        .add("luna.png", encoded(filled(30, 20, Qt::black), "PNG"))
        .add("__MACOSX/._MARE.JPG", "x")
        .close();
    EXPECT_THROW(importArchive(plain, copy, false), EArchiveRefused) << "Luna.jpg is there";
    std::vector<std::string> converted = importArchive(plain, copy, true);
    std::sort(converted.begin(), converted.end());
    EXPECT_EQ(converted, (std::vector<std::string>{"Luna.jpg", "Vacanze/faro.jpg", "Vacanze/mare.jpg",
                                                   "Vacanze/onda.jpg", "Vacanze/sabbia.jpg", "Vacanze/scoglio.jpg",
                                                   "Vacanze/vela.jpg"}));
    EXPECT_EQ(QImage(root.filePath("other/Vacanze/mare.jpg"), "JPG").size(), QSize(1600, 500));
    EXPECT_EQ(QImage(root.filePath("other/Vacanze/sabbia.jpg"), "JPG").size(), QSize(30, 20));
    EXPECT_EQ(QImage(root.filePath("other/Luna.jpg"), "JPG").pixelColor(5, 5).lightness(), 0);
    EXPECT_FALSE(QFile::exists(root.filePath("other/luna.jpg")));
}

TEST_F(EditorTest, AHostileArchiveIsRefusedByNameAndNothingIsWritten)
{
    const std::string picture = jpegOf(filled(8, 8, Qt::green)).toStdString();
    const std::string kilobyte(1000, 'x');
    writeFile(inList("sole.jpg"), QByteArray::fromStdString(picture));
    writeFile(inList("Luna.jpg"), QByteArray::fromStdString(picture));
    writeFile(inList("Luna.ogg"), "OggS");
    struct Row {
        const char* what;
        std::function<void(ArchiveMaker&)> entries;
        std::string refusal;
        ArchiveBounds bounds = {};
        const char* extension = "zip";
    };
    const Row rows[] = {
        {"absolute", [&](ArchiveMaker& a) { a.add("/tmp/gatto.jpg", picture); }, "absolute"},
        {"dot-dot", [&](ArchiveMaker& a) { a.add("animali/../../gatto.jpg", picture); }, "\"..\""},
        {"link", [&](ArchiveMaker& a) { a.add("gatto.jpg", "/etc/passwd", S_IFLNK); }, "symbolic link"},
        {"device", [&](ArchiveMaker& a) { a.add("gatto.jpg", "", S_IFCHR); }, "device"},
        {"entries",
         [&](ArchiveMaker& a) {
             for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
                 a.add(name, picture);
         },
         "5 entries, more than the 3", {.entries = 3}},
        {"file size", [&](ArchiveMaker& a) { a.add("gatto.jpg", kilobyte); }, "more than the 100",
         {.fileBytes = 100}},
        {"total", [&](ArchiveMaker& a) { a.add("a.jpg", kilobyte).add("b.jpg", kilobyte); }, "more than the 1500",
         {.totalBytes = 1500}},
        {"bomb", [&](ArchiveMaker& a) { a.add("bomba.wav", std::string(std::size_t{4} << 20, '\0')); },
         "times its packed size"},
        {"nested", [&](ArchiveMaker& a) { a.add("animali/gatti/gatto.jpg", picture); }, "one level of themes"},
        {"not a picture", [&](ArchiveMaker& a) { a.add("appunti.txt", "ciao"); }, "neither a picture"},
        {"not a jpeg", [&](ArchiveMaker& a) { a.add("finto.jpg", kilobyte); }, "not a JPEG picture", {}, "brindolo"},
        {"not a picture read here", [&](ArchiveMaker& a) { a.add("finto.png", kilobyte); },
         "finto.png: a file of type"},
        {"there as the game shows it", [&](ArchiveMaker& a) { a.add("LUNA.jpg", picture); },
         "Luna.jpg is in the list already"},
        {"a recording of the word there", [&](ArchiveMaker& a) { a.add("luna.wav", kWave.toStdString()); },
         "Luna.ogg is in the list already"},
        {"hidden", [&](ArchiveMaker& a) { a.add(".bashrc.wav", "RIFF"); }, "hidden"},
        {"there already", [&](ArchiveMaker& a) { a.add("sole.jpg", picture); }, "sole.jpg is in the list already"},
    };
    WordListEditor editor(list(), program());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path =
            QFile::encodeName(root.filePath(QString("hostile-%1.%2").arg(row.what, row.extension))).toStdString();
        ArchiveMaker maker(path);
        maker.add("buono.jpg", picture);
        row.entries(maker);
        maker.close();
        try {
            importArchive(path, editor, false, row.bounds);
            ADD_FAILURE() << "imported";
        } catch (const EArchiveRefused& refused) {
            EXPECT_NE(std::string(refused.what()).find(row.refusal), std::string::npos) << refused.what();
        }
        EXPECT_EQ(listed(), (QStringList{"Luna.jpg", "Luna.ogg", "sole.jpg"}));
    }
}

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// The program as a script runs it, with its own data folder.
Outcome brindolo(const QStringList& arguments, const QString& data)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("XDG_DATA_HOME", data);
    environment.insert("HOME", data);
    environment.insert("XDG_CONFIG_HOME", "/nonexistent");
    process.setProcessEnvironment(environment);
    process.start(BRINDOLO_BINARY_DIR "/bin/brindolo", arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

TEST_F(EditorTest, TheCommandLineTellsEachWordAndExitsAsScriptsExpect)
{
    const QString data = root.filePath("data");
    const QString good = QString::fromStdString(file("Cane.png", jpegOf(filled(8, 8, Qt::white))));
    const QString other = QString::fromStdString(file("gatto.jpg", jpegOf(filled(8, 8, Qt::black))));
    const QString broken = QString::fromStdString(file("rotto.jpg", "not a picture"));
    const QString archive = root.filePath("lista.brindolo");
    struct Row {
        QStringList arguments;
        int exitCode;
        QString said;
    };
    const Row rows[] = {
        {{"--add", good}, 0, "added as cane.jpg"},
        {{"--add", good, broken, "--theme", "animali"}, 1, "rotto.jpg: refused"},
        {{"--add", good}, 1, "--replace"},
        {{"--add", other, "--word", "Micio", "--theme", "animali"}, 0, "added as animali/micio.jpg"},
        {{"--export", archive}, 0, "lista.brindolo"},
        {{"--import", archive}, 1, "in the list already"},
        {{"--import", archive, "--replace"}, 0, "animali/micio.jpg: added"},
        {{"--add", good, "--pictures", BRINDOLO_BINARY_DIR "/bin/immagini"}, 1, "shipped"},
        {{"--add", good, other, "--word", "x"}, 2, "--word"},
    };
    for (const Row& row : rows) {
        const Outcome run = brindolo(row.arguments, data);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.arguments.join(' ').toStdString() << run.err.toStdString();
        EXPECT_TRUE((run.out + run.err).contains(row.said)) << (run.out + run.err).toStdString();
    }
    EXPECT_EQ(listed(data + "/brindolo/immagini"),
              QStringList({"animali/", "animali/cane.jpg", "animali/micio.jpg", "cane.jpg"}));
}

}  // namespace
}  // namespace brindolo::testing
