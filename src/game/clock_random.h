// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/ports.h"

#include <cstdint>
#include <random>

namespace brindolo {

// The program's generator: Mersenne Twister re-seeded from the time of day.
class ClockRandom : public RandomSource {
public:
    ClockRandom();
    void reseed() override;
    int uniform(int n) override;

private:
    std::mt19937 engine_;
};

// A generator started from a given number: the same number deals the same
// words again, so a printed worksheet can be printed once more. Re-seeding
// goes on with the same sequence, which a deal from the clock never repeats.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    void reseed() override {}
    int uniform(int n) override;

private:
    std::mt19937 engine_;
};

}  // namespace brindolo
