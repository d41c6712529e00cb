#pragma once

#include <array>
#include <cstdint>
#include <limits>

// Subsets of up to 64 positions as bit masks, and their colex ranks: the m-subsets of
// {0..v-1} in colex order are exactly the ranks 0..C(v, m) - 1, so a rank indexes an array
// of per-subset counters without a hash.
namespace wheels {

using Mask = std::uint64_t;

constexpr int kMaxPositions = 64;

namespace detail {
// Pascal's triangle, saturating at UINT64_MAX (never reached for k <= 7, the largest
// ticket), built by the compiler: ranking is the search's innermost work.
using PascalRows = std::array<std::array<std::uint64_t, kMaxPositions + 1>, kMaxPositions + 1>;
constexpr PascalRows MakePascal() {
    PascalRows rows{};
    for (int n = 0; n <= kMaxPositions; ++n) {
        rows[n][0] = 1;
        for (int k = 1; k <= n; ++k) {
            const std::uint64_t a = rows[n - 1][k - 1];
            const std::uint64_t b = rows[n - 1][k];
            rows[n][k] = a > std::numeric_limits<std::uint64_t>::max() - b
                             ? std::numeric_limits<std::uint64_t>::max()
                             : a + b;
        }
    }
    return rows;
}
inline constexpr PascalRows kPascal = MakePascal();
} // namespace detail

// C(n, k) for 0 <= n <= 64, exact; 0 when k < 0, k > n or n is out of that range.
inline std::uint64_t Binomial(int n, int k) {
    if (n < 0 || k < 0 || k > n || n > kMaxPositions)
        return 0;
    return detail::kPascal[n][k];
}

inline Mask Bit(int position) {
    return Mask{1} << position;
}
inline int Count(Mask mask) {
    return __builtin_popcountll(mask);
}
// The lowest set bit's position; mask must not be 0.
inline int Lowest(Mask mask) {
    return __builtin_ctzll(mask);
}
// The positions 0..v-1 all set.
inline Mask FirstPositions(int v) {
    return v >= 64 ? ~Mask{0} : Bit(v) - 1;
}

// The colex rank of a subset among the subsets of its own size: the sum of C(p_i, i + 1)
// over its positions p_0 < p_1 < ....
inline std::uint64_t ColexRank(Mask subset) {
    std::uint64_t rank = 0;
    for (int i = 1; subset != 0; ++i, subset &= subset - 1)
        rank += detail::kPascal[__builtin_ctzll(subset)][i];
    return rank;
}
// The subset of `size` positions whose colex rank is `rank`.
Mask ColexUnrank(std::uint64_t rank, int size);
// The next subset of the same size in colex order (Gosper's step); the caller stops after
// the last one it wants, as the step overflows past position 63.
inline Mask NextColex(Mask subset) {
    const Mask lowest = subset & (~subset + 1);
    const Mask ripple = subset + lowest;
    return ripple | (((subset ^ ripple) >> 2) / lowest);
}

// The i-th set position of mask (i from 0); mask must have more than i bits.
int NthPosition(Mask mask, int i);

} // namespace wheels
