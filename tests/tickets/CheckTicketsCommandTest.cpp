#include "CheckTicketsCommand.h"

#include "TempDir.h"
#include "TicketTesting.h"
#include "storage/DrawFile.h"
#include "tickets/TicketFile.h"

#include <gtest/gtest.h>
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

} // namespace
} // namespace lottery
