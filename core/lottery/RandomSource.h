#pragma once

#include <cstdint>

namespace lottery {

// The program's one source of random numbers; injectable so tests can fix the sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // An integer 0..range-1 (0 when range is 0).
    virtual std::uint32_t Random(std::uint32_t range) = 0;
};

// 32-bit linear congruential generator: seed = seed * 134775813 + 1 (mod 2^32), then
// result = (seed * range) >> 32 taken as an unsigned 64-bit product.
class LcgRandom final : public RandomSource {
public:
    explicit LcgRandom(std::uint32_t seed) : seed_(seed) {}
    std::uint32_t Random(std::uint32_t range) override;
    std::uint32_t seed() const { return seed_; }

private:
    std::uint32_t seed_;
};

// Milliseconds since midnight of the current UTC time of day.
std::uint32_t SeedFromClock();

} // namespace lottery
