#pragma once

#include "lottery/LotteryShape.h"
#include "tickets/DrawMasks.h"
#include "tickets/GroupChance.h"
#include "tickets/Ticket.h"
#include "tickets/WorkProgress.h"

#include <cstdint>
#include <span>
#include <vector>

namespace lottery {

// Ways of choosing what to play in a draw, each from the draws before it only.
enum class ChoiceWay {
    MostFrequent,   // the K numbers drawn most often so far (the lower number among equals)
    LeastFrequent,  // the K drawn least often so far
    LongestWaiting, // the K not drawn for the longest (never drawn first)
    SameSet,        // the user's set, every draw
    Random,         // a fresh random ticket every draw
};
inline constexpr ChoiceWay kAllChoiceWays[] = {ChoiceWay::MostFrequent, ChoiceWay::LeastFrequent,
                                               ChoiceWay::LongestWaiting, ChoiceWay::SameSet,
                                               ChoiceWay::Random};

// "6 самых частых номеров", ... in Russian, for a lottery of K numbers.
std::string ChoiceWayName(ChoiceWay way, int K);

struct WayOutcome {
    ChoiceWay way = ChoiceWay::MostFrequent;
    long long ticketDraws = 0;
    std::vector<long long> matches; // ticket-draws per match level
    long long hits = 0;             // numbers matched in all
    GroupChance chance;             // the same under chance, with 95 % bands
    double pValue = 1;              // P(chance matches at least `hits`)
    double adjustedP = 1;           // the same, corrected for the ways tried (Holm)
    std::vector<Ticket> choices;    // the ticket played in each draw, when asked for
};

struct Backtest {
    int K = 0;
    DrawRange range;
    std::vector<WayOutcome> ways;
    bool cancelled = false; // stopped through the progress: nothing to read
    static constexpr double kLevel = 0.05;
    bool anyBetter() const;
};

struct BacktestRequest {
    DrawRange range; // the draws played
    std::vector<ChoiceWay> ways{std::begin(kAllChoiceWays), std::end(kAllChoiceWays)};
    std::span<const Ticket> set; // for SameSet; left out when empty
    std::uint32_t seed = 1;      // for Random: the same request, the same tickets
    WorkProgress progress;
    bool keepChoices = false; // fill WayOutcome::choices (not for SameSet)
};

// Plays every way over the range. The choice for draw i reads draws 0..i-1 and nothing else.
Backtest RunBacktest(std::span<const std::uint64_t> drawMasks, LotteryShape shape,
                     const BacktestRequest& request);

} // namespace lottery
