#pragma once

#include "wheels/Combinatorics.h"

#include <cstdint>
#include <vector>

// The local search's view of a set of tickets ("blocks") over positions 0..v-1: for every
// m-set, how many blocks meet it in t or more, and the list of those no block meets so.
// Changing one number of one block touches only the m-sets that block's t-1 other numbers
// reach, so a move is priced and made without looking at the rest.
namespace wheels {

class CoverageState {
public:
    CoverageState(int v, int K, int t, int m);

    const std::vector<Mask>& Blocks() const { return blocks_; }
    std::size_t UncoveredCount() const { return uncovered_.size(); }
    Mask Uncovered(std::size_t i) const { return ColexUnrank(uncovered_[i], m_); }

    // Starts again from these blocks.
    void Reset(const std::vector<Mask>& blocks);
    void AddBlock(Mask block);
    void RemoveBlock(std::size_t index);
    // The m-sets that only this block covers: what removing it would leave open.
    std::size_t SolelyCovered(std::size_t index) const;
    // The work SolelyCovered and AddBlock do, in m-sets visited.
    std::uint64_t SetsPerBlock() const { return setsPerBlock_; }

    // The change in the number of uncovered m-sets if block `index` gave up position `out`
    // for `in`; remembers the move for Commit.
    long Price(std::size_t index, int out, int in);
    // Makes the move last priced.
    void Commit();

private:
    template <typename Visit> void ForEachCovered(Mask block, Visit&& visit) const;
    void Cover(std::uint32_t rank);
    void Uncover(std::uint32_t rank);

    int v_, K_, t_, m_;
    std::uint64_t setsPerBlock_ = 0;
    std::vector<Mask> blocks_;
    std::vector<std::uint32_t> coverers_;  // per m-set rank
    std::vector<std::uint32_t> uncovered_; // ranks
    std::vector<std::uint32_t> placeOf_;   // per rank: its index in uncovered_, or kNowhere
    // The move last priced.
    std::size_t movedBlock_ = 0;
    Mask movedTo_ = 0;
    std::vector<std::uint32_t> losing_, gaining_;
    std::vector<Mask> keptParts_, restParts_; // scratch of Price
};

} // namespace wheels
