#include "audit/FairDraws.h"

namespace lottery::audit {

std::uint64_t FairDraws::next() {
    // Each number equally likely, a number already taken drawn again: K distinct numbers,
    // every set of K equally likely. Each 64-bit output gives two 32-bit choices.
    std::uint64_t numbers = 0;
    int taken = 0;
    while (taken < K_) {
        const std::uint64_t bits = random_();
        for (const std::uint64_t half : {bits & 0xffffffffu, bits >> 32}) {
            const int number = 1 + static_cast<int>((half * static_cast<std::uint64_t>(N_)) >> 32);
            const std::uint64_t bit = std::uint64_t{1} << number;
            if ((numbers & bit) == 0 && taken < K_) {
                numbers |= bit;
                ++taken;
            }
        }
    }
    return numbers;
}

void FairDraws::fill(std::span<std::uint64_t> draws) {
    for (std::uint64_t& draw : draws)
        draw = next();
}

} // namespace lottery::audit
