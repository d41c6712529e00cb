#include "wheels/Combinatorics.h"

namespace wheels {

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
