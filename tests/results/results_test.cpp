// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a game's result records, and its line in a pupil's results file.

#include "game/clock_random.h"
#include "game/game.h"
#include "game/name_catalogue.h"
#include "results/class_summary.h"
#include "results/practice.h"
#include "results/game_tally.h"
#include "results/results_csv.h"
#include "results/results_file.h"
#include "results/results_writer.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace brindolo {
namespace {

using namespace std::chrono_literals;

TEST(GameTally, CountsWrongDropsFindsAndTheTimeToTheLastFind)
{
    std::chrono::system_clock::time_point now{1000s};
    GameTally tally([&] { return now; });
    tally.dropped(1, true, "");
    EXPECT_FALSE(tally.take()) << "nothing before a deal";

    tally.dealt("animali", {"cane", "gatto", "Mucca", "oca", "ape", "topo", "lupo", "orso", "rana", "pesce"});
    tally.dropped(2, false, "ACEN");  // the letters of cane on the picture of gatto
    now += 7s;
    tally.dropped(1, true, "");
    now += 5s;
    tally.dropped(3, true, "");
    tally.dropped(3, true, "");  // a slot counts once
    now += 30s;
    tally.dropped(4, false, "accmu");
    const std::optional<GameResult> result = tally.take();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->dealt, std::chrono::system_clock::time_point{1000s});
    EXPECT_EQ(result->wordList, "animali");
    EXPECT_EQ(std::tie(result->found, result->wrongDrops, result->seconds),
              std::make_tuple(2, 2, std::optional<int>(12)));
    EXPECT_EQ(result->missed, (std::vector<std::string>{"gatto", "oca", "ape", "topo", "lupo", "orso", "rana", "pesce"}));
    EXPECT_EQ(result->words.size(), 10u);
    EXPECT_EQ(result->mixUps,
              (std::vector<std::pair<std::string, std::string>>{{"cane", "gatto"}, {"Mucca", "oca"}}));
    EXPECT_FALSE(tally.take()) << "a game is recorded once";

    tally.dealt("animali", {});
    EXPECT_EQ(tally.take()->seconds, std::nullopt) << "no time without a find";
}

TEST(ResultsCsv, LinesReadBackFieldForField)
{
    ::setenv("TZ", "CET", 1);
    ::tzset();
    const GameResult result{std::chrono::system_clock::time_point{1772439300s}, "a \"b\", c", 8, 3, 95,
                            {"città", "x,y"}, {"città", "cane"}, {{"cane", "città"}, {"città", "cane"}}};
    const std::string text = resultsHeader() + resultsLine(result) + "\"open\n";
    EXPECT_EQ(resultsLine(result), "2026-03-02T09:15:00+01:00,\"a \"\"b\"\", c\",8,3,95,\"città, x,y\",\"città, cane\","
                                   "\"cane>città, città>cane\"\n");
    CsvReader reader(text);
    std::vector<CsvRecord> records;
    while (std::optional<CsvRecord> record = reader.next())
        records.push_back(std::move(*record));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"date", "word list", "words found", "wrong drops",
                                                            "seconds", "words not found", "words dealt", "mix-ups"}));
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[1].fields[1], "a \"b\", c");
    EXPECT_EQ(splitWords(records[1].fields[5]), (std::vector<std::string>{"città", "x,y"}));
    EXPECT_EQ(records[2].line, 3);
    EXPECT_STREQ(records[2].broken, "a quote that does not close");
}

// A file begun before the words dealt and the mix-ups keeps its six-column
// header and takes the newer lines with their two fields more; a file begun
// with them has them by name, in any order.
TEST(ResultsCsv, OldAndNewLinesReadFromOneFile)
{
    const std::string oldHeader = "date,word list,words found,wrong drops,seconds,words not found\n";
    const std::string newLine = "2026-03-03T10:00:00+01:00,animali,9,1,50,oca,\"oca, cane\",cane>oca\n";
    struct Row {
        const char* what;
        std::string text;
        std::vector<std::string> words;
        std::vector<std::pair<std::string, std::string>> mixUps;
    };
    const std::vector<Row> rows{
        {"an old line", oldHeader + "2026-03-02T09:15:00+01:00,animali,9,1,50,oca\n", {}, {}},
        {"a new line under the old header", oldHeader + newLine, {"oca", "cane"}, {{"cane", "oca"}}},
        {"a new file", resultsHeader() + newLine, {"oca", "cane"}, {{"cane", "oca"}}},
        {"columns in another order",
         "mix-ups,words dealt,words not found,seconds,wrong drops,words found\ncane>oca,\"oca, cane\",oca,50,1,9\n",
         {"oca", "cane"},
         {{"cane", "oca"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<GameLine> games;
        readGameLines(
            row.text, [&](GameLine&& game) { games.push_back(std::move(game)); },
            [](int line, const char* why) { ADD_FAILURE() << line << ": " << why; });
        ASSERT_EQ(games.size(), 1u);
        EXPECT_EQ(std::tie(games[0].found, games[0].wrongDrops, games[0].seconds, games[0].missed),
                  std::make_tuple(9, 1, std::optional<int>(50), std::vector<std::string>{"oca"}));
        EXPECT_EQ(games[0].words, row.words);
        EXPECT_EQ(games[0].mixUps, row.mixUps);
    }
}

// The words a deal begins with: those missed, the most recent first, until a
// later game dealt them and they were found; a word the list lacks is passed
// over, and the deal fills up by its rules.
TEST(Practice, DealsBeginWithTheWordsMissedUntilFound)
{
    const std::string text = "date,word list,words found,wrong drops,seconds,words not found\n"
                             "2026-03-01T09:00:00+01:00,animali,8,0,50,\"gatto, oca\"\n"
                             "2026-03-02T09:00:00+01:00,animali,9,1,50,cane,\"gatto, cane, lupo\",gatto>cane\n"
                             "2026-03-02T09:00:00+01:00,animali,x,1,50,cane,\"\",\n"
                             "2026-03-03T09:00:00+01:00,animali,8,0,50,\"zebra, ape\",\"zebra, ape, cane\",\n";
    const std::vector<std::string> practice = wordsToPractise(text);
    EXPECT_EQ(practice, (std::vector<std::string>{"zebra", "ape", "oca"}));

    std::vector<std::string> names{"animali/Ape.jpg", "animali/oca.jpg", "animali/cane.jpg"};
    for (int n = 0; n < 12; ++n)
        names.push_back("animali/w" + std::to_string(n) + ".jpg");
    const NameCatalogue catalogue(names);
    SeededRandom random(5);
    for (const bool repeats : {true, false}) {
        const auto dealt = dealWords(catalogue, random, {0, repeats}, {practice, kPracticeWords});
        EXPECT_EQ(dealt[0], "animali/Ape.jpg");
        EXPECT_EQ(dealt[1], "animali/oca.jpg");
        if (!repeats)
            EXPECT_EQ(std::set<std::string>(dealt.begin(), dealt.end()).size(), 10u);
    }
    SeededRandom seeded(9), again(9);
    EXPECT_EQ(dealWords(catalogue, seeded, {0, false}, {practice, 0}), dealWords(catalogue, again, {0, false}));
    EXPECT_EQ(dealWords(catalogue, random, {3, false}, {practice, kPracticeWords})[0], "animali/Ape.jpg");
}

}  // namespace
}  // namespace brindolo

namespace brindolo {
namespace {

struct Printed {
    int unreadable = 0;
    std::string out;
    std::string err;
};

Printed summaryOf(const std::string& folder)
{
    char* out = nullptr;
    char* err = nullptr;
    size_t outSize = 0, errSize = 0;
    std::FILE* outFile = ::open_memstream(&out, &outSize);
    std::FILE* errFile = ::open_memstream(&err, &errSize);
    Printed printed;
    printed.unreadable = printClassSummary(folder, outFile, errFile);
    std::fclose(outFile);
    std::fclose(errFile);
    printed.out = out;
    printed.err = err;
    std::free(out);
    std::free(err);
    return printed;
}

// What a pupil can plant in a folder the whole class writes to: each is left
// out and named on the error output, and the table still gives the class.
TEST(ClassSummary, PlantedFilesAreNamedAndLeftOut)
{
    const std::string me = loginName();
    // A real login that is not the one running the tests.
    const std::string other = ::geteuid() == 0 ? "daemon" : "root";
    const std::string header = "date,word list,words found,wrong drops,seconds,words not found\n";
    const std::string game = "2026-03-02T09:15:00+01:00,animali,3,5,40,\"gatto, oca\"\n";
    const std::string hugeCount = "2026-03-02T09:15:00+01:00,animali,2147483647,2147483647,2147483647,\n";
    const auto write = [](const std::string& path, const std::string& text) { std::ofstream(path) << text; };
    struct Row {
        const char* what;
        std::function<void(const std::string& folder)> plant;
        std::string err;  // a line the error output holds, after the folder's name
        std::string out;  // a text the table holds
        bool meCounted = true;
    };
    const std::string secret = ::testing::TempDir() + "summary_secret.csv";
    write(secret, header + "2026-03-02T09:15:00+01:00,animali,3,5,40,SECRET\n");
    ::chmod(secret.c_str(), 0600);
    const std::vector<Row> rows{
        {"a named pipe that never answers",
         [&](const std::string& folder) { ::mkfifo((folder + "/" + other + ".csv").c_str(), 0666); },
         "/" + other + ".csv: skipped: not a regular file\n"},
        {"a folder under a classmate's login",
         [&](const std::string& folder) { std::filesystem::create_directory(folder + "/" + other + ".csv"); },
         "/" + other + ".csv: skipped: not a regular file\n"},
        {"a link to an endless device",
         [&](const std::string& folder) { std::filesystem::create_symlink("/dev/zero", folder + "/" + other + ".csv"); },
         "/" + other + ".csv: skipped: a link, which is never followed\n"},
        {"a link to the teacher's own file",
         [&](const std::string& folder) { std::filesystem::create_symlink(secret, folder + "/" + other + ".csv"); },
         "/" + other + ".csv: skipped: a link, which is never followed\n"},
        {"a file under a classmate's login",
         [&](const std::string& folder) { write(folder + "/" + other + ".csv", header + game); },
         "/" + other + ".csv: skipped: belongs to " + me + ", not to " + other + "\n"},
        {"a file larger than any year of games",
         [&](const std::string& folder) {
             write(folder + "/" + me + ".csv", header);
             std::filesystem::resize_file(folder + "/" + me + ".csv", kMostResultsFileBytes + 1);
         },
         "/" + me + ".csv: skipped: larger than 16 MiB, which no results file is\n", "", false},
        {"a line longer than any game's",
         [&](const std::string& folder) {
             write(folder + "/" + me + ".csv", header + game + "2026," + std::string(kMostRecordBytes, 'x') + '\n' + game);
         },
         "/" + me + ".csv:3: a line longer than 64 KiB; skipped\n"},
        {"counts that would overflow a total",
         [&](const std::string& folder) { write(folder + "/" + me + ".csv", header + game + hugeCount + hugeCount); },
         "/" + me + ".csv:3: a count outside a game's range; skipped\n"},
        {"control bytes in a file name", [&](const std::string& folder) { write(folder + "/\033]0;x\007.csv", ""); },
         "/\\x1b]0;x\\x07.csv: skipped: no login of that name\n"},
        {"control bytes in a pupil's words",
         [&](const std::string& folder) {
             write(folder + "/" + me + ".csv", header + "2026-03-02T09:15:00+01:00,animali,9,0,40,\033]0;x\007\n");
         },
         "", "\\x1b]0;x\\x07 (1)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string folder = ::testing::TempDir() + "summary_planted";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
        if (!std::filesystem::exists(folder + "/" + me + ".csv"))
            write(folder + "/" + me + ".csv", header + game);
        row.plant(folder);
        const Printed printed = summaryOf(folder);
        EXPECT_EQ(printed.err.find(folder + row.err) != std::string::npos, !row.err.empty()) << printed.err;
        EXPECT_EQ(printed.unreadable >= 1, !row.err.empty());
        EXPECT_NE(printed.out.find(row.out), std::string::npos) << printed.out;
        EXPECT_EQ(printed.out.find("SECRET"), std::string::npos) << printed.out;
        EXPECT_EQ(printed.out.find_first_of("\033\007"), std::string::npos);
        EXPECT_EQ(printed.err.find_first_of("\033\007"), std::string::npos);
        const std::regex pupilRow("\n" + me + " +[0-9]+ +[0-9]+ +[0-9]+ ");
        EXPECT_EQ(std::regex_search(printed.out, pupilRow), row.meCounted) << printed.out;
    }
    std::filesystem::remove(secret);
}

}  // namespace
}  // namespace brindolo
