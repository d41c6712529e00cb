#pragma once

#include "lottery/LotteryShape.h"
#include "lottery/RandomSource.h"
#include "tickets/Ticket.h"
#include "tickets/TicketEdit.h"
#include "tickets/TicketMoney.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace lottery {

// The user's tickets for one lottery shape, each K distinct numbers of 1..N, with the price of
// a ticket and the prize per match level. Every change is an edit that returns its inverse.
class TicketSet {
public:
    // No set is meant to be bigger: a home player's set, and the bound keeps a check of the
    // whole history quick.
    static constexpr std::size_t kMostTickets = 10'000;

    explicit TicketSet(LotteryShape shape = {}) : shape_(shape) {}

    LotteryShape shape() const { return shape_; }
    std::span<const Ticket> tickets() const { return tickets_; }
    std::size_t size() const { return tickets_.size(); }
    bool empty() const { return tickets_.empty(); }
    const Ticket& at(std::size_t index) const { return tickets_.at(index); }
    const TicketMoney& money() const { return money_; }
    bool operator==(const TicketSet&) const = default;

    // Applies the edit and returns its exact inverse. Throws std::out_of_range for a range
    // outside the set and std::invalid_argument for a ticket that does not fit the shape, a
    // negative amount or a set that would grow past kMostTickets; nothing changes then.
    TicketEdit Apply(const TicketEdit& edit);
    // Why Apply would refuse the edit (English, for the log and exceptions); empty when it
    // would not.
    std::string Refusal(const TicketEdit& edit) const;

    // The usual edits, made but not applied, for an undo history that applies them itself.
    TicketEdit EditToAdd(std::vector<Ticket> tickets) const;
    TicketEdit EditToReplace(std::size_t index, const Ticket& ticket) const;
    // The tickets at these indices (any order; repeats and strays ignored) as one edit.
    TicketEdit EditToDelete(std::vector<std::size_t> indices) const;
    TicketEdit EditToSort() const;
    TicketEdit EditToSetMoney(const TicketMoney& money) const;
    // Every ticket and the prices of another set of the same shape: opening a file.
    TicketEdit EditToTake(const TicketSet& other) const;

    // The same, applied; each returns what undoes it.
    TicketEdit Add(std::vector<Ticket> tickets) { return Apply(EditToAdd(std::move(tickets))); }
    TicketEdit AddRandom(std::size_t count, RandomSource& random) {
        return Add(RandomTickets(shape_, count, random));
    }
    TicketEdit Replace(std::size_t index, const Ticket& ticket) {
        return Apply(EditToReplace(index, ticket));
    }
    TicketEdit Delete(std::vector<std::size_t> indices) {
        return Apply(EditToDelete(std::move(indices)));
    }
    TicketEdit Sort() { return Apply(EditToSort()); }
    TicketEdit SetMoney(const TicketMoney& money) { return Apply(EditToSetMoney(money)); }

    // K distinct numbers of 1..N drawn like the home draw draws its balls.
    static Ticket RandomTicket(LotteryShape shape, RandomSource& random);
    // Throws std::invalid_argument for more than kMostTickets.
    static std::vector<Ticket> RandomTickets(LotteryShape shape, std::size_t count,
                                             RandomSource& random);

private:
    LotteryShape shape_;
    std::vector<Ticket> tickets_;
    TicketMoney money_;
};

} // namespace lottery
