// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/ports.h"

#include <deque>
#include <string>
#include <vector>

namespace brindolo {

// A generator that plays back a script, for tests: each
// draw takes the next scripted value (reduced modulo n), or 0 once the script
// runs out. It records every call in order.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<int> script);

    void push(int value) { script_.push_back(value); }
    void reseed() override;
    int uniform(int n) override;

    int reseedCount() const { return reseeds_; }
    // "reseed" and "uniform(n)" entries, one per call.
    const std::vector<std::string>& calls() const { return calls_; }

private:
    std::deque<int> script_;
    int reseeds_ = 0;
    std::vector<std::string> calls_;
};

}  // namespace brindolo
