#include "CheckTicketsCommand.h"

#include "JsonNumber.h"
#include "TempDir.h"
#include "TicketList.h"
#include "TicketTesting.h"
#include "storage/DrawFile.h"
#include "tickets/TicketFile.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace lottery {
namespace {

TEST(CheckTicketsCommand, PrintsTheCountsAsJsonAndRefusesWhatDoesNotFit) {
    std::mt19937 rng(8);
    test::TempDir dir;
    const LotteryShape shape{3, 10};
    const auto draws = test::FairDraws(rng, shape, 50);
    WriteDrawFile(dir.file("h.dat"), draws, shape, {});
    TicketSet set(shape);
    set.Add(test::RandomTickets(rng, shape, 2));
    WriteTicketFile(dir.file("s.tickets"), set);

    std::ostringstream out, err;
    ASSERT_EQ(RunCheckTickets({dir.file("s.tickets"), dir.file("h.dat"), "--json"}, out, err), 0)
        << err.str();
    std::string matches;
    for (int m = 0; m <= shape.K; ++m) {
        long long count = 0;
        for (const Ticket& ticket : set.tickets())
            for (const DrawRecord& draw : draws)
                count += test::SharedNumbers(ticket, draw, shape.K) == m ? 1 : 0;
        matches += (m ? ", \"" : "\"") + std::to_string(m) + "\": " + std::to_string(count);
    }
    EXPECT_EQ(out.str().rfind("{\"tickets\": 2, \"draws\": 50, \"matches\": {" + matches +
                                  "}, \"expected\": {\"0\": ",
                              0),
              0U)
        << out.str();

    WriteTicketFile(dir.file("other.tickets"), TicketSet({4, 10}));
    EXPECT_EQ(RunCheckTickets({dir.file("other.tickets"), dir.file("h.dat")}, out, err), 1);
    EXPECT_NE(err.str().find("4 из 10"), std::string::npos);
    EXPECT_EQ(RunCheckTickets({dir.file("s.tickets")}, out, err), 2);
}

// JSON has no spelling for NaN or infinity: a figure that is not finite must not break the output.
TEST(CheckTicketsCommand, JsonWritesNullForAFigureThatIsNotFinite) {
    for (const double value : {std::nan(""), HUGE_VAL, -HUGE_VAL})
        EXPECT_EQ(JsonNumber(value, 10), "null");
    EXPECT_NEAR(std::stod(JsonNumber(1.0 / 3, 10)), 1.0 / 3, 1e-10);
}

// A ticket typed in the window and a line of a wheel's list are read alike: random lines of
// numbers, strays and separators are taken by both readers or by neither, as the same numbers.
TEST(CheckTicketsCommand, TheTicketReadersTakeTheSameLines) {
    std::mt19937 rng(5);
    const LotteryShape shape{3, 9};
    const char* pieces[] = {"1", "2",  "5", "9", "10", "0",  "-4",
                            "x", "07", " ", ",", ";",  "\t", "\r"};
    for (int round = 0; round < 3000; ++round) {
        std::string line = std::to_string(1 + rng() % 9);
        for (int piece = static_cast<int>(rng() % 8); piece > 0; --piece)
            line += pieces[rng() % std::size(pieces)];
        Ticket ticket;
        const bool typed = ParseTicket(line, shape, ticket).empty();
        const TicketList listed = ParseTicketList(line, shape.N, shape.K);
        ASSERT_EQ(typed, listed.error.empty()) << line;
        if (!typed)
            continue;
        std::vector<int> listedNumbers = listed.tickets.at(0);
        std::sort(listedNumbers.begin(), listedNumbers.end());
        EXPECT_EQ(ticket.numbers(), listedNumbers) << line;
    }
}

} // namespace
} // namespace lottery
