// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/collation.h"
#include "system/directory_search.h"
#include "system/errors.h"
#include "system/language_names.h"
#include "system/line_appender.h"
#include "system/module_loader.h"
#include "system/program_folder.h"
#include "system/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sys/resource.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brindolo {
namespace {

std::vector<std::string> pieces(std::string_view text)
{
    std::vector<std::string> result;
    for (const Utf8Character& character : utf8Characters(text))
        result.emplace_back(character.bytes);
    return result;
}

TEST(Utf8, CharactersAreCodePointsAndStrayBytesStandAlone)
{
    EXPECT_EQ(pieces("città"), (std::vector<std::string>{"c", "i", "t", "t", "à"}));
    EXPECT_EQ(pieces("\xF0\x9F\x90\xB1!"), (std::vector<std::string>{"\xF0\x9F\x90\xB1", "!"}));
    // Overlong, truncated, surrogate and past-Unicode sequences: one byte each.
    EXPECT_EQ(pieces("\xC0\xAF"), (std::vector<std::string>{"\xC0", "\xAF"}));
    EXPECT_EQ(pieces("\xE2\x82"), (std::vector<std::string>{"\xE2", "\x82"}));
    EXPECT_EQ(pieces("\xED\xA0\x80").size(), 3u);
    EXPECT_EQ(pieces("\xF4\x90\x80\x80").size(), 4u);
    EXPECT_EQ(pieces("\xE2\x82" "a"), (std::vector<std::string>{"\xE2", "\x82", "a"}));
    EXPECT_EQ(utf8FirstCharacter("àpe"), "à");
    EXPECT_EQ(utf8FirstCharacter(""), "");
}

TEST(Collation, LettersIgnoreCaseAndAccentsStandBesideTheirBase)
{
    EXPECT_EQ(sortCharacters("zyxCBAcba"), "AaBbCcxyz");
    EXPECT_EQ(sortCharacters("bÀàa"), "aÀàb");
    EXPECT_EQ(sortCharacters("óoòpn"), "noòóp");
    EXPECT_EQ(sortCharacters("pøo"), "oøp");
    // Not letters first, stray bytes last.
    EXPECT_EQ(sortCharacters("a\xFF" "1 -b"), " -1ab\xFF");
    // A total order: every permutation of a text gives the same result.
    const std::string first = sortCharacters("aÀbBà1");
    EXPECT_EQ(sortCharacters("Bà1baÀ"), first);
    EXPECT_EQ(sortCharacters("1ÀàBba"), first);
}

TEST(DirectorySearch, WildcardIgnoresAsciiCaseOnly)
{
    EXPECT_TRUE(wildcardMatch("*.jpg", "cat.jpg"));
    EXPECT_TRUE(wildcardMatch("*.jpg", "CAT.JPG"));
    EXPECT_TRUE(wildcardMatch("*.jpg", ".jpg"));
    EXPECT_TRUE(wildcardMatch("*.jpg", "a.jpg.jpg"));
    EXPECT_TRUE(wildcardMatch("*.jpg", "\xFF.jpg"));
    EXPECT_FALSE(wildcardMatch("*.jpg", "cat.jpgx"));
    EXPECT_FALSE(wildcardMatch("*.jpg", "jpg"));
    EXPECT_TRUE(wildcardMatch("*a*b?", "xaxaybz"));
    EXPECT_FALSE(wildcardMatch("*à", "À"));
    EXPECT_TRUE(wildcardMatch("", ""));
    EXPECT_FALSE(wildcardMatch("", "a"));
}

TEST(DirectorySearch, UnreadableFoldersGiveNothing)
{
    EXPECT_TRUE(searchDirectory("/no/such/folder", "*").empty());
    EXPECT_TRUE(searchDirectory("", "*").empty());
    EXPECT_TRUE(searchDirectory("/proc/self/exe", "*").empty());
    EXPECT_FALSE(folderHolds("/no/such/folder", "*"));
    EXPECT_FALSE(folderHolds("/proc/self/exe", "*"));
}

TEST(LanguageNames, AsTheLanguageListWritesThemOrByNameOrCode)
{
    EXPECT_EQ(languageNamed("italiano"), QLocale::Italian);
    EXPECT_EQ(languageNamed("english"), QLocale::English);
    EXPECT_EQ(languageNamed("Français"), QLocale::French);
    EXPECT_EQ(languageNamed("deutsch"), QLocale::German);
    EXPECT_EQ(languageNamed("español"), QLocale::Spanish);
    EXPECT_EQ(languageNamed("português"), QLocale::Portuguese);
    EXPECT_EQ(languageNamed("German"), QLocale::German);
    EXPECT_EQ(languageNamed("de"), QLocale::German);
    EXPECT_EQ(languageNamed("parziale"), QLocale::AnyLanguage);
    EXPECT_EQ(languageNamed(""), QLocale::AnyLanguage);
}

TEST(ProgramFolder, IsTheExecutablesFolder)
{
    const std::string folder = programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::equivalent(folder, std::filesystem::path(BRINDOLO_BINARY_DIR) / "tests"));
}

// A module stands in here as the C library under a module's name: what it
// has resolves; a module missing, not a library or without the entry point
// is an error naming the module, and its reason.
TEST(ModuleLoader, ResolvesEntryPointsOrSaysWhyNot)
{
    EXPECT_EQ(moduleFolder(), programFolder() + "modules/");
    // One folder per process: the sanitizer build's tests may run alongside.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("brindolo-module-test-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    Dl_info libc{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&std::strlen), &libc), 0);
    std::filesystem::create_symlink(libc.dli_fname, folder / "clib.so");
    std::ofstream(folder / "text.so") << "not a library";

    const auto strlenFunction = moduleFunction<size_t(const char*)>(folder, "clib", "strlen");
    ASSERT_NE(strlenFunction, nullptr);
    EXPECT_EQ(strlenFunction("città"), 6u);
    struct Failure {
        const char* module;
        const char* entryPoint;
        int errorCode;
        const char* message;
    };
    for (const Failure& failure : {Failure{"absent", "strlen", ENOENT, "^Cannot load module absent: .*/absent.so: No such file"},
                                   Failure{"text", "strlen", ENOEXEC, "Cannot load module text: .*text.so"},
                                   Failure{"clib", "no_such_entry", ENOEXEC, "Module clib has no no_such_entry: "}}) {
        try {
            moduleEntryPoint(folder, failure.module, failure.entryPoint);
            ADD_FAILURE() << failure.module << " loaded";
        } catch (const EInOutError& error) {
            EXPECT_TRUE(std::regex_search(error.what(), std::regex(failure.message))) << error.what();
            EXPECT_EQ(error.errorCode(), failure.errorCode) << failure.module;
        }
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace brindolo

namespace brindolo {
namespace {

std::vector<std::string> fileLines(const std::string& path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// Each line whole however many processes append at once, to their own files
// or to one; the header once, at the file's start.
TEST(LineAppender, ConcurrentWritersNeverInterleaveOrLoseLines)
{
    const std::string folder = ::testing::TempDir() + "appender_concurrent";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    const std::string filler(300, 'x');
    std::vector<pid_t> children;
    const auto spawn = [&](const std::string& name, int lines) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            const LineAppender appender(folder);
            for (int i = 0; i < lines; ++i)
                appender.append(name, "header\n", name + ' ' + std::to_string(i) + ' ' + filler + '\n');
            std::_Exit(0);
        }
        children.push_back(pid);
    };
    for (int pupil = 0; pupil < 30; ++pupil)
        spawn("pupil" + std::to_string(pupil) + ".csv", 100);
    spawn("twice.csv", 500);
    spawn("twice.csv", 500);
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::regex whole(R"(\S+\.csv \d+ x{300})");
    for (int pupil = 0; pupil <= 30; ++pupil) {
        const std::string name = pupil < 30 ? "pupil" + std::to_string(pupil) + ".csv" : "twice.csv";
        const std::vector<std::string> lines = fileLines(folder + '/' + name);
        ASSERT_EQ(lines.size(), pupil < 30 ? 101u : 1001u) << name;
        EXPECT_EQ(lines.front(), "header");
        EXPECT_EQ(std::count_if(lines.begin() + 1, lines.end(),
                                [&](const std::string& line) { return std::regex_match(line, whole); }),
                  static_cast<long>(lines.size() - 1));
    }
    struct stat status {};
    ASSERT_EQ(::stat((folder + "/pupil0.csv").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640 & ~[] { const mode_t mask = ::umask(0); ::umask(mask); return mask; }());
    std::filesystem::remove_all(folder);
}

// A failure is thrown, never half a line left for the next to run into.
TEST(LineAppender, FailuresThrowAndLeaveTheFileWhole)
{
    const std::string folder = ::testing::TempDir() + "appender_failures";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    EXPECT_THROW(LineAppender(folder + "/missing"), EInOutError);
    const LineAppender appender(folder);
    std::filesystem::create_symlink(folder + "/target.csv", folder + "/planted.csv");
    EXPECT_THROW(appender.append("planted.csv", "", "line\n"), EInOutError);
    EXPECT_FALSE(std::filesystem::exists(folder + "/target.csv"));
    EXPECT_THROW(appender.append("../escape.csv", "", "line\n"), EInOutError);
    ::mkfifo((folder + "/fifo.csv").c_str(), 0600);
    EXPECT_THROW(appender.append("fifo.csv", "", "line\n"), EInOutError);

    // A disk that fills in the middle of a line, as a file size limit does.
    appender.append("full.csv", "header\n", "first\n");
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            appender.append("full.csv", "header\n", "a line longer than the limit\n");
        } catch (const EInOutError&) {
            std::_Exit(0);
        }
        std::_Exit(1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(fileLines(folder + "/full.csv"), (std::vector<std::string>{"header", "first"}));
    std::filesystem::remove_all(folder);
}

// A pupil who makes a classmate's file first, or holds a lock on it, gets
// none of their lines and never holds their window: the line is refused at
// once, or after a few tens of milliseconds.
TEST(LineAppender, ASquattedOrHeldFileIsRefusedWithoutWaiting)
{
    const std::string folder = ::testing::TempDir() + "appender_squatted";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    const LineAppender appender(folder);
    const auto appendTakes = [&](const std::string& name) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_THROW(appender.append(name, "header\n", "line\n"), EInOutError) << name;
        return std::chrono::steady_clock::now() - start;
    };

    appender.append("held.csv", "header\n", "first\n");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const int file = ::open((folder + "/held.csv").c_str(), O_RDONLY);
        ::flock(file, LOCK_EX);
        (void)!::write(ready[1], "x", 1);
        ::sleep(3);
        std::_Exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_LT(appendTakes("held.csv"), std::chrono::milliseconds(500));
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(fileLines(folder + "/held.csv"), (std::vector<std::string>{"header", "first"}));

    if (::geteuid() != 0)
        GTEST_SKIP() << "a file of another user is made by root only";
    const std::string squatted = folder + "/anna.csv";
    std::ofstream(squatted).flush();
    ASSERT_EQ(::chown(squatted.c_str(), 1, 1), 0);
    ::chmod(squatted.c_str(), 0666);
    appendTakes("anna.csv");
    EXPECT_EQ(std::filesystem::file_size(squatted), 0u);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace brindolo
