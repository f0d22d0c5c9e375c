#pragma once

#include <random>

namespace brindolo {

// Uniform integers, re-seeded from the clock on request.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A uniform integer from 0 to n - 1 (n >= 1).
    virtual int uniform(int n) = 0;
};

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
