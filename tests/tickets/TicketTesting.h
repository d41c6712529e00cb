#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"
#include "tickets/Ticket.h"

#include <random>
#include <vector>

namespace lottery::test {

// A valid shape, small ones as likely as 6/49, so that every match level turns up.
LotteryShape RandomShape(std::mt19937& rng);
std::vector<Ticket> RandomTickets(std::mt19937& rng, LotteryShape shape, int count);
// Draws whose K numbers are distinct, in random order, in positions 1..K.
std::vector<DrawRecord> FairDraws(std::mt19937& rng, LotteryShape shape, int count);
// Numbers shared by a ticket and a draw, counted from the record, not from bits.
int SharedNumbers(const Ticket& ticket, const DrawRecord& draw, int K);

} // namespace lottery::test
