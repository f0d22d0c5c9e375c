// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The jpeg2bmp tool: the control's decode step on the command line.

#include "picture_support.h"
#include "support/exif_orientation.h"

#include <QDir>
#include <QFileInfo>

namespace brindolo::test {
namespace {

const QString tool = BRINDOLO_BINARY_DIR "/bin/jpeg2bmp";

TEST(Jpeg2bmp, WritesWhatDjpegWritesWithTheMatchingSwitches)
{
    PictureFolder folder;
    const QString in = QString::fromStdString(corpus("testorig.jpg"));
    const struct {
        QStringList ours;
        QStringList djpeg;
    } cases[] = {
        {{}, {"-colors", "256"}},
        {{"--colors", "16", "--dither", "ordered"}, {"-colors", "16", "-dither", "ordered"}},
        {{"--colors", "truecolor", "--grayscale"}, {"-grayscale"}},
        {{"--onepass", "--nosmooth", "--dct", "float", "--dither", "none"},
         {"-colors", "256", "-dct", "float", "-dither", "none", "-nosmooth", "-onepass"}},
        {{"--fast", "--colors", "truecolor", "--progress-step", "7"}, {"-fast"}},
        {{"--scale", "3/8"}, {"-colors", "256", "-scale", "3/8"}},
        {{"--scale", "3/4", "--colors", "truecolor"}, {"-scale", "3/4"}},
    };
    for (const auto& c : cases) {
        const ProgramResult ours = runProgram(tool, QStringList(c.ours) << in << folder.path("ours.bmp"));
        EXPECT_EQ(ours.exitCode, 0) << ours.standardError.toStdString();
        // 149 rows: the whole percentages that are multiples of 7 reached exactly.
        const char* progress = "7%\n14%\n21%\n28%\n35%\n42%\n49%\n56%\n63%\n70%\n77%\n84%\n91%\n98%\n";
        EXPECT_EQ(ours.standardError.toStdString(), c.ours.contains("--progress-step") ? progress : "");
        EXPECT_EQ(runProgram("djpeg", QStringList(c.djpeg) << "-bmp" << "-outfile" << folder.path("djpeg.bmp") << in)
                      .exitCode,
                  0);
        EXPECT_EQ(readBytes(folder.file("ours.bmp")), readBytes(folder.file("djpeg.bmp")))
            << c.ours.join(' ').toStdString();
    }

    // "-" is standard input and standard output, as for djpeg.
    const QString piped = "\"$0\" --scale 3/4 --colors truecolor - - < \"$1\" > \"$2\"";
    EXPECT_EQ(runProgram("/bin/sh", {"-c", piped, tool, in, folder.path("piped.bmp")}).exitCode, 0);
    EXPECT_EQ(readBytes(folder.file("piped.bmp")), readBytes(folder.file("djpeg.bmp")));

    // A phone photo's orientation tag changes nothing here: djpeg's bytes.
    writeBytes(folder.file("turned.jpg"), withExifOrientation(readBytes(corpus("testorig.jpg")), {.value = 6}));
    EXPECT_EQ(runProgram(tool, {folder.path("turned.jpg"), folder.path("ours.bmp")}).exitCode, 0);
    EXPECT_EQ(runProgram("djpeg", {"-colors", "256", "-bmp", "-outfile", folder.path("djpeg.bmp"), folder.path("turned.jpg")})
                  .exitCode,
              0);
    EXPECT_EQ(readBytes(folder.file("ours.bmp")), readBytes(folder.file("djpeg.bmp")));
}

TEST(Jpeg2bmp, FailurePrintsTheMessageAloneAndWritesNothing)
{
    QTemporaryDir dir;
    std::vector<std::uint8_t> truncated = readBytes(corpus("testorig.jpg"));
    truncated.resize(2000);
    writeBytes(dir.filePath("truncated.jpg").toStdString(), truncated);

    ProgramResult result = runProgram(tool, {dir.filePath("truncated.jpg"), dir.filePath("out.bmp")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.standardError.toStdString(), "Premature end of JPEG file\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"truncated.jpg"});

    // An existing output file is left as it was.
    writeBytes(dir.filePath("out.bmp").toStdString(), {'o', 'l', 'd'});
    result = runProgram(tool, {dir.filePath("missing.jpg"), dir.filePath("out.bmp")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.standardError.toStdString(), "Cannot open file " + dir.filePath("missing.jpg").toStdString() + "\n");
    EXPECT_EQ(readBytes(dir.filePath("out.bmp").toStdString()), (std::vector<std::uint8_t>{'o', 'l', 'd'}));

    QFile huge(dir.filePath("huge.jpg"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64{256 << 20} + 1));
    result = runProgram(tool, {huge.fileName(), dir.filePath("out.bmp")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.standardError.toStdString(),
              "Cannot open file " + huge.fileName().toStdString() + ": larger than 256 MiB\n");

    for (const QStringList& wrong : {QStringList{"--colors", "17"}, {"--scale", "0/8"}, {"--scale", "1/17"},
                                     {"--scale", "1/2x"}, {"--scale", "2"}, {"--scale", "-1/8"}}) {
        result = runProgram(tool, QStringList(wrong) << dir.filePath("truncated.jpg") << dir.filePath("out.bmp"));
        EXPECT_EQ(result.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(result.standardError.startsWith("usage: jpeg2bmp"));
    }
}

TEST(Jpeg2bmp, EmptyInputIsAnEmptyPicture)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("empty.jpg").toStdString(), {});
    const ProgramResult result = runProgram(tool, {dir.filePath("empty.jpg"), dir.filePath("out.bmp")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("out.bmp")));
    EXPECT_EQ(QFileInfo(dir.filePath("out.bmp")).size(), 0);
}

}  // namespace
}  // namespace brindolo::test
