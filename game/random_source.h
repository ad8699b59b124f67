#pragma once

#include <cstdint>

// Where the deal's random numbers come from: single-precision values r with 0 <= r < 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// Starts from the same state in every run and is never seeded, so the same word list and the
// same actions deal the same words. Each value is 24 random bits over 2^24: exact as a float.
class FixedStartRandom final : public RandomSource {
public:
    float next() override;

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};
