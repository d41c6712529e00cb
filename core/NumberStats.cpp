#include "NumberStats.h"

#include <vector>

namespace lottery {
namespace {

constexpr int kLastTogetherIndex = 49;

void ChoosePartners(NumberStats& record, int self, int N) {
    std::int32_t best = 0;
    std::int32_t worst = kUpperSentinelFrequency;
    // Strict comparisons in ascending order: among equal counts the lowest number wins.
    for (int j = 1; j <= N; ++j) {
        if (j == self)
            continue;
        const std::int32_t count = record.together[static_cast<std::size_t>(j)];
        if (count > best) {
            record.mostWith = j;
            best = count;
        }
        if (count < worst) {
            record.leastWith = j;
            worst = count;
        }
    }
}

} // namespace

void StatAll(StatsTable& table, std::span<const DrawRecord> draws, LotteryShape shape) {
    const int N = shape.N <= LotteryShape::kMaxN ? shape.N : LotteryShape::kMaxN;
    const int K = shape.K <= LotteryShape::kMaxK ? shape.K : LotteryShape::kMaxK;
    for (int i = 1; i <= N; ++i) {
        NumberStats& record = table[static_cast<std::size_t>(i)];
        record.frequency = 0;
        record.drawsSince = 0;
        for (int j = 1; j <= N; ++j)
            record.together[static_cast<std::size_t>(j)] = 0;
    }

    // One pass: each draw adds its K numbers to the partner counts of every distinct number
    // it contains (so a repeated number counts once per position, as in a per-number scan),
    // and the last draw containing a number gives its drawsSince.
    std::array<std::int64_t, LotteryShape::kMaxN + 1> lastSeen;
    lastSeen.fill(-1);
    const auto drawCount = static_cast<std::int64_t>(draws.size());
    for (std::int64_t index = 0; index < drawCount; ++index) {
        const DrawRecord& d = draws[static_cast<std::size_t>(index)];
        std::uint64_t seen = 0;
        for (int p = 0; p < K; ++p) {
            const int member = d[static_cast<std::size_t>(p)];
            if (member < 1 || member > N)
                continue;
            table[static_cast<std::size_t>(member)].frequency += 1;
            if (seen & (std::uint64_t{1} << member))
                continue;
            seen |= std::uint64_t{1} << member;
            lastSeen[static_cast<std::size_t>(member)] = index;
            auto& together = table[static_cast<std::size_t>(member)].together;
            for (int q = 0; q < K; ++q) {
                const int partner = d[static_cast<std::size_t>(q)];
                if (partner <= kLastTogetherIndex)
                    together[static_cast<std::size_t>(partner)] += 1;
            }
        }
    }

    for (int i = 1; i <= N; ++i) {
        NumberStats& record = table[static_cast<std::size_t>(i)];
        const std::int64_t last = lastSeen[static_cast<std::size_t>(i)];
        record.drawsSince = static_cast<std::int32_t>(last < 0 ? drawCount : drawCount - 1 - last);
        if (record.frequency != 0)
            ChoosePartners(record, i, N);
    }
}

void ZeroRecords(StatsTable& table, int N) {
    for (int i = 1; i <= N && i < static_cast<int>(table.size()); ++i) {
        NumberStats& record = table[static_cast<std::size_t>(i)];
        record.frequency = 0;
        record.mostWith = 0;
        record.leastWith = 0;
        record.drawsSince = 0;
        for (int j = 1; j <= N && j <= kLastTogetherIndex; ++j)
            record.together[static_cast<std::size_t>(j)] = 0;
    }
}

void SetUpperSentinel(StatsTable& table, int N) {
    if (N + 1 >= 0 && N + 1 < static_cast<int>(table.size()))
        table[static_cast<std::size_t>(N + 1)].frequency = kUpperSentinelFrequency;
}

RankingSlots Rankings(const StatsTable& table, int N) {
    std::array<int, 6> most{}; // slot 5 is the overflow that drops out
    std::array<int, 6> least{};
    most.fill(0);
    least.fill(N + 1);
    auto frequency = [&table](int number) {
        return table[static_cast<std::size_t>(number)].frequency;
    };
    for (int k = N; k >= 1; --k) {
        for (int s = 4; s >= 0; --s) {
            if (frequency(most[static_cast<std::size_t>(s)]) < frequency(k)) {
                most[static_cast<std::size_t>(s) + 1] = most[static_cast<std::size_t>(s)];
                most[static_cast<std::size_t>(s)] = k;
            }
            if (frequency(k) < frequency(least[static_cast<std::size_t>(s)])) {
                least[static_cast<std::size_t>(s) + 1] = least[static_cast<std::size_t>(s)];
                least[static_cast<std::size_t>(s)] = k;
            }
        }
    }

    RankingSlots slots;
    for (std::size_t s = 0; s < 5; ++s) {
        slots.mostFrequent[s] = most[s];
        const bool nothingCameOut = most[0] == 0;
        const bool beyondNumbers = static_cast<int>(s) + 1 > N;
        slots.leastFrequent[s] = (nothingCameOut || beyondNumbers) ? 0 : least[s];
    }
    return slots;
}

} // namespace lottery
