#include "game/random_source.h"

namespace {
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
} // namespace

float FixedStartRandom::next() {
    // A permuted congruential generator: the 64-bit state steps on, and a rotation of its
    // xor-folded high bits gives 32 well-mixed bits.
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    const auto folded = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    const std::uint32_t bits = (folded >> rotation) | (folded << ((32u - rotation) & 31u));
    return static_cast<float>(bits >> 8) / 16777216.0f;
}
