#include "chance/HistoryIndex.h"

#include <algorithm>
#include <bit>

namespace lottery {
namespace {

// The distinct numbers 1..N at positions 1..K; a repeated or stray byte adds nothing.
std::uint64_t NumbersOf(const DrawRecord& draw, int K, int N) {
    std::uint64_t mask = 0;
    for (int p = 0; p < K; ++p) {
        const int number = draw[static_cast<std::size_t>(p)];
        if (number >= 1 && number <= N)
            mask |= std::uint64_t{1} << number;
    }
    return mask;
}

template <typename Visit> void ForEachNumber(std::uint64_t mask, Visit visit) {
    while (mask != 0) {
        visit(std::countr_zero(mask));
        mask &= mask - 1;
    }
}

} // namespace

HistoryIndex::HistoryIndex(std::span<const DrawRecord> draws, LotteryShape shape) : shape_(shape) {
    const int N = std::clamp<int>(shape.N, 0, LotteryShape::kMaxN);
    const int K = std::clamp<int>(shape.K, 0, LotteryShape::kMaxK);
    shape_.N = static_cast<std::uint8_t>(N);
    pairs_ = N * (N - 1) / 2;
    masks_.reserve(draws.size());
    lastSeen_.assign(static_cast<std::size_t>(N) + 1, -1);

    std::vector<std::uint32_t> numbers(static_cast<std::size_t>(N), 0);
    std::vector<std::uint32_t> pairs(static_cast<std::size_t>(pairs_), 0);
    const auto checkpoints = draws.size() / kStep + 1;
    numberCheckpoints_.reserve(checkpoints * numbers.size());
    pairCheckpoints_.reserve(checkpoints * pairs.size());
    for (std::size_t index = 0; index < draws.size(); ++index) {
        if (index % kStep == 0) {
            numberCheckpoints_.insert(numberCheckpoints_.end(), numbers.begin(), numbers.end());
            pairCheckpoints_.insert(pairCheckpoints_.end(), pairs.begin(), pairs.end());
        }
        const std::uint64_t mask = NumbersOf(draws[index], K, N);
        masks_.push_back(mask);
        ForEachNumber(mask, [&](int low) {
            numbers[static_cast<std::size_t>(low) - 1] += 1;
            lastSeen_[static_cast<std::size_t>(low)] = static_cast<long long>(index);
            ForEachNumber(mask >> (low + 1) << (low + 1),
                          [&](int high) { pairs[pairSlot(low, high)] += 1; });
        });
    }
}

long long HistoryIndex::clampWindow(long long window) const {
    return std::clamp(window, 0LL, drawCount());
}

std::size_t HistoryIndex::pairSlot(int low, int high) const {
    // Row `low` starts after the rows above it, which hold N - 1, N - 2, ... pairs.
    const int N = shape_.N;
    const int before = (low - 1) * (2 * N - low) / 2;
    return static_cast<std::size_t>(before + (high - low - 1));
}

std::vector<long long> HistoryIndex::numberCountsBefore(long long end) const {
    return countsBefore(numberCheckpoints_, shape_.N, end, [](std::uint64_t mask, auto& counts) {
        ForEachNumber(mask, [&](int number) { counts[static_cast<std::size_t>(number) - 1] += 1; });
    });
}

std::vector<long long> HistoryIndex::pairCountsBefore(long long end) const {
    return countsBefore(pairCheckpoints_, pairs_, end, [this](std::uint64_t mask, auto& counts) {
        ForEachNumber(mask, [&](int low) {
            ForEachNumber(mask >> (low + 1) << (low + 1),
                          [&](int high) { counts[pairSlot(low, high)] += 1; });
        });
    });
}

std::vector<long long> HistoryIndex::frequencies(long long window) const {
    const long long start = drawCount() - clampWindow(window);
    std::vector<long long> counts = numberCountsBefore(drawCount());
    const std::vector<long long> before = numberCountsBefore(start);
    for (std::size_t i = 0; i < counts.size(); ++i)
        counts[i] -= before[i];
    return counts;
}

std::vector<long long> HistoryIndex::drawsSince(long long window) const {
    const long long size = clampWindow(window);
    const long long start = drawCount() - size;
    std::vector<long long> since(static_cast<std::size_t>(shape_.N), size);
    for (int number = 1; number <= shape_.N; ++number) {
        const long long last = lastSeen_[static_cast<std::size_t>(number)];
        if (last >= start)
            since[static_cast<std::size_t>(number) - 1] = drawCount() - 1 - last;
    }
    return since;
}

std::vector<long long> HistoryIndex::pairCounts(long long window) const {
    const int N = shape_.N;
    const long long start = drawCount() - clampWindow(window);
    const std::vector<long long> all = pairCountsBefore(drawCount());
    const std::vector<long long> before = pairCountsBefore(start);
    const std::vector<long long> own = frequencies(window);
    std::vector<long long> table(static_cast<std::size_t>(N) * N, 0);
    for (int low = 1; low <= N; ++low) {
        table[static_cast<std::size_t>((low - 1) * N + low - 1)] =
            own[static_cast<std::size_t>(low) - 1];
        for (int high = low + 1; high <= N; ++high) {
            const std::size_t slot = pairSlot(low, high);
            const long long together = all[slot] - before[slot];
            table[static_cast<std::size_t>((low - 1) * N + high - 1)] = together;
            table[static_cast<std::size_t>((high - 1) * N + low - 1)] = together;
        }
    }
    return table;
}

} // namespace lottery
