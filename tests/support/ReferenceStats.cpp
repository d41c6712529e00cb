#include "ReferenceStats.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <limits>

namespace lottery::test {

void ReferenceStatAll(StatsTable& table, std::span<const DrawRecord> draws, LotteryShape shape) {
    const int K = shape.K;
    const int N = shape.N;

    // Step 1: mostWith and leastWith are deliberately not reset.
    for (int i = 1; i <= N; ++i) {
        table[i].frequency = 0;
        table[i].drawsSince = 0;
        for (int j = 1; j <= N; ++j)
            table[i].together[j] = 0;
    }

    // Step 2.
    for (int i = 1; i <= N; ++i) {
        for (const DrawRecord& d : draws) {
            table[i].drawsSince += 1;
            std::bitset<256> S;
            for (int p = 1; p <= K; ++p)
                S.set(d[p - 1]);
            for (int p = 1; p <= K; ++p) {
                if (S[i])
                    table[i].drawsSince = 0;
                if (d[p - 1] == i)
                    table[i].frequency += 1;
                if (S[i])
                    table[i].together[d[p - 1]] += 1;
            }
        }
    }

    // Step 3.
    for (int i = 1; i <= N; ++i) {
        if (table[i].frequency == 0)
            continue;
        std::int32_t best = 0;
        std::int32_t worst = std::numeric_limits<std::int32_t>::max();
        for (int j = 1; j <= N; ++j) {
            if (j == i)
                continue;
            if (table[i].together[j] > best) {
                table[i].mostWith = j;
                best = table[i].together[j];
            }
            if (table[i].together[j] < worst) {
                table[i].leastWith = j;
                worst = table[i].together[j];
            }
        }
    }
}

RankingSlots ReferenceRankings(const StatsTable& table, int N) {
    // Slots 1..5 as in the description; index 0 unused.
    std::array<int, 6> most{};
    std::array<int, 6> least{};
    for (int s = 1; s <= 5; ++s) {
        most[s] = 0;
        least[s] = N + 1;
    }
    for (int k = N; k >= 1; --k) {
        for (int s = 5; s >= 1; --s) {
            if (table[most[s]].frequency < table[k].frequency) {
                if (s < 5)
                    most[s + 1] = most[s];
                most[s] = k;
            }
            if (table[k].frequency < table[least[s]].frequency) {
                if (s < 5)
                    least[s + 1] = least[s];
                least[s] = k;
            }
        }
    }

    RankingSlots slots;
    for (int s = 1; s <= 5; ++s) {
        slots.mostFrequent[s - 1] = most[s];
        slots.leastFrequent[s - 1] = least[s];
    }
    for (int s = 1; s <= 5; ++s) {
        if (most[s] == 0)
            slots.mostFrequent[s - 1] = 0;
        if (slots.mostFrequent[0] == 0)
            slots.leastFrequent[s - 1] = 0;
        if (s > N)
            slots.leastFrequent[s - 1] = 0;
    }
    return slots;
}

} // namespace lottery::test
