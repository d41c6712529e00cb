#include "tickets/Backtest.h"

#include "lottery/RandomSource.h"
#include "tickets/FigureText.h"
#include "tickets/TicketSet.h"
#include "wording/RussianCount.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <stdexcept>

namespace lottery {
namespace {

// What the draws before the one being played say about each number, kept up to date as the
// cut-off moves one draw on.
class PastCounts {
public:
    explicit PastCounts(int N)
        : N_(N), drawn_(static_cast<std::size_t>(N) + 1, 0),
          lastSeen_(static_cast<std::size_t>(N) + 1, -1), order_(static_cast<std::size_t>(N)) {}

    void add(std::uint64_t draw, long long index) {
        for (std::uint64_t rest = draw; rest != 0; rest &= rest - 1) {
            const auto number = static_cast<std::size_t>(std::countr_zero(rest));
            if (number <= static_cast<std::size_t>(N_)) {
                drawn_[number] += 1;
                lastSeen_[number] = index;
            }
        }
    }

    // The K numbers first in the order `before` gives, the lower number among equals.
    template <typename Before> Ticket first(int K, Before before) {
        std::iota(order_.begin(), order_.end(), 1);
        std::partial_sort(order_.begin(), order_.begin() + K, order_.end(),
                          [&](int a, int b) { return before(a, b) || (!before(b, a) && a < b); });
        std::uint64_t mask = 0;
        for (int i = 0; i < K; ++i)
            mask |= std::uint64_t{1} << order_[static_cast<std::size_t>(i)];
        return Ticket::FromMask(mask);
    }

    Ticket choose(ChoiceWay way, int K) {
        switch (way) {
        case ChoiceWay::MostFrequent:
            return first(K, [this](int a, int b) { return drawn(a) > drawn(b); });
        case ChoiceWay::LeastFrequent:
            return first(K, [this](int a, int b) { return drawn(a) < drawn(b); });
        case ChoiceWay::LongestWaiting:
            return first(K, [this](int a, int b) { return seen(a) < seen(b); });
        default:
            return {};
        }
    }

private:
    long long drawn(int n) const { return drawn_[static_cast<std::size_t>(n)]; }
    long long seen(int n) const { return lastSeen_[static_cast<std::size_t>(n)]; }

    int N_;
    std::vector<long long> drawn_;
    std::vector<long long> lastSeen_;
    std::vector<int> order_;
};

void Holm(std::vector<WayOutcome>& ways) {
    std::vector<std::size_t> order(ways.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return ways[a].pValue < ways[b].pValue; });
    double running = 0;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        WayOutcome& way = ways[order[rank]];
        running =
            std::max(running, std::min(1.0, static_cast<double>(order.size() - rank) * way.pValue));
        way.adjustedP = running;
    }
}

} // namespace

std::string ChoiceWayName(ChoiceWay way, int K) {
    const std::string numbers = wording::CountOf(K, {"номер", "номера", "номеров"});
    switch (way) {
    case ChoiceWay::MostFrequent:
        return K == 1 ? "самый частый номер" : numbers + " — самые частые";
    case ChoiceWay::LeastFrequent:
        return K == 1 ? "самый редкий номер" : numbers + " — самые редкие";
    case ChoiceWay::LongestWaiting:
        return K == 1 ? "дольше всех не выпадавший номер"
                      : numbers + " — дольше всех не выпадавшие";
    case ChoiceWay::SameSet:
        return "свой набор, каждый тираж";
    case ChoiceWay::Random:
        return "случайный билет, каждый тираж новый";
    }
    return {};
}

bool Backtest::anyBetter() const {
    return std::any_of(ways.begin(), ways.end(),
                       [](const WayOutcome& way) { return way.adjustedP < kLevel; });
}

Backtest RunBacktest(std::span<const std::uint64_t> drawMasks, LotteryShape shape,
                     const BacktestRequest& request) {
    if (!shape.isValid())
        throw std::invalid_argument("invalid lottery shape");
    for (const Ticket& ticket : request.set)
        if (!ticket.fits(shape))
            throw std::invalid_argument("ticket does not fit the lottery");
    const int K = shape.K;
    Backtest backtest;
    backtest.K = K;
    backtest.range = request.range.clamped(static_cast<long long>(drawMasks.size()));
    const long long draws = backtest.range.size();

    std::vector<ChoiceWay> ways;
    for (const ChoiceWay way : request.ways)
        if ((way != ChoiceWay::SameSet || !request.set.empty()) &&
            std::find(ways.begin(), ways.end(), way) == ways.end())
            ways.push_back(way);
    for (const ChoiceWay way : ways) {
        WayOutcome outcome;
        outcome.way = way;
        outcome.matches.assign(static_cast<std::size_t>(K) + 1, 0);
        backtest.ways.push_back(std::move(outcome));
    }

    PastCounts past(shape.N);
    for (long long i = 0; i < backtest.range.first; ++i)
        past.add(drawMasks[static_cast<std::size_t>(i)], i);
    LcgRandom random(request.seed);
    const auto play = [K](WayOutcome& outcome, std::uint64_t ticket, std::uint64_t draw) {
        const int m = std::min(std::popcount(ticket & draw), K);
        outcome.matches[static_cast<std::size_t>(m)] += 1;
        outcome.hits += m;
    };
    for (long long i = backtest.range.first; i < backtest.range.last; ++i) {
        const std::uint64_t draw = drawMasks[static_cast<std::size_t>(i)];
        for (WayOutcome& outcome : backtest.ways) {
            if (outcome.way == ChoiceWay::SameSet) {
                for (const Ticket& ticket : request.set)
                    play(outcome, ticket.mask(), draw);
                continue;
            }
            const Ticket ticket = outcome.way == ChoiceWay::Random
                                      ? TicketSet::RandomTicket(shape, random)
                                      : past.choose(outcome.way, K);
            play(outcome, ticket.mask(), draw);
            if (request.keepChoices)
                outcome.choices.push_back(ticket);
        }
        past.add(draw, i);
        if (request.progress && (i - backtest.range.first) % 4096 == 4095 &&
            !request.progress(static_cast<double>(i - backtest.range.first + 1) /
                              static_cast<double>(draws))) {
            backtest.cancelled = true;
            return backtest;
        }
    }

    // Any one ticket stands for the one-ticket ways: chance treats every ticket alike.
    const Ticket single = Ticket::FromMask(((std::uint64_t{1} << K) - 1) << 1);
    for (WayOutcome& outcome : backtest.ways) {
        const std::span<const Ticket> group =
            outcome.way == ChoiceWay::SameSet ? request.set : std::span<const Ticket>(&single, 1);
        outcome.ticketDraws = draws * static_cast<long long>(group.size());
        outcome.chance = ChanceOfGroup(group, shape, draws);
        outcome.pValue = outcome.chance.upperTail(outcome.hits);
    }
    Holm(backtest.ways);
    return backtest;
}

} // namespace lottery
