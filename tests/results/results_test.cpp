// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a game's result records, and its line in a pupil's results file.

#include "results/game_tally.h"
#include "results/results_csv.h"

#include <gtest/gtest.h>
#include <cstdlib>

namespace brindolo {
namespace {

using namespace std::chrono_literals;

TEST(GameTally, CountsWrongDropsFindsAndTheTimeToTheLastFind)
{
    std::chrono::system_clock::time_point now{1000s};
    GameTally tally([&] { return now; });
    tally.dropped(1, true);
    EXPECT_FALSE(tally.take()) << "nothing before a deal";

    tally.dealt("animali", {"cane", "gatto", "Mucca", "oca", "ape", "topo", "lupo", "orso", "rana", "pesce"});
    tally.dropped(2, false);
    now += 7s;
    tally.dropped(1, true);
    now += 5s;
    tally.dropped(3, true);
    tally.dropped(3, true);  // a slot counts once
    now += 30s;
    tally.dropped(4, false);
    const std::optional<GameResult> result = tally.take();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->dealt, std::chrono::system_clock::time_point{1000s});
    EXPECT_EQ(result->wordList, "animali");
    EXPECT_EQ(std::tie(result->found, result->wrongDrops, result->seconds),
              std::make_tuple(2, 2, std::optional<int>(12)));
    EXPECT_EQ(result->missed, (std::vector<std::string>{"gatto", "oca", "ape", "topo", "lupo", "orso", "rana", "pesce"}));
    EXPECT_FALSE(tally.take()) << "a game is recorded once";

    tally.dealt("animali", {});
    EXPECT_EQ(tally.take()->seconds, std::nullopt) << "no time without a find";
}

TEST(ResultsCsv, LinesReadBackFieldForField)
{
    ::setenv("TZ", "CET", 1);
    ::tzset();
    const GameResult result{std::chrono::system_clock::time_point{1772439300s}, "a \"b\", c", 8, 3, 95,
                            {"città", "x,y"}};
    const std::string text = resultsHeader() + resultsLine(result) + "\"open\n";
    EXPECT_EQ(resultsLine(result), "2026-03-02T09:15:00+01:00,\"a \"\"b\"\", c\",8,3,95,\"città, x,y\"\n");
    std::vector<int> broken;
    const std::vector<CsvRecord> records = readCsv(text, broken);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"date", "word list", "words found", "wrong drops",
                                                            "seconds", "words not found"}));
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[1].fields[1], "a \"b\", c");
    EXPECT_EQ(splitWords(records[1].fields[5]), (std::vector<std::string>{"città", "x,y"}));
    EXPECT_EQ(broken, std::vector<int>{3});
}

}  // namespace
}  // namespace brindolo
