// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/clock_random.h"

#include <chrono>

namespace brindolo {

ClockRandom::ClockRandom()
{
    reseed();
}

void ClockRandom::reseed()
{
    // Nanoseconds, so that the two re-seedings of one start of a game, a few
    // microseconds apart, still give different sequences.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = static_cast<unsigned long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    std::seed_seq seed{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32)};
    engine_.seed(seed);
}

namespace {

int uniformFrom(std::mt19937& engine, int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine);
}

}  // namespace

int ClockRandom::uniform(int n)
{
    return uniformFrom(engine_, n);
}

int SeededRandom::uniform(int n)
{
    return uniformFrom(engine_, n);
}

}  // namespace brindolo
