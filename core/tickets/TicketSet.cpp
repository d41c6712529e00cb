#include "tickets/TicketSet.h"

#include <algorithm>
#include <stdexcept>

namespace lottery {
namespace {

bool ValidMoney(const TicketMoney& money, int K) {
    const auto inRange = [](Kopecks amount) {
        return amount >= 0 && amount <= TicketMoney::kLargest;
    };
    return inRange(money.price) && money.prizes.size() <= static_cast<std::size_t>(K) + 1 &&
           std::all_of(money.prizes.begin(), money.prizes.end(), inRange);
}

} // namespace

std::string TicketSet::Refusal(const TicketEdit& edit) const {
    const auto size = static_cast<long long>(tickets_.size());
    if (edit.first < 0 || edit.removeCount < 0 || edit.first > size ||
        edit.removeCount > size - edit.first)
        return "ticket edit outside the set";
    for (const Ticket& ticket : edit.insert)
        if (!ticket.fits(shape_))
            return "ticket does not fit the lottery";
    if (size - edit.removeCount + static_cast<long long>(edit.insert.size()) >
        static_cast<long long>(kMostTickets))
        return "too many tickets";
    if (edit.money && !ValidMoney(*edit.money, shape_.K))
        return "invalid amount";
    return {};
}

TicketEdit TicketSet::Apply(const TicketEdit& edit) {
    if (const std::string refusal = Refusal(edit); !refusal.empty()) {
        if (refusal == "ticket edit outside the set")
            throw std::out_of_range(refusal);
        throw std::invalid_argument(refusal);
    }

    TicketEdit inverse;
    inverse.first = edit.first;
    inverse.removeCount = static_cast<int>(edit.insert.size());
    const auto from = tickets_.begin() + edit.first;
    inverse.insert.assign(from, from + edit.removeCount);
    tickets_.erase(from, from + edit.removeCount);
    tickets_.insert(tickets_.begin() + edit.first, edit.insert.begin(), edit.insert.end());
    if (edit.money) {
        inverse.money = money_;
        money_ = *edit.money;
    }
    return inverse;
}

TicketEdit TicketSet::EditToAdd(std::vector<Ticket> tickets) const {
    return {static_cast<int>(tickets_.size()), 0, std::move(tickets), std::nullopt};
}

std::vector<Ticket> TicketSet::RandomTickets(LotteryShape shape, std::size_t count,
                                             RandomSource& random) {
    if (count > kMostTickets)
        throw std::invalid_argument("too many tickets");
    std::vector<Ticket> tickets;
    tickets.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        tickets.push_back(RandomTicket(shape, random));
    return tickets;
}

TicketEdit TicketSet::EditToReplace(std::size_t index, const Ticket& ticket) const {
    if (index >= tickets_.size())
        throw std::out_of_range("no such ticket");
    return {static_cast<int>(index), 1, {ticket}, std::nullopt};
}

TicketEdit TicketSet::EditToDelete(std::vector<std::size_t> indices) const {
    std::erase_if(indices, [this](std::size_t index) { return index >= tickets_.size(); });
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    if (indices.empty())
        return {};
    // One edit from the first deleted ticket to the last, keeping those between.
    TicketEdit edit;
    edit.first = static_cast<int>(indices.front());
    edit.removeCount = static_cast<int>(indices.back() - indices.front() + 1);
    for (std::size_t i = indices.front(), next = 0; i <= indices.back(); ++i) {
        if (next < indices.size() && indices[next] == i)
            ++next;
        else
            edit.insert.push_back(tickets_[i]);
    }
    return edit;
}

TicketEdit TicketSet::EditToSort() const {
    std::vector<Ticket> sorted = tickets_;
    std::stable_sort(sorted.begin(), sorted.end());
    return {0, static_cast<int>(tickets_.size()), std::move(sorted), std::nullopt};
}

TicketEdit TicketSet::EditToSetMoney(const TicketMoney& money) const {
    return {0, 0, {}, money};
}

TicketEdit TicketSet::EditToTake(const TicketSet& other) const {
    if (other.shape_ != shape_)
        throw std::invalid_argument("a set of another lottery");
    return {0, static_cast<int>(tickets_.size()),
            std::vector<Ticket>(other.tickets_.begin(), other.tickets_.end()), other.money_};
}

Ticket TicketSet::RandomTicket(LotteryShape shape, RandomSource& random) {
    if (!shape.isValid())
        return {};
    // K < N always leaves a free number, so the retry loop ends.
    std::uint64_t mask = 0;
    for (int m = 0; m < shape.K; ++m) {
        std::uint64_t bit = 0;
        do {
            bit = std::uint64_t{1} << (random.Random(shape.N) + 1);
        } while ((mask & bit) != 0);
        mask |= bit;
    }
    return Ticket::FromMask(mask);
}

} // namespace lottery
