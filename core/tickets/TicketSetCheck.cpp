#include "tickets/TicketSetCheck.h"

#include "chance/ChanceMath.h"
#include "tickets/BestHits.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <thread>

namespace lottery {
namespace {

// Below this many ticket-draws a second thread costs more than it saves.
constexpr long long kWorthAThread = 1LL << 22;
// Match counts of a block of draws go to one byte each of a 64-bit word; a block must not
// reach 256 draws.
constexpr long long kBlock = 255;
// Draws between two looks at the progress: some hundredths of a second for a big set.
constexpr long long kChunk = kBlock * 256;

struct Partial {
    std::vector<long long> perTicket;
    BestHits best;
};

// The draws go in blocks small enough to stay in the nearest cache while every ticket is
// matched against them: the history is read from memory once, not once per ticket. Always
// inlined, so that it is compiled with the popcount instruction where its caller is.
[[gnu::always_inline]] inline void CountAll(std::span<const Ticket> tickets,
                                            const std::uint64_t* draws, long long first,
                                            long long last, int K, Partial& partial) {
    for (long long blockStart = first; blockStart < last; blockStart += kBlock) {
        const long long blockEnd = std::min(last, blockStart + kBlock);
        for (std::size_t t = 0; t < tickets.size(); ++t) {
            const std::uint64_t ticket = tickets[t].mask();
            std::uint64_t lanes = 0;
            int floor = partial.best.floor();
            for (long long d = blockStart; d < blockEnd; ++d) {
                const int m = __builtin_popcountll(draws[d] & ticket);
                lanes += std::uint64_t{1} << (m * 8);
                if (m >= floor) [[unlikely]] {
                    partial.best.offer({static_cast<int>(t), d, m});
                    floor = partial.best.floor();
                }
            }
            long long* levels = &partial.perTicket[t * static_cast<std::size_t>(K + 1)];
            for (int m = 0; m <= K; ++m)
                levels[m] += static_cast<long long>((lanes >> (m * 8)) & 0xFF);
        }
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
// Every x86-64 processor of the last fifteen years counts bits in one instruction; the build
// targets the oldest, so the counting loop is compiled twice and the better one chosen at run
// time.
[[gnu::target("popcnt")]] void CountAllFast(std::span<const Ticket> tickets,
                                            const std::uint64_t* draws, long long first,
                                            long long last, int K, Partial& partial) {
    CountAll(tickets, draws, first, last, K, partial);
}
#endif

void CountAllPortable(std::span<const Ticket> tickets, const std::uint64_t* draws, long long first,
                      long long last, int K, Partial& partial) {
    CountAll(tickets, draws, first, last, K, partial);
}

void Count(std::span<const Ticket> tickets, const std::uint64_t* draws, long long first,
           long long last, int K, Partial& partial) {
#if defined(__x86_64__) && defined(__GNUC__)
    if (__builtin_cpu_supports("popcnt")) {
        CountAllFast(tickets, draws, first, last, K, partial);
        return;
    }
#endif
    CountAllPortable(tickets, draws, first, last, K, partial);
}

} // namespace

TicketSetCheck CheckTicketSet(std::span<const Ticket> tickets,
                              std::span<const std::uint64_t> drawMasks, LotteryShape shape,
                              DrawRange range, const TicketMoney& money, int listed,
                              const WorkProgress& progress) {
    for (const Ticket& ticket : tickets)
        if (!ticket.fits(shape))
            throw std::invalid_argument("ticket does not fit the lottery");
    TicketSetCheck check;
    const int K = shape.K;
    check.K = K;
    check.tickets = static_cast<long long>(tickets.size());
    check.range = range.clamped(static_cast<long long>(drawMasks.size()));
    const std::size_t levels = static_cast<std::size_t>(K) + 1;

    const auto fresh = [&] {
        return Partial{std::vector<long long>(tickets.size() * levels, 0), BestHits(listed)};
    };
    Partial whole = fresh();
    const long long first = check.range.first;
    const long long last = check.range.last;
    std::atomic<bool> stop = false;
    // Each thread counts its draws chunk by chunk; only the calling one asks the progress.
    const auto run = [&](long long from, long long to, Partial& partial, bool asks) {
        for (long long chunk = from; chunk < to && !stop; chunk += kChunk) {
            Count(tickets, drawMasks.data(), chunk, std::min(to, chunk + kChunk), K, partial);
            if (asks && progress &&
                !progress(static_cast<double>(std::min(to, chunk + kChunk) - from) /
                          static_cast<double>(to - from)))
                stop = true;
        }
    };
    if (check.tickets * check.range.size() >= kWorthAThread && check.range.size() >= 2) {
        const long long middle = first + check.range.size() / 2;
        Partial later = fresh();
        std::thread helper([&] { run(middle, last, later, false); });
        run(first, middle, whole, true);
        helper.join();
        for (std::size_t i = 0; i < whole.perTicket.size(); ++i)
            whole.perTicket[i] += later.perTicket[i];
        whole.best.merge(later.best);
    } else {
        run(first, last, whole, true);
    }
    check.cancelled = stop;

    check.perTicket = std::move(whole.perTicket);
    check.best = whole.best.sorted();
    check.matches.assign(levels, 0);
    for (std::size_t i = 0; i < check.perTicket.size(); ++i)
        check.matches[i % levels] += check.perTicket[i];

    const std::vector<double> chance = MatchProbabilities(K, shape.N);
    const auto ticketDraws = static_cast<double>(check.ticketDraws());
    for (const double p : chance)
        check.expected.push_back(p * ticketDraws);
    if (money.priced()) {
        MoneyFigures figures;
        figures.spent = static_cast<double>(money.price) * ticketDraws;
        double expectedWon = 0;
        for (int m = 0; m <= K; ++m) {
            const auto prize = static_cast<double>(money.prize(m));
            figures.won += prize * static_cast<double>(check.matches[static_cast<std::size_t>(m)]);
            expectedWon += prize * check.expected[static_cast<std::size_t>(m)];
        }
        figures.expectedBalance = expectedWon - figures.spent;
        check.money = figures;
    }
    return check;
}

} // namespace lottery
