#include "lottery/RandomSource.h"

#include <chrono>

namespace lottery {

std::uint32_t LcgRandom::Random(std::uint32_t range) {
    seed_ = seed_ * 134775813u + 1u; // unsigned arithmetic wraps modulo 2^32
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * range) >> 32);
}

std::uint32_t SeedFromClock() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto sinceMidnight =
        duration_cast<milliseconds>(now) % duration_cast<milliseconds>(days(1));
    return static_cast<std::uint32_t>(sinceMidnight.count());
}

} // namespace lottery
