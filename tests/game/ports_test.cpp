// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/clock_random.h"
#include "support/memory_board.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace brindolo {
namespace {

TEST(MemoryBoard, StartsAsTheWindowDoesAndKnowsOnlyItsPanels)
{
    MemoryBoard board;
    EXPECT_FALSE(board.panel(1).enabled);
    EXPECT_FALSE(board.panel(20).enabled);
    EXPECT_FALSE(board.panel(25).visible);
    EXPECT_TRUE(board.panel(35).visible);
    EXPECT_TRUE(board.caseBoxChecked());
    EXPECT_EQ(board.containerSize(), (PictureSize{321, 318}));
    EXPECT_EQ(board.loadPicture("x.jpg"), (PictureSize{0, 0}));
    for (const char* name : {"Panel0", "Panel36", "Panel", "Panel01", "Panel3x", "panel3", "Esci"})
        EXPECT_THROW(board.text(name), std::out_of_range) << name;
}

TEST(RandomSources, ClockRandomStaysInRangeAndScriptsPlayBack)
{
    ClockRandom clock;
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        const int value = clock.uniform(5);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 5);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 5u);
    EXPECT_EQ(clock.uniform(1), 0);

    ScriptedRandom scripted({7, -1});
    EXPECT_EQ(scripted.uniform(5), 2);
    EXPECT_EQ(scripted.uniform(5), 4);
    EXPECT_EQ(scripted.uniform(5), 0);
}

}  // namespace
}  // namespace brindolo
