// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/ports.h"

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

}  // namespace brindolo
