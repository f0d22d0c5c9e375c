// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/clock_random.h"

#include <gtest/gtest.h>

#include <set>

namespace brindolo {
namespace {

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
