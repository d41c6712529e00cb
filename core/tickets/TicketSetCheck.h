#pragma once

#include "lottery/LotteryShape.h"
#include "tickets/DrawMasks.h"
#include "tickets/Ticket.h"
#include "tickets/TicketMoney.h"
#include "tickets/WorkProgress.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lottery {

// A ticket that reached a match level in a draw.
struct SetHit {
    int ticket = 0;     // index in the set
    long long draw = 0; // 0-based index in the draw list
    int matches = 0;
    bool operator==(const SetHit&) const = default;
};

struct MoneyFigures {
    double spent = 0;           // kopecks
    double won = 0;             // kopecks
    double expectedBalance = 0; // what chance gives won - spent, in kopecks
    double balance() const { return won - spent; }
};

// A set checked against a range of draws, each figure beside what chance gives.
struct TicketSetCheck {
    int K = 0;
    long long tickets = 0;
    DrawRange range;
    std::vector<long long> matches;    // element m: ticket-draws with exactly m numbers matched
    std::vector<double> expected;      // the same under chance: P(m) * tickets * draws
    std::vector<long long> perTicket;  // ticket t, level m at t * (K + 1) + m
    std::vector<SetHit> best;          // most matches first, the latest draw first among equals
    std::optional<MoneyFigures> money; // when the set has prices
    bool cancelled = false;            // stopped through the progress: the figures are partial

    long long ticketMatches(long long ticket, int m) const {
        return perTicket[static_cast<std::size_t>(ticket * (K + 1) + m)];
    }
    long long ticketDraws() const { return tickets * range.size(); }
};

// The tickets against draws [range) of drawMasks (see DrawMasks). listed bounds the best hits.
// Splits the work between two threads when there is enough of it.
TicketSetCheck CheckTicketSet(std::span<const Ticket> tickets,
                              std::span<const std::uint64_t> drawMasks, LotteryShape shape,
                              DrawRange range, const TicketMoney& money = {}, int listed = 20,
                              const WorkProgress& progress = {});

} // namespace lottery
