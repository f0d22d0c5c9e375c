// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What writing a file the user named may and may not replace.

#include "system/errors.h"
#include "system/output_file.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace brindolo {
namespace {

QByteArray contents(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeWhole(const std::string& path, const std::string& text)
{
    OutputFile file(path);
    file.write(text.data(), text.size());
    file.commit();
}

// A regular file is replaced whole or not at all; what is not a regular file
// is written into, never replaced.
TEST(OutputFile, ReplacesRegularFilesWholeAndWritesIntoPipesAndDevices)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    writeWhole(folder + "sheet", "old");
    {
        OutputFile unfinished(folder + "sheet");
        unfinished.write("new", 3);
    }
    EXPECT_EQ(contents(folder + "sheet"), "old") << "left as it was without commit";
    writeWhole(folder + "sheet", "new");
    EXPECT_EQ(contents(folder + "sheet"), "new");

    ASSERT_EQ(::mkfifo((folder + "queue").c_str(), 0600), 0);
    QByteArray heard;
    std::thread reader([&] { heard = contents(folder + "queue"); });
    writeWhole(folder + "queue", "a whole sheet");
    reader.join();
    EXPECT_EQ(heard, "a whole sheet");
    struct stat status {};
    ASSERT_EQ(::stat((folder + "queue").c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "still the pipe the print queue reads";

    // A copy of /dev/full, where the system lets us make one.
    if (::mknod((folder + "full").c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0) {
        EXPECT_THROW(writeWhole(folder + "full", "x"), Exception);
        ASSERT_EQ(::stat((folder + "full").c_str(), &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size(),
              ::access((folder + "full").c_str(), F_OK) == 0 ? 3 : 2)
        << "no temporary file left behind";
}

// Another user's link in a folder everyone may write to is not followed; the
// user's own link is written through.
TEST(OutputFile, FollowsALinkInASharedFolderOnlyWhenItIsNotPlanted)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    const std::string shared = folder + "tmp/";
    ASSERT_EQ(::mkdir(shared.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    writeWhole(folder + "bashrc", "mine");
    ASSERT_EQ(::symlink((folder + "bashrc").c_str(), (shared + "sheet.pdf").c_str()), 0);

    writeWhole(shared + "sheet.pdf", "own link");
    EXPECT_EQ(contents(folder + "bashrc"), "own link");

    if (::lchown((shared + "sheet.pdf").c_str(), ::geteuid() + 1000, static_cast<gid_t>(-1)) != 0)
        GTEST_SKIP() << "only the superuser can give a link to another user";
    try {
        writeWhole(shared + "sheet.pdf", "planted");
        FAIL() << "written through another user's link";
    } catch (const Exception& error) {
        EXPECT_NE(std::string(error.what()).find(shared + "sheet.pdf is a link"), std::string::npos) << error.what();
    }
    EXPECT_EQ(contents(folder + "bashrc"), "own link");
}

}  // namespace
}  // namespace brindolo
