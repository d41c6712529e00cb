#pragma once

#include <cstdint>
#include <random>
#include <span>

namespace lottery::audit {

// Draws of a fair "K out of N" lottery, each as bit n for every number n drawn, from a seeded
// generator, so that a simulated p-value is the same at every run.
class FairDraws {
public:
    FairDraws(int K, int N, std::uint64_t seed) : K_(K), N_(N), random_(seed) {}

    std::uint64_t next();
    void fill(std::span<std::uint64_t> draws);

private:
    int K_;
    int N_;
    std::mt19937_64 random_;
};

} // namespace lottery::audit
