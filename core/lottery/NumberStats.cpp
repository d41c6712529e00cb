#include "lottery/NumberStats.h"

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

// One draw's share of the counts, added (sign 1) or taken away (sign -1): as in StatAll, a
// repeated number counts once per position in frequency but once in the partner counts.
void Account(StatsTable& table, const DrawRecord& d, int K, int N, int sign) {
    std::uint64_t seen = 0;
    for (int p = 0; p < K; ++p) {
        const int member = d[static_cast<std::size_t>(p)];
        if (member < 1 || member > N)
            continue;
        table[static_cast<std::size_t>(member)].frequency += sign;
        if (seen & (std::uint64_t{1} << member))
            continue;
        seen |= std::uint64_t{1} << member;
        auto& together = table[static_cast<std::size_t>(member)].together;
        for (int q = 0; q < K; ++q) {
            const int partner = d[static_cast<std::size_t>(q)];
            if (partner <= kLastTogetherIndex)
                together[static_cast<std::size_t>(partner)] += sign;
        }
    }
}

bool Contains(const DrawRecord& d, int K, int n) {
    for (int p = 0; p < K; ++p)
        if (d[static_cast<std::size_t>(p)] == n)
            return true;
    return false;
}

int Clamped(int value, int highest) {
    return value <= highest ? value : highest;
}

} // namespace

void UpdateStats(StatsTable& table, std::span<const DrawRecord> draws, std::int64_t first,
                 std::span<const DrawRecord> removed, std::int64_t inserted, LotteryShape shape) {
    const int N = Clamped(shape.N, LotteryShape::kMaxN);
    const int K = Clamped(shape.K, LotteryShape::kMaxK);
    const auto after = static_cast<std::int64_t>(draws.size());
    const auto removedCount = static_cast<std::int64_t>(removed.size());
    const std::int64_t before = after - inserted + removedCount;

    std::array<std::int64_t, LotteryShape::kMaxN + 1> last{};
    for (int i = 1; i <= N; ++i) {
        const NumberStats& record = table[static_cast<std::size_t>(i)];
        last[static_cast<std::size_t>(i)] =
            record.frequency > 0 ? before - 1 - record.drawsSince : -1;
    }
    for (const DrawRecord& d : removed)
        Account(table, d, K, N, -1);
    for (std::int64_t k = 0; k < inserted; ++k)
        Account(table, draws[static_cast<std::size_t>(first + k)], K, N, 1);

    for (int i = 1; i <= N; ++i) {
        std::int64_t seen = last[static_cast<std::size_t>(i)];
        if (seen >= first + removedCount) {
            seen += inserted - removedCount;
        } else {
            // Before the edit only a new draw can come later; inside it, look back from its end.
            const std::int64_t lowest = seen < first ? first : 0;
            if (seen >= first)
                seen = -1;
            for (std::int64_t index = first + inserted - 1; index >= lowest; --index) {
                if (Contains(draws[static_cast<std::size_t>(index)], K, i)) {
                    seen = index;
                    break;
                }
            }
        }
        NumberStats& record = table[static_cast<std::size_t>(i)];
        record.drawsSince = static_cast<std::int32_t>(seen < 0 ? after : after - 1 - seen);
        if (record.frequency != 0)
            ChoosePartners(record, i, N);
        else if (removedCount > 0)
            record.mostWith = record.leastWith = 0;
    }
}

void StatAll(StatsTable& table, std::span<const DrawRecord> draws, LotteryShape shape) {
    const int N = Clamped(shape.N, LotteryShape::kMaxN);
    const int K = Clamped(shape.K, LotteryShape::kMaxK);
    for (int i = 1; i <= N; ++i) {
        NumberStats& record = table[static_cast<std::size_t>(i)];
        record.frequency = 0;
        record.drawsSince = 0;
        for (int j = 1; j <= N; ++j)
            record.together[static_cast<std::size_t>(j)] = 0;
    }

    // One pass: each draw adds its share of the counts, and the last draw containing a
    // number gives its drawsSince.
    std::array<std::int64_t, LotteryShape::kMaxN + 1> lastSeen;
    lastSeen.fill(-1);
    const auto drawCount = static_cast<std::int64_t>(draws.size());
    for (std::int64_t index = 0; index < drawCount; ++index) {
        const DrawRecord& d = draws[static_cast<std::size_t>(index)];
        Account(table, d, K, N, 1);
        for (int p = 0; p < K; ++p) {
            const int member = d[static_cast<std::size_t>(p)];
            if (member >= 1 && member <= N)
                lastSeen[static_cast<std::size_t>(member)] = index;
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
