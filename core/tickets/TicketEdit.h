#pragma once

#include "tickets/Ticket.h"
#include "tickets/TicketMoney.h"

#include <optional>
#include <vector>

namespace lottery {

// One change of a ticket set, of the same kind as a change of the draw list: removeCount
// tickets from position first are replaced by insert, and the prices are replaced when money is
// set. Adding, deleting, editing, sorting and pricing are all edits of this kind, and applying
// one returns the edit that takes it back, so an undo history needs nothing else.
struct TicketEdit {
    int first = 0;
    int removeCount = 0;
    std::vector<Ticket> insert;
    std::optional<TicketMoney> money;

    bool operator==(const TicketEdit&) const = default;
};

} // namespace lottery
