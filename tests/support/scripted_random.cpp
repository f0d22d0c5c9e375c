// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/scripted_random.h"

#include <string>

namespace brindolo {

ScriptedRandom::ScriptedRandom(std::vector<int> script) : script_(script.begin(), script.end()) {}

void ScriptedRandom::reseed()
{
    ++reseeds_;
    calls_.push_back("reseed");
}

int ScriptedRandom::uniform(int n)
{
    calls_.push_back("uniform(" + std::to_string(n) + ")");
    if (n <= 1 || script_.empty()) {
        if (!script_.empty())
            script_.pop_front();
        return 0;
    }
    const int value = script_.front() % n;
    script_.pop_front();
    return value < 0 ? value + n : value;
}

}  // namespace brindolo
