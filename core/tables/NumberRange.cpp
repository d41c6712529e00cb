#include "tables/NumberRange.h"

#include "lottery/LotteryShape.h"
#include "tables/UsualShapes.h"

#include <algorithm>
#include <cmath>

namespace lottery {
namespace {

// Below this a chance is taken as never happening.
constexpr double kNegligible = 1e-6;
// At most this many rows (and one in a hundred) are ever put down to typos.
constexpr std::size_t kMostTypos = 3;

// log of the chance that a draw of K from 1..big has no number above small.
double LogChanceAllAtMost(int small, int big, int K) {
    double log = 0;
    for (int i = 0; i < K; ++i) {
        if (small - i <= 0)
            return -INFINITY;
        log += std::log(static_cast<double>(small - i) / static_cast<double>(big - i));
    }
    return log;
}

// The chance that at most r of D draws of K from 1..big have a number above small.
double ChanceAtMostRowsAbove(std::size_t r, std::size_t D, int small, int big, int K) {
    const double logQ = LogChanceAllAtMost(small, big, K); // a row stays at or below small
    const double p = 1 - std::exp(logQ);
    double total = 0, logBinomial = 0;
    for (std::size_t k = 0; k <= r && k <= D; ++k) {
        if (k > 0)
            logBinomial += std::log(static_cast<double>(D - k + 1) / static_cast<double>(k));
        total += std::exp(logBinomial + static_cast<double>(k) * std::log(p) +
                          static_cast<double>(D - k) * logQ);
    }
    return total;
}

} // namespace

RangeFinding FindNumberRange(std::span<const std::uint8_t> rowTops, int K) {
    RangeFinding finding;
    std::vector<bool> typo(rowTops.size(), false);
    std::size_t D = rowTops.size();
    int top = 0;
    for (std::uint8_t t : rowTops)
        top = std::max<int>(top, t);
    // Typos: rows above a bound that D draws from 1..top would pass far more often.
    for (bool again = true; again && top > K + 1;) {
        again = false;
        for (int bound = top - 1; bound > K; --bound) {
            const auto above = static_cast<std::size_t>(std::count_if(
                rowTops.begin(), rowTops.end(), [&](std::uint8_t t) { return t > bound; }));
            const std::size_t already = finding.typos.size();
            if (above > kMostTypos - already || (above + already) * 100 > rowTops.size())
                break;
            if (ChanceAtMostRowsAbove(above, D, bound, top, K) < kNegligible) {
                for (std::size_t i = 0; i < rowTops.size(); ++i)
                    if (rowTops[i] > bound && !typo[i])
                        typo[i] = true, finding.typos.push_back(i);
                D = rowTops.size() - finding.typos.size();
                top = 0;
                for (std::size_t i = 0; i < rowTops.size(); ++i)
                    if (!typo[i])
                        top = std::max<int>(top, rowTops[i]);
                again = true;
                break;
            }
        }
    }
    std::sort(finding.typos.begin(), finding.typos.end());

    // N: settled by the draws, or guessed.
    const bool settled =
        top >= LotteryShape::kMaxN ||
        static_cast<double>(D) * std::log(1 - static_cast<double>(K) / LotteryShape::kMaxN) <
            std::log(kNegligible);
    finding.guessed = !settled;
    finding.N = settled ? top : ProposedN(K, top);

    // Another range for a part of the history: the split after which (or before which) the
    // rows never reach the top, long enough for that to be no chance.
    std::vector<int> prefixTop(rowTops.size() + 1, 0), suffixTop(rowTops.size() + 1, 0);
    for (std::size_t i = 0; i < rowTops.size(); ++i)
        prefixTop[i + 1] = std::max<int>(prefixTop[i], typo[i] ? 0 : rowTops[i]);
    for (std::size_t i = rowTops.size(); i-- > 0;)
        suffixTop[i] = std::max<int>(suffixTop[i + 1], typo[i] ? 0 : rowTops[i]);
    double bestLog = std::log(kNegligible);
    std::optional<std::size_t> bestSplit;
    for (std::size_t i = 1; i < rowTops.size(); ++i) {
        const int before = prefixTop[i], after = suffixTop[i];
        if (before == after || std::min(before, after) <= K)
            continue;
        // Only where the smaller side begins or ends: one split per change.
        const bool edge = before > after ? suffixTop[i - 1] != after : prefixTop[i + 1] != before;
        if (!edge)
            continue;
        const std::size_t smallLength = before > after ? rowTops.size() - i : i;
        const double log = static_cast<double>(smallLength) *
                           LogChanceAllAtMost(std::min(before, after), std::max(before, after), K);
        if (log < bestLog)
            bestLog = log, bestSplit = i;
    }
    if (bestSplit) {
        const int before = prefixTop[*bestSplit], after = suffixTop[*bestSplit];
        const int small = std::min(before, after);
        // The larger side must reach above the smaller range again and again, not once.
        std::size_t above = 0;
        for (std::size_t i = before > after ? 0 : *bestSplit;
             i < (before > after ? *bestSplit : rowTops.size()); ++i)
            above += !typo[i] && rowTops[i] > small;
        if (above >= kMostTypos) {
            finding.changeAt = bestSplit;
            finding.earlierTop = before;
            finding.laterTop = after;
        }
    }
    return finding;
}

} // namespace lottery
