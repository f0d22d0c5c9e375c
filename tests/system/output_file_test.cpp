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
#include <functional>
#include <pwd.h>
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

// What another user left in a shared folder with the sticky bit, reached by
// every way a path can reach it, is refused by name and owner; a device
// there and a name as long as a name may be are written.
TEST(OutputFile, RefusesWhatAnotherUserPlantedInASharedFolder)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give files to another user";
    uid_t stranger = 40000;
    while (::getpwuid(stranger))
        ++stranger;
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    const std::string shared = folder + "tmp/";
    ASSERT_EQ(::mkdir(shared.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    ASSERT_EQ(::mkdir((folder + "docs").c_str(), 0755), 0);
    const std::string notes = folder + "docs/notes.pdf";
    writeWhole(notes, "teacher's");
    const auto plant = [&](const std::string& path) { ASSERT_EQ(::lchown(path.c_str(), stranger, gid_t(-1)), 0); };

    ASSERT_EQ(::mkfifo((shared + "queue").c_str(), 0666), 0);
    plant(shared + "queue");
    // Someone listening, so that a wrong open does not wait for ever.
    const int listener = ::open((shared + "queue").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(listener, 0);
    const auto heard = [listener] {
        char bytes[64];
        const ssize_t size = ::read(listener, bytes, sizeof bytes);
        return QByteArray(bytes, size > 0 ? int(size) : 0);
    };
    writeWhole(shared + "sheet.pdf", "stranger's");
    plant(shared + "sheet.pdf");
    ASSERT_EQ(::symlink((folder + "docs").c_str(), (shared + "work").c_str()), 0);
    plant(shared + "work");
    ASSERT_EQ(::symlink((shared + "planted").c_str(), (shared + "own").c_str()), 0);
    ASSERT_EQ(::symlink(notes.c_str(), (shared + "planted").c_str()), 0);
    plant(shared + "planted");
    std::string device = "/dev/null";
    if (::mknod((shared + "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        plant(shared + "null");
        device = shared + "null";
    }
    const std::string longName = folder + std::string(250, 'n');

    const struct {
        std::string written;            // the name the user gives
        std::string planted;            // named in the refusal; empty: written
        std::function<QByteArray()> landed;  // where the bytes would go
        QByteArray expected;
    } cases[] = {
        {shared + "queue", shared + "queue", heard, ""},
        {shared + "sheet.pdf", shared + "sheet.pdf", [&] { return contents(shared + "sheet.pdf"); }, "stranger's"},
        {shared + "work/notes.pdf", shared + "work", [&] { return contents(notes); }, "teacher's"},
        {shared + "own", shared + "planted", [&] { return contents(notes); }, "teacher's"},
        {device, "", [] { return QByteArray("written"); }, "written"},
        {longName, "", [&] { return contents(longName); }, "sheet"},
    };
    for (const auto& c : cases) {
        try {
            writeWhole(c.written, "sheet");
            EXPECT_TRUE(c.planted.empty()) << "written into " << c.planted;
        } catch (const Exception& error) {
            const std::string message = error.what();
            EXPECT_TRUE(!c.planted.empty() && message.find(c.planted + " is a") != std::string::npos
                        && message.find("uid " + std::to_string(stranger)) != std::string::npos)
                << message;
        }
        EXPECT_EQ(c.landed(), c.expected) << c.written;
    }
    ::close(listener);

    ASSERT_EQ(::symlink((shared + "loop").c_str(), (shared + "loop").c_str()), 0);
    EXPECT_THROW(writeWhole(shared + "loop", "sheet"), Exception);
}

}  // namespace
}  // namespace brindolo
