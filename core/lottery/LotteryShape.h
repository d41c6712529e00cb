#pragma once

#include <cstdint>

namespace lottery {

// A lottery "K numbers out of N": K = 1..7, K < N <= 49.
struct LotteryShape {
    static constexpr int kMaxK = 7;
    static constexpr int kMaxN = 49;

    std::uint8_t K = 6;
    std::uint8_t N = 49;

    constexpr bool isValid() const { return K >= 1 && K <= kMaxK && N > K && N <= kMaxN; }
    constexpr bool operator==(const LotteryShape&) const = default;
};

} // namespace lottery
