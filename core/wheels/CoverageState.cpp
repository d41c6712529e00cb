#include "wheels/CoverageState.h"

#include "wheels/SubsetWalk.h"

#include <algorithm>
#include <limits>

namespace wheels {

namespace {
constexpr std::uint32_t kNowhere = std::numeric_limits<std::uint32_t>::max();
}

CoverageState::CoverageState(int v, int K, int t, int m)
    : v_(v), K_(K), t_(t), m_(m), coverers_(Binomial(v, m), 0), placeOf_(Binomial(v, m), kNowhere) {
    for (int i = t; i <= std::min(K, m); ++i)
        setsPerBlock_ += Binomial(K, i) * Binomial(v - K, m - i);
    uncovered_.reserve(coverers_.size());
    for (std::uint32_t rank = 0; rank < coverers_.size(); ++rank)
        Uncover(rank);
}

template <typename Visit> void CoverageState::ForEachCovered(Mask block, Visit&& visit) const {
    const Mask outside = FirstPositions(v_) & ~block;
    for (int i = t_; i <= std::min(K_, m_); ++i)
        ForEachSubset(block, i, [&](Mask inside) {
            ForEachSubset(outside, m_ - i, [&](Mask rest) {
                visit(static_cast<std::uint32_t>(ColexRank(inside | rest)));
            });
        });
}

void CoverageState::Cover(std::uint32_t rank) {
    const std::uint32_t place = placeOf_[rank];
    placeOf_[uncovered_.back()] = place;
    uncovered_[place] = uncovered_.back();
    uncovered_.pop_back();
    placeOf_[rank] = kNowhere;
}

void CoverageState::Uncover(std::uint32_t rank) {
    placeOf_[rank] = static_cast<std::uint32_t>(uncovered_.size());
    uncovered_.push_back(rank);
}

void CoverageState::Reset(const std::vector<Mask>& blocks) {
    blocks_.clear();
    uncovered_.clear();
    std::fill(coverers_.begin(), coverers_.end(), 0);
    for (std::uint32_t rank = 0; rank < coverers_.size(); ++rank)
        Uncover(rank);
    for (const Mask block : blocks)
        AddBlock(block);
}

void CoverageState::AddBlock(Mask block) {
    blocks_.push_back(block);
    ForEachCovered(block, [&](std::uint32_t rank) {
        if (coverers_[rank]++ == 0)
            Cover(rank);
    });
}

void CoverageState::RemoveBlock(std::size_t index) {
    ForEachCovered(blocks_[index], [&](std::uint32_t rank) {
        if (--coverers_[rank] == 0)
            Uncover(rank);
    });
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::size_t CoverageState::SolelyCovered(std::size_t index) const {
    std::size_t sole = 0;
    ForEachCovered(blocks_[index], [&](std::uint32_t rank) { sole += coverers_[rank] == 1; });
    return sole;
}

long CoverageState::Price(std::size_t index, int out, int in) {
    // An m-set changes its state only if it meets the block's other K-1 numbers in exactly
    // t-1 and holds `out` but not `in` (it loses this block) or the reverse (it gains it).
    const Mask kept = blocks_[index] & ~Bit(out);
    const Mask rest = FirstPositions(v_) & ~kept & ~Bit(out) & ~Bit(in);
    movedBlock_ = index;
    movedTo_ = kept | Bit(in);
    losing_.clear();
    gaining_.clear();
    long delta = 0;
    ListSubsets(kept, t_ - 1, keptParts_);
    ListSubsets(rest, m_ - t_, restParts_);
    for (const Mask inside : keptParts_)
        for (const Mask others : restParts_) {
            const auto lost = static_cast<std::uint32_t>(ColexRank(inside | others | Bit(out)));
            const auto won = static_cast<std::uint32_t>(ColexRank(inside | others | Bit(in)));
            losing_.push_back(lost);
            gaining_.push_back(won);
            delta += (coverers_[lost] == 1) - (coverers_[won] == 0);
        }
    return delta;
}

void CoverageState::Commit() {
    for (const std::uint32_t rank : losing_)
        if (--coverers_[rank] == 0)
            Uncover(rank);
    for (const std::uint32_t rank : gaining_)
        if (coverers_[rank]++ == 0)
            Cover(rank);
    blocks_[movedBlock_] = movedTo_;
}

} // namespace wheels
