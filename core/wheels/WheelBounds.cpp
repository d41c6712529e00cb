#include "wheels/WheelBounds.h"

#include "wheels/Combinatorics.h"

#include <algorithm>

namespace wheels {

namespace {

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b) {
    return (a + b - 1) / b;
}

} // namespace

std::uint64_t SchoenheimBound(int v, int K, int t) {
    if (t <= 0 || K <= 0)
        return t <= 0 ? 1 : 0;
    std::uint64_t bound = 1;
    for (int i = t - 1; i >= 0; --i)
        bound =
            CeilDiv(static_cast<std::uint64_t>(v - i) * bound, static_cast<std::uint64_t>(K - i));
    return bound;
}

std::uint64_t CountingBound(int v, int K, int t, int m) {
    std::uint64_t perTicket = 0;
    for (int i = std::max(t, 0); i <= std::min(K, m); ++i)
        perTicket += Binomial(K, i) * Binomial(v - K, m - i);
    return perTicket == 0 ? 0 : CeilDiv(Binomial(v, m), perTicket);
}

std::uint64_t WheelLowerBound(int v, int K, int t, int m) {
    const std::uint64_t counting = std::max<std::uint64_t>(1, CountingBound(v, K, t, m));
    return t == m ? std::max(counting, SchoenheimBound(v, K, t)) : counting;
}

} // namespace wheels
