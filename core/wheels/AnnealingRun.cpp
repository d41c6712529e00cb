#include "wheels/AnnealingRun.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wheels {

namespace {

// The uncovered m-sets the greedy fill samples to score the candidates.
constexpr int kGreedySample = 256;
// SolelyCovered work allowed when choosing which block to drop.
constexpr std::uint64_t kDropWork = 2'000'000;
constexpr int kStepsPerClockLook = 1024;
// The blocks priced for one move; 2, 4 and 8 did no better on the benchmark.
constexpr int kCandidates = 1;
// Worsening by d is taken with probability exp(-d / T), T falling from warm to cold over a
// cycle of steps. Found by trying the benchmark's cases: small wheels stall in deep local
// minima unless warm, large ones wander among many uncovered sets unless cooler, so the warm
// end falls with the square root of the wheel's size.
constexpr double kWarmest = 1.0;
constexpr double kWarmScale = 6.0;
constexpr double kCold = 0.05;
constexpr std::uint64_t kCycle = 200'000;
// The first jump drops this share of the greedy wheel's blocks.
constexpr std::size_t kJumpDivisor = 32;
// A level not repaired within this share of the patience starts again from the best wheel.
constexpr std::uint64_t kLevelShare = 8;
constexpr std::uint64_t kLevelStepsUnlimited = 1'000'000;

} // namespace

AnnealingRun::AnnealingRun(int v, int K, int t, int m, Mask keys, std::uint64_t lowerBound,
                           std::uint64_t seed)
    : v_(v), K_(K), t_(t), m_(m), keys_(keys), lowerBound_(lowerBound), random_(seed),
      state_(v, K, t, m) {}

bool AnnealingRun::Accept(long delta) {
    return delta <= 0 ||
           static_cast<double>(random_() >> 11) * 0x1p-53 < std::exp(-delta / temperature_);
}

void AnnealingRun::Greedy() {
    const Mask all = FirstPositions(v_);
    std::vector<std::uint64_t> score(v_);
    while (state_.UncoveredCount() > 0) {
        // A ticket that surely covers one uncovered set, filled with the numbers that most
        // often share uncovered sets with what it already holds.
        const Mask target = state_.Uncovered(Below(state_.UncoveredCount()));
        Mask ticket = keys_;
        while (Count(ticket & target) < t_)
            ticket |= Bit(RandomPosition(target & ~ticket));
        while (Count(ticket) < K_) {
            std::fill(score.begin(), score.end(), 0);
            for (int i = 0; i < kGreedySample; ++i) {
                const Mask set = state_.Uncovered(Below(state_.UncoveredCount()));
                const std::uint64_t weight = std::uint64_t{1} << Count(set & ticket);
                for (Mask rest = set & ~ticket; rest != 0; rest &= rest - 1)
                    score[Lowest(rest)] += weight;
            }
            int chosen = RandomPosition(all & ~ticket);
            for (int p = 0; p < v_; ++p)
                if (!(ticket & Bit(p)) && score[p] > score[chosen])
                    chosen = p;
            ticket |= Bit(chosen);
        }
        state_.AddBlock(ticket);
    }
    best_ = state_.Blocks();
}

void AnnealingRun::DropOneBlock(bool anyBlock) {
    if (anyBlock) {
        state_.RemoveBlock(Below(state_.Blocks().size()));
        return;
    }
    // The block whose loss opens the fewest sets; when checking all of them costs too much,
    // the cheapest among a random few.
    const std::size_t blocks = state_.Blocks().size();
    const std::uint64_t affordable =
        std::max<std::uint64_t>(1, kDropWork / std::max<std::uint64_t>(1, state_.SetsPerBlock()));
    const std::size_t tried = static_cast<std::size_t>(std::min<std::uint64_t>(blocks, affordable));
    const std::size_t start = Below(blocks);
    std::size_t chosen = start;
    std::size_t fewest = std::numeric_limits<std::size_t>::max();
    for (std::size_t i = 0; i < tried; ++i) {
        const std::size_t index = (start + i) % blocks;
        const std::size_t opened = state_.SolelyCovered(index);
        if (opened < fewest) {
            fewest = opened;
            chosen = index;
        }
    }
    state_.RemoveBlock(chosen);
}

void AnnealingRun::Step() {
    const Mask target = state_.Uncovered(Below(state_.UncoveredCount()));
    const auto& blocks = state_.Blocks();
    // The first few blocks nearest to covering the set, from a random start so ties share
    // the work; each with every number it could give up, the cheapest move wins.
    const std::size_t start = Below(blocks.size());
    std::size_t candidates[kCandidates];
    int found = 0;
    int nearest = -1;
    for (std::size_t i = 0; i < blocks.size() && found < kCandidates; ++i) {
        const std::size_t index = start + i < blocks.size() ? start + i : start + i - blocks.size();
        if ((blocks[index] & ~keys_) == 0)
            continue;
        const int meets = Count(blocks[index] & target);
        if (meets > nearest) {
            nearest = meets;
            found = 0;
        }
        if (meets == nearest)
            candidates[found++] = index;
    }
    long bestDelta = std::numeric_limits<long>::max();
    std::size_t bestBlock = 0;
    int bestOut = 0, bestIn = 0;
    std::uint64_t ties = 0;
    for (int c = 0; c < found; ++c) {
        const Mask block = blocks[candidates[c]];
        const Mask movable = block & ~keys_;
        const Mask outs = (movable & ~target) != 0 ? movable & ~target : movable;
        const Mask ins = (target & ~block) != 0 ? target & ~block : FirstPositions(v_) & ~block;
        const int in = RandomPosition(ins);
        for (Mask rest = outs; rest != 0; rest &= rest - 1) {
            const long delta = state_.Price(candidates[c], Lowest(rest), in);
            if (delta < bestDelta || (delta == bestDelta && Below(++ties) == 0)) {
                if (delta < bestDelta)
                    ties = 1;
                bestDelta = delta;
                bestBlock = candidates[c], bestOut = Lowest(rest), bestIn = in;
            }
        }
    }
    if (found == 0 || !Accept(bestDelta))
        return;
    state_.Price(bestBlock, bestOut, bestIn);
    state_.Commit();
}

SearchEnd AnnealingRun::Run(const RunLimits& limits,
                            const std::function<void(const std::vector<Mask>&)>& onBetter) {
    Greedy();
    onBetter(best_);
    // Far above the best possible, many blocks can go at once; when a level is not repaired
    // soon, the search returns to the best wheel, jumps half as far and, at one block, drops
    // a random one instead of the least useful, which the last attempt could not do without.
    std::size_t jump = std::max<std::size_t>(1, best_.size() / kJumpDivisor);
    const std::uint64_t levelPatience =
        limits.patience != 0 ? std::max<std::uint64_t>(limits.patience / kLevelShare, 1)
                             : kLevelStepsUnlimited;
    std::uint64_t sinceBetter = 0;
    std::uint64_t sinceLevel = 0;
    bool anyBlock = false;
    while (true) {
        if (state_.UncoveredCount() == 0) {
            if (state_.Blocks().size() < best_.size()) {
                best_ = state_.Blocks();
                sinceBetter = 0;
                anyBlock = false;
                onBetter(best_);
            }
            if (best_.size() <= lowerBound_ || best_.size() <= 1)
                return SearchEnd::ReachedBound;
            for (std::size_t i = 0; i < jump && state_.Blocks().size() > 1; ++i)
                DropOneBlock(anyBlock);
            sinceLevel = 0;
            continue;
        }
        // Sawtooth cooling: from warm to cold over each cycle, then warm again to leave the
        // valley it settled in.
        const double warm =
            std::min(kWarmest, kWarmScale / std::sqrt(static_cast<double>(best_.size())));
        temperature_ = warm * std::pow(kCold / warm, static_cast<double>(sinceLevel % kCycle) /
                                                         static_cast<double>(kCycle));
        for (int i = 0; i < kStepsPerClockLook && state_.UncoveredCount() > 0; ++i)
            Step();
        sinceBetter += kStepsPerClockLook;
        sinceLevel += kStepsPerClockLook;
        if (state_.UncoveredCount() == 0)
            continue;
        if (limits.patience != 0 && sinceBetter >= limits.patience)
            return SearchEnd::Patience;
        if ((limits.stop != nullptr && limits.stop->load(std::memory_order_relaxed)) ||
            (limits.stopToo != nullptr && limits.stopToo->load(std::memory_order_relaxed)))
            return SearchEnd::Cancelled;
        if (std::chrono::steady_clock::now() >= limits.deadline)
            return SearchEnd::TimeLimit;
        if (sinceLevel >= levelPatience) {
            anyBlock = jump == 1;
            jump = std::max<std::size_t>(1, jump / 2);
            state_.Reset(best_); // complete again: the next round drops anew
        }
    }
}

} // namespace wheels
