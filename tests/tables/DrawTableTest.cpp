#include "HistoryCsv.h"
#include "RandomDraws.h"
#include "tables/DrawTableReader.h"
#include "tables/DrawTableWriter.h"
#include "tables/HistoryContinuation.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace lottery {
namespace {

using Draws = std::vector<std::vector<int>>;

Draws NumbersOf(const DrawTable& table) {
    Draws draws;
    for (const DrawRecord& record : table.draws)
        draws.emplace_back(record.begin(), record.begin() + table.shape.K);
    return draws;
}

std::vector<std::size_t> RefusedLines(const DrawTable& table) {
    std::vector<std::size_t> lines;
    for (const TableNote& note : table.refused)
        lines.push_back(note.line);
    return lines;
}

struct Layout {
    const char* name;
    std::string text;
    int K, N;
    Draws draws; // oldest first
    TableOrder order;
    std::vector<std::size_t> refused;
    std::size_t warnings = 0;
};

TEST(DrawTableReader, ReadsTheLayoutsOfTheFamily) {
    const Layout layouts[] = {
        {"comma, header, bonus named",
         "Date,Num1,Num2,Num3,Bonus\n2020-01-01,1,5,9,4\n"
         "2020-01-08,2,6,10,3\n2020-01-15,3,7,11,2\n",
         3,
         11,
         {{1, 5, 9}, {2, 6, 10}, {3, 7, 11}},
         TableOrder::OldestFirst,
         {}},
        {"semicolon, newest first by date, CRLF and BOM",
         "\xEF\xBB\xBF"
         "Datum;Zahl 1;Zahl 2;Superzahl\r\n15.01.2020;3;7;1\r\n08.01.2020;2;6;1\r\n"
         "01.01.2020;1;5;1\r\n",
         2,
         7,
         {{1, 5}, {2, 6}, {3, 7}},
         TableOrder::NewestFirst,
         {}},
        {"tab, no header, draw number falling, bonus after sorted numbers",
         "4\t2020.01.22\t4\t8\t12\t33\t2\n3\t2020.01.15\t13\t27\t31\t40\t1\n"
         "2\t2020.01.08\t2\t6\t10\t29\t5\n1\t2020.01.01\t11\t15\t19\t45\t7\n",
         4,
         45,
         {{11, 15, 19, 45}, {2, 6, 10, 29}, {13, 27, 31, 40}, {4, 8, 12, 33}},
         TableOrder::NewestFirst,
         {}},
        {"blanks, ordinal and packed commas",
         "1. 27.01.1957 8,12,31\n2. 03.02.1957 5,10,11\n"
         "3. 10.02.1957 18,19,20\n",
         3,
         31,
         {{8, 12, 31}, {5, 10, 11}, {18, 19, 20}},
         TableOrder::OldestFirst,
         {}},
        {"quoted packed field with blanks, US dates newest first",
         "Draw Date,Winning Numbers,Bonus #\n03/16/2019,\"01 04 06 17 31\",\n"
         "03/15/2019,10 19 21 24 29,\n03/14/2019,07 13 32 33 39,\n",
         5,
         39,
         {{7, 13, 32, 33, 39}, {10, 19, 21, 24, 29}, {1, 4, 6, 17, 31}},
         TableOrder::NewestFirst,
         {}},
        {"dashes in one field, quoted month-name dates, a misspelt month",
         "\"June 12, 1982\",3-12-18-27-34-41\n\"Jnue 19, 1982\",1-2-3-4-5-6\n"
         "\"June 26, 1982\",7-8-9-10-11-12\n",
         6,
         42,
         {{3, 12, 18, 27, 34, 41}, {1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}},
         TableOrder::OldestFirst,
         {},
         1},
        {"a date far out of place stays where it is",
         "Дата,Число 1,Число 2\n01.01.2020,1,2\n"
         "08.01.2020,3,4\n15.01.1920,5,6\n"
         "22.01.2020,7,8\n29.01.2020,9,10\n",
         2,
         10,
         {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}},
         TableOrder::OldestFirst,
         {},
         1},
        {"lines it cannot use are listed",
         "No,N1,N2,N3\n1,1,2,3\n2,4,5\n3,6,6,7\n4,x,8,9\n5,0,1,2\n6,10,11,12\nend of table\n",
         3,
         12,
         {{1, 2, 3}, {10, 11, 12}},
         TableOrder::OldestFirst,
         {3, 4, 5, 6, 8}},
        {"titles above the header, empty names continue the column before",
         "Archiv der Zahlen\nDatum,Wochentag,Gewinnzahlen,,,Zusatzzahl\n"
         "2016-03-19,Samstag,4,10,15,9\n2016-03-16,Mittwoch,9,11,26,\n",
         3,
         26,
         {{9, 11, 26}, {4, 10, 15}},
         TableOrder::NewestFirst,
         {}},
        {"no header, no order column: the rows as listed",
         "5 17 23\n1 2 3\n40 41 42\n9 8 7\n",
         3,
         42,
         {{5, 17, 23}, {1, 2, 3}, {40, 41, 42}, {9, 8, 7}},
         TableOrder::AsListed,
         {}},
        {"Windows-1251 header",
         "\xD2\xE8\xF0\xE0\xE6;\xD7\xE8\xF1\xEB\xEE 1;\xD7\xE8\xF1\xEB\xEE 2\n"
         "1;5;36\n2;6;7\n3;8;9\n",
         2,
         36,
         {{5, 36}, {6, 7}, {8, 9}},
         TableOrder::OldestFirst,
         {}},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const DrawTable table = ReadDrawTable(layout.text);
        ASSERT_TRUE(table.usable()) << table.error;
        EXPECT_EQ(table.shape, (LotteryShape{static_cast<std::uint8_t>(layout.K),
                                             static_cast<std::uint8_t>(layout.N)}));
        EXPECT_EQ(NumbersOf(table), layout.draws);
        EXPECT_EQ(table.order, layout.order);
        EXPECT_EQ(RefusedLines(table), layout.refused);
        EXPECT_EQ(table.warnings.size(), layout.warnings);
    }
}

TEST(DrawTableReader, RefusesWhatItCannotKeepAndSaysWhy) {
    const std::pair<std::string, std::string> tables[] = {
        {"", "пуст"},
        {"\n \r\n", "пуст"},
        {"Date,Num1,Num2\n", "заголов"},
        {std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\0",
                     10),
         "двоичн"},
        {"5,12,40,55,69\n1,2,3,50,60\n7,8,9,52,61\n", "49"},
        {"1,2,3,4,5,6,7,8\n9,10,11,12,13,14,15,16\n17,18,19,20,21,22,23,24\n", "7"},
        {"hello\nworld\n", "не нашлось"},
        {std::string(100000, '1') + "\n", "длинн"},
    };
    for (const auto& [text, reason] : tables) {
        const DrawTable table = ReadDrawTable(text);
        EXPECT_NE(table.error.find(reason), std::string::npos)
            << text.substr(0, 40) << ": " << table.error;
        EXPECT_TRUE(table.draws.empty());
    }
}

TEST(DrawTableReader, KeepsAThousandWarningsAndCountsTheRest) {
    // Dates from 2300 on are not read: a note a line, of which only the first thousand are kept.
    std::string text = "Date,N1,N2,N3,N4,N5,N6\n";
    constexpr int kLines = 3000, kReadable = 500;
    for (int i = 0; i < kLines; ++i)
        text += std::to_string(1 + i % 28) + ".0" + std::to_string(1 + i / 28 % 9) + "." +
                std::to_string((i < kReadable ? 1900 : 2300) + i / 252) + ",1,2,3,4,5," +
                std::to_string(6 + i % 44) + "\n";
    const DrawTable table = ReadDrawTable(text);
    ASSERT_EQ(table.draws.size(), std::size_t{kLines}) << table.error;
    EXPECT_EQ(table.warnings.size(), DrawTable::kWarningsKept);
    EXPECT_EQ(table.warnings.size() + table.warningsNotKept, std::size_t{kLines - kReadable});
}

TEST(DrawTableReader, ReadsBackWhatItWroteForEveryShape) {
    std::mt19937 rng(14);
    for (int K = 1; K <= LotteryShape::kMaxK; ++K)
        for (int N = K + 1; N <= LotteryShape::kMaxN; ++N) {
            const LotteryShape shape{static_cast<std::uint8_t>(K), static_cast<std::uint8_t>(N)};
            const auto draws = test::RandomDraws(rng, shape, 1 + static_cast<int>(rng() % 40));
            TableChoice choice;
            choice.N = N;
            const DrawTable table = ReadDrawTable(DrawTableCsv(draws, shape), choice);
            ASSERT_TRUE(table.usable()) << K << "/" << N << ": " << table.error;
            ASSERT_EQ(table.shape, shape);
            ASSERT_EQ(table.draws.size(), draws.size());
            for (std::size_t i = 0; i < draws.size(); ++i)
                ASSERT_TRUE(
                    std::equal(draws[i].begin(), draws[i].begin() + K, table.draws[i].begin()))
                    << K << "/" << N << " draw " << i;
            ASSERT_TRUE(table.refused.empty() && table.warnings.empty());
        }
}

TEST(HistoryContinuation, FindsWhereAnUpdatedHistoryGoesOn) {
    const DrawRecord a{1, 2, 3}, b{4, 5, 6}, c{7, 8, 9}, bByHand{6, 4, 5};
    const std::vector<DrawRecord> current{a, b};
    EXPECT_EQ(NewDrawsStartAt(current, std::vector{a, bByHand, c}, 3), 2u);
    EXPECT_EQ(NewDrawsStartAt(current, std::vector{a, c, c}, 3), std::nullopt);
    EXPECT_EQ(NewDrawsStartAt(current, current, 3), std::nullopt); // nothing new
    EXPECT_EQ(NewDrawsStartAt({}, current, 3), std::nullopt);
    EXPECT_EQ(NewDrawsStartAt(current, std::vector{a, DrawRecord{4, 5, 7}, c}, 2), 2u);
}

TEST(HistoryContinuation, AnUpdatedDownloadAddsWhatComesAfterItsOverlap) {
    // Any stretch of a history, laid over its first n draws: what lies past n is new, and a
    // stretch that ends within them brings nothing.
    std::mt19937 rng(19);
    const auto history = test::RandomDraws(rng, LotteryShape{6, 49}, 60);
    const std::size_t n = 40;
    const auto current = std::span(history).first(n);
    for (std::size_t from = 0; from < n; from += 3)
        for (std::size_t to = from + 1; to <= history.size(); to += 4) {
            const TableOverlap overlap =
                OverlapWithHistory(current, std::span(history).subspan(from, to - from), 6);
            EXPECT_EQ(overlap.nothingNew, to <= n) << from << ".." << to;
            EXPECT_EQ(overlap.newFrom, to > n ? std::optional(n - from) : std::nullopt);
        }
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(DrawTableReader, ReadsTheRealTables) {
    const auto history = test::FindHistoryCsv(ZHREBIKON_SOURCE_DIR);
    if (!history)
        GTEST_SKIP() << "the real draw tables are not beside the project";
    const std::filesystem::path shared =
        std::filesystem::path(*history).parent_path().parent_path();
    struct Real {
        const char* file;
        int K, N;
        std::size_t draws; // every line below the header but repeated rows
        TableOrder order;
        std::size_t repeatedRows = 0;
    };
    const Real reals[] = {
        {"data/lotto649-canada-1982-2025.csv", 6, 49, 3622, TableOrder::OldestFirst},
        {"realdata/pl_lotto_dl.txt", 6, 49, 6334, TableOrder::OldestFirst},
        {"realdata/fr_loto_201911.csv", 5, 49, 561, TableOrder::NewestFirst},
        {"realdata/au_OzLotto.csv", 7, 45, 581, TableOrder::OldestFirst},
        {"realdata/kr_lotto.csv", 6, 45, 872, TableOrder::NewestFirst},
        {"realdata/de_lottozahlen_archiv.csv", 6, 49, 4164, TableOrder::NewestFirst},
        {"realdata/us_ny_Lottery_Take_5_Winning_Numbers.csv", 5, 39, 8005, TableOrder::NewestFirst,
         2},
        {"realdata/es_primitiva.csv", 6, 49, 573, TableOrder::NewestFirst},
    };
    for (const Real& real : reals) {
        SCOPED_TRACE(real.file);
        const DrawTable table = ReadDrawTable(ReadFile(shared / real.file));
        ASSERT_TRUE(table.usable()) << table.error;
        EXPECT_EQ(table.shape, (LotteryShape{static_cast<std::uint8_t>(real.K),
                                             static_cast<std::uint8_t>(real.N)}));
        EXPECT_EQ(table.draws.size(), real.draws);
        EXPECT_EQ(table.refused.size(), real.repeatedRows);
        EXPECT_EQ(table.order, real.order);
    }
    // The 6/49 history against the plain reader of the tests: the same draws in the same order,
    // and the misspelt month and the two dates out of place are told.
    const DrawTable canada = ReadDrawTable(ReadFile(*history));
    const auto plain = test::ReadHistoryCsv(*history);
    ASSERT_TRUE(plain.has_value());
    ASSERT_EQ(canada.draws.size(), plain->size());
    for (std::size_t i = 0; i < plain->size(); ++i)
        ASSERT_TRUE(
            std::equal(canada.draws[i].begin(), canada.draws[i].begin() + 6, (*plain)[i].begin()))
            << i;
    EXPECT_EQ(canada.warnings.size(), 3u);
    const DrawTable powerball = ReadDrawTable(
        ReadFile(shared / "realdata/us_ny_Lottery_Powerball_Winning_Numbers__Beginning_2010.csv"));
    EXPECT_NE(powerball.error.find("49"), std::string::npos) << powerball.error;
    EXPECT_TRUE(powerball.draws.empty());
}

} // namespace
} // namespace lottery
