#include "tickets/TicketFile.h"

#include "FaultyFileSystem.h"
#include "TempDir.h"
#include "TicketTesting.h"
#include "lottery/RandomSource.h"
#include "tickets/FigureText.h"
#include "wording/RussianCount.h"

#include <gtest/gtest.h>

namespace lottery {
namespace {

TicketSet RandomSet(std::mt19937& rng, LotteryShape shape) {
    TicketSet set(shape);
    set.Add(test::RandomTickets(rng, shape, std::uniform_int_distribution(0, 30)(rng)));
    if (rng() % 3 != 0) {
        std::uniform_int_distribution<Kopecks> amount(0, TicketMoney::kLargest);
        TicketMoney money{amount(rng) % 100000, {}};
        for (int m = 0; m <= shape.K; ++m)
            money.prizes.push_back(rng() % 2 == 0 ? 0 : amount(rng));
        set.SetMoney(money);
    }
    return set;
}

void ExpectSameSet(const TicketSet& read, const TicketSet& written) {
    ASSERT_EQ(read.shape(), written.shape());
    EXPECT_TRUE(std::ranges::equal(read.tickets(), written.tickets()));
    EXPECT_EQ(read.money().price, written.money().price);
    for (int m = 0; m <= written.shape().K; ++m)
        EXPECT_EQ(read.money().prize(m), written.money().prize(m)) << m;
}

TEST(TicketFile, ReadsBackWhatItWroteThroughEveryRoute) {
    std::mt19937 rng(5);
    test::TempDir dir;
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        const LotteryShape shape = test::RandomShape(rng);
        const TicketSet set = RandomSet(rng, shape);
        const std::string text = TicketFileText(set);
        ExpectSameSet(ReadTicketText(text, shape).set, set);

        // Edited on another system: a byte-order mark and CRLF line ends.
        std::string crlf = "\xEF\xBB\xBF";
        for (const char c : text)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        const TicketFileRead again = ReadTicketText(crlf);
        ASSERT_TRUE(again.usable()) << again.error;
        ExpectSameSet(again.set, set);

        WriteTicketFile(dir.file("set.tickets"), set);
        test::FaultyFileSystem shortReads;
        shortReads.useShortTransfers();
        const TicketFileRead fromDisk = ReadTicketFile(dir.file("set.tickets"), shape, shortReads);
        ASSERT_TRUE(fromDisk.usable()) << fromDisk.error;
        ExpectSameSet(fromDisk.set, set);

        // The same tickets as a table, one a line, comma-separated; the table reader takes a
        // line repeating the one above for a doubled row, so none does.
        std::vector<Ticket> tickets(set.tickets().begin(), set.tickets().end());
        tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
        std::string csv;
        for (const Ticket& ticket : tickets) {
            for (const int n : ticket.numbers())
                csv += std::to_string(n) + ",";
            csv.back() = '\n';
        }
        if (!csv.empty() && shape.K > 1) {
            const TicketFileRead table = ReadTicketText(csv, shape);
            ASSERT_TRUE(table.usable()) << table.error << "\n" << csv;
            EXPECT_TRUE(table.fromTable);
            EXPECT_TRUE(std::ranges::equal(table.set.tickets(), tickets));
        }
    }
}

TEST(TicketFile, RefusesEachFaultyLineWithItsNumberAndReason) {
    const std::string header = TicketFileHeader({6, 49});
    const std::string good = header + "\nцена 100\nвыигрыш 3 300\n1 2 3 4 5 6\n\n# заметка\n"
                                      "7 8 9 10 11 12\n";
    ASSERT_TRUE(ReadTicketText(good, LotteryShape{6, 49}).usable());
    const std::vector<std::string> faults = {
        "1 2 3 4 5 50", "1 2 3 4 5 0",     "1 2 3 4 5 5",  "1 2 3 4 5", "1 2 3 4 5 6 7",
        "1 2 3 4 5 x",  "1 2 3 4 5 -6",    "цена 5",       "цена",      "выигрыш 7 10",
        "выигрыш 3 1",  "выигрыш 4 2,505", "выигрыш 4 -1", "выигрыш 4", "1 2 3 4 5 6.5"};
    for (const std::string& fault : faults) {
        SCOPED_TRACE(fault);
        const TicketFileRead read = ReadTicketText(good + fault + "\n");
        EXPECT_FALSE(read.usable());
        EXPECT_EQ(read.error.rfind("строка 8: ", 0), 0U) << read.error;
    }
    for (const std::string& badHeader : {std::string("# Жребикон: набор билетов 8 из 49"),
                                         std::string("# Жребикон: набор билетов 6 из 50"),
                                         std::string("# Жребикон: набор билетов 6/49")}) {
        const TicketFileRead read = ReadTicketText(badHeader + "\n1 2 3 4 5 6\n");
        EXPECT_EQ(read.error.rfind("строка 1: ", 0), 0U) << badHeader;
    }
    // A set of another lottery is refused, never cut to fit.
    const TicketFileRead other = ReadTicketText(good, LotteryShape{5, 36});
    EXPECT_FALSE(other.usable());
    EXPECT_NE(other.error.find("6 из 49"), std::string::npos);
    EXPECT_NE(other.error.find("5 из 36"), std::string::npos);
}

TEST(TicketSet, EveryEditIsUndoneByWhatItReturns) {
    std::mt19937 rng(9);
    LcgRandom random(17);
    const LotteryShape shape{5, 36};
    TicketSet set(shape);
    std::vector<std::pair<TicketSet, TicketEdit>> steps; // the set before, the inverse
    for (int step = 0; step < 300; ++step) {
        const TicketSet before = set;
        const std::size_t size = set.size();
        TicketEdit inverse;
        switch (rng() % 6) {
        case 0:
            inverse = set.Add(test::RandomTickets(rng, shape, rng() % 4));
            break;
        case 1:
            inverse = set.AddRandom(rng() % 3, random);
            break;
        case 2:
            inverse = size ? set.Replace(rng() % size, test::RandomTickets(rng, shape, 1)[0])
                           : set.Sort();
            break;
        case 3:
            inverse = set.Delete({rng() % (size + 2), rng() % (size + 2), rng() % (size + 2)});
            break;
        case 4:
            inverse = set.Sort();
            break;
        default:
            inverse = set.SetMoney({static_cast<Kopecks>(rng() % 500), {0, 0, 100, 1000}});
            break;
        }
        // A ticket of another shape changes nothing.
        EXPECT_THROW(set.Add({*Ticket::FromNumbers(std::vector{1, 2, 3, 4, 37})}),
                     std::invalid_argument);
        steps.emplace_back(before, inverse);
    }
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        set.Apply(step->second);
        ExpectSameSet(set, step->first);
    }
}

TEST(FigureText, AmountsAndSmallExpectationsKeepTheirDigits) {
    EXPECT_EQ(AmountText(-123456), "−1" + std::string(wording::kGroupSeparator) + "234,56");
    EXPECT_EQ(AmountText(500), "5");
    EXPECT_EQ(ExpectedText(0.000777), "0,00078");
}

} // namespace
} // namespace lottery
