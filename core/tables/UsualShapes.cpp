#include "tables/UsualShapes.h"

#include <algorithm>
#include <array>
#include <span>

namespace lottery {

int ProposedN(int K, int highest) {
    // N of lotteries in wide use, by K; rising.
    static constexpr std::array<int, 2> kFour = {20, 26};
    static constexpr std::array<int, 8> kFive = {35, 36, 37, 39, 40, 42, 45, 49};
    static constexpr std::array<int, 6> kSix = {36, 37, 40, 42, 45, 49};
    static constexpr std::array<int, 5> kSeven = {35, 37, 39, 45, 49};
    std::span<const int> usual;
    if (K == 4)
        usual = kFour;
    else if (K == 5)
        usual = kFive;
    else if (K == 6)
        usual = kSix;
    else if (K == 7)
        usual = kSeven;
    const auto fitting = std::lower_bound(usual.begin(), usual.end(), highest);
    const int n = fitting != usual.end() ? *fitting : highest;
    return std::max(n, K + 1);
}

} // namespace lottery
