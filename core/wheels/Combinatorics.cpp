#include "wheels/Combinatorics.h"

#include <array>
#include <limits>

namespace wheels {

namespace {

using Row = std::array<std::uint64_t, kMaxPositions + 1>;

// Pascal's triangle, saturating, built once.
const std::array<Row, kMaxPositions + 1>& Pascal() {
    static const auto table = [] {
        std::array<Row, kMaxPositions + 1> rows{};
        for (int n = 0; n <= kMaxPositions; ++n) {
            rows[n][0] = 1;
            for (int k = 1; k <= n; ++k) {
                const std::uint64_t a = rows[n - 1][k - 1];
                const std::uint64_t b = k <= n - 1 ? rows[n - 1][k] : 0;
                rows[n][k] = a > std::numeric_limits<std::uint64_t>::max() - b
                                 ? std::numeric_limits<std::uint64_t>::max()
                                 : a + b;
            }
        }
        return rows;
    }();
    return table;
}

} // namespace

std::uint64_t Binomial(int n, int k) {
    if (n < 0 || k < 0 || k > n || n > kMaxPositions)
        return 0;
    return Pascal()[n][k];
}

std::uint64_t ColexRank(Mask subset) {
    const auto& pascal = Pascal();
    std::uint64_t rank = 0;
    for (int i = 1; subset != 0; ++i, subset &= subset - 1)
        rank += pascal[Lowest(subset)][i];
    return rank;
}

Mask ColexUnrank(std::uint64_t rank, int size) {
    // The largest position p with C(p, size) <= rank is the top element, and so on down.
    Mask subset = 0;
    int position = kMaxPositions - 1;
    for (int i = size; i >= 1; --i) {
        while (Binomial(position, i) > rank)
            --position;
        subset |= Bit(position);
        rank -= Binomial(position, i);
        --position;
    }
    return subset;
}

int NthPosition(Mask mask, int i) {
    for (; i > 0; --i)
        mask &= mask - 1;
    return Lowest(mask);
}

} // namespace wheels
