#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace lottery {

// The draw list made quick to ask about any stretch of its last draws: every draw as a set of
// numbers, and the running counts of numbers and pairs kept at every kStep-th draw, so a
// window of the last M draws costs two checkpoints and at most 2 * kStep draws, whatever M.
class HistoryIndex {
public:
    static constexpr long long kStep = 4096;

    HistoryIndex(std::span<const DrawRecord> draws, LotteryShape shape);

    LotteryShape shape() const { return shape_; }
    long long drawCount() const { return static_cast<long long>(masks_.size()); }
    // Bit n set for each number n of the draw at index (0 = oldest).
    std::uint64_t numbersOf(long long index) const {
        return masks_[static_cast<std::size_t>(index)];
    }
    // The draw count clamped to 0..drawCount.
    long long clampWindow(long long window) const;

    // Occurrences of numbers 1..N (element n - 1) in the last `window` draws.
    std::vector<long long> frequencies(long long window) const;
    // How many of the last `window` draws came after the last one holding each number;
    // the whole window when it holds none.
    std::vector<long long> drawsSince(long long window) const;
    // How many of the last `window` draws hold both i and j: element (i - 1) * N + (j - 1),
    // symmetric, with each number's own frequency on the diagonal.
    std::vector<long long> pairCounts(long long window) const;

private:
    std::size_t pairSlot(int low, int high) const; // 1 <= low < high <= N
    // Counts over draws [0, end): the checkpoint at or below end plus the draws after it.
    std::vector<long long> numberCountsBefore(long long end) const;
    std::vector<long long> pairCountsBefore(long long end) const;
    template <typename AddDraw>
    std::vector<long long> countsBefore(const std::vector<std::uint32_t>& checkpoints, int width,
                                        long long end, AddDraw addDraw) const {
        std::vector<long long> counts(static_cast<std::size_t>(width), 0);
        if (end <= 0)
            return counts;
        // The last checkpoint lies before the last draw, so one exists for every end.
        const long long checkpoint = std::min(end / kStep, (drawCount() - 1) / kStep);
        const auto base = checkpoints.begin() + static_cast<std::ptrdiff_t>(checkpoint * width);
        std::copy(base, base + width, counts.begin());
        for (long long index = checkpoint * kStep; index < end; ++index)
            addDraw(numbersOf(index), counts);
        return counts;
    }

    LotteryShape shape_;
    int pairs_ = 0; // N * (N - 1) / 2
    std::vector<std::uint64_t> masks_;
    std::vector<std::uint32_t> numberCheckpoints_; // N per checkpoint
    std::vector<std::uint32_t> pairCheckpoints_;   // pairs_ per checkpoint
    std::vector<long long> lastSeen_;              // index 1..N, -1 when never drawn
};

} // namespace lottery
