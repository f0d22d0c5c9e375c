// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/language_list.h"
#include "i18n/small_form.h"
#include "system/file_errors.h"
#include "system/text_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cerrno>
#include <sys/stat.h>

namespace brindolo {
namespace {

TEST(LanguageList, LinesEndAtCarriageReturnsOnly)
{
    EXPECT_EQ(parseLanguageList("italiano\r\nEnglish\r\n"), (QStringList{"italiano", "English"}));
    EXPECT_EQ(parseLanguageList("italiano\nEnglish\n"), QStringList{"italiano\nEnglish\n"});
    EXPECT_EQ(parseLanguageList("a\r\rb\r\n\r\n"), (QStringList{"a", "", "b", ""}));
    EXPECT_EQ(parseLanguageList("a\r\n\nb"), (QStringList{"a", "\nb"}));
    EXPECT_EQ(parseLanguageList(" a \rb"), (QStringList{" a ", "b"}));
    EXPECT_EQ(parseLanguageList(""), QStringList{""});
    EXPECT_EQ(parseLanguageList("\r\n"), QStringList{""});
}

TEST(LanguageList, Code26EndsTheFileAndTextIsUtf8OrWindows1252)
{
    EXPECT_EQ(parseLanguageList("a\r\nb\x1A" "c\r\nd"), (QStringList{"a", "b"}));
    EXPECT_EQ(parseLanguageList("\x1A" "a"), QStringList{""});
    // The byte after code 26 does not spoil the UTF-8 before it.
    EXPECT_EQ(parseLanguageList("fran\xC3\xA7" "ais\x1A\xFF"), QStringList{QString::fromUtf8("français")});
    EXPECT_EQ(parseLanguageList("fran\xE7" "ais\r\nespa\xF1ol"),
              (QStringList{QString::fromUtf8("français"), QString::fromUtf8("español")}));
}

TEST(LanguageList, HugeFilesAreReadWhole)
{
    QByteArray manyLines;
    for (int i = 0; i < 1000000; ++i)
        manyLines += "x\r\n";
    const QStringList many = parseLanguageList(manyLines);
    EXPECT_EQ(many.size(), 1000000);

    const QStringList one = parseLanguageList(QByteArray(10 << 20, 'y'));
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one[0].size(), 10 << 20);
}

TEST(LanguageList, FailuresToOpenNameTheirCause)
{
    QTemporaryDir dir;
    const std::string folder = testing::folderOf(dir);
    auto messageFor = [](const std::string& path) -> std::string {
        try {
            readLanguageList(path);
        } catch (const EInOutError& error) {
            return error.what() + std::string(" ") + std::to_string(error.errorCode());
        }
        return "read";
    };
    EXPECT_EQ(messageFor(folder + "lingue.txt"), "File not found " + std::to_string(ENOENT));
    EXPECT_EQ(messageFor(folder + "missing/lingue.txt"), "Invalid filename " + std::to_string(ENOENT));
    testing::writeFile(dir, "plain", "x");
    EXPECT_EQ(messageFor(folder + "plain/lingue.txt"), "Invalid filename " + std::to_string(ENOTDIR));
    EXPECT_EQ(messageFor(folder), "I/O error " + std::to_string(EISDIR) + " " + std::to_string(EISDIR));
    // Files no language list is are refused by name before they are read:
    // a pipe would wait for ever, /dev/zero would fill the memory.
    ASSERT_EQ(::mkfifo((folder + "pipe").c_str(), 0600), 0);
    EXPECT_EQ(messageFor(folder + "pipe"), folder + "pipe is not a regular file " + std::to_string(ENODEV));
    testing::writeFile(dir, "large", QByteArray(kMaxTextFileBytes + 1, '\n'));
    EXPECT_EQ(messageFor(folder + "large"), folder + "large is larger than 1 MiB " + std::to_string(EFBIG));

    // Causes a test cannot bring about as the superuser it may run as.
    EXPECT_EQ(fileErrorMessage(EACCES, "/x"), "File access denied");
    EXPECT_EQ(fileErrorMessage(EPERM, "/x"), "File access denied");
    EXPECT_EQ(fileErrorMessage(EMFILE, "/x"), "Too many open files");
    EXPECT_EQ(fileErrorMessage(ENFILE, "/x"), "Too many open files");
}

}  // namespace
}  // namespace brindolo
