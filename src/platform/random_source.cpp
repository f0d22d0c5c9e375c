#include "platform/random_source.h"

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

int ClockRandom::uniform(int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

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
