// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/clock_random.h"

#include <gtest/gtest.h>

#include <set>

namespace brindolo {
namespace {

// The program's random source, seeded from the time of day: its draws must
// reach every value and never leave the range asked for.
TEST(ClockRandom, StaysInRangeAndReachesEveryValue)
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
}

}  // namespace
}  // namespace brindolo
