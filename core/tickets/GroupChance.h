#pragma once

#include "chance/ChanceMath.h"
#include "lottery/LotteryShape.h"
#include "tickets/Ticket.h"

#include <span>
#include <vector>

namespace lottery {

// What chance gives a group of tickets played together in every one of `draws` fair draws,
// whatever way the group was chosen, as long as the choice saw none of the draws it plays.
struct GroupChance {
    std::vector<double> expected;   // ticket-draws per match level
    std::vector<double> deviations; // their standard deviations
    std::vector<CountBand> bands;   // 95 % of chance's counts per match level
    double expectedHits = 0;        // numbers matched in all
    double hitsDeviation = 0;       // their standard deviation
    CountBand hitsBand;             // 95 % of chance's totals
    // P(chance matches at least `hits` numbers): the one-sided p-value of doing better.
    double upperTail(long long hits) const;
};

// `group` is one draw's tickets: the same number of tickets every draw. Tickets sharing
// numbers rise and fall together, which the bands account for.
GroupChance ChanceOfGroup(std::span<const Ticket> group, LotteryShape shape, long long draws);

} // namespace lottery
