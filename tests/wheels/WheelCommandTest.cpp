#include "WheelCommand.h"

#include "NumberList.h"
#include "TempDir.h"
#include "TicketList.h"
#include "wheels/WheelVerifier.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using lottery::test::TempDir;

namespace {

struct Outcome {
    int code;
    std::string out, err;
};

Outcome Call(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
             const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = command(args, out, err);
    return {code, out.str(), err.str()};
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

// A wheel written by --wheel reads back as tickets that hold the guarantee, --check-wheel
// agrees, and the same file without its last ticket has holes, as the verifier counts them.
TEST(WheelCommand, WrittenWheelChecksAndATicketLessHasHoles) {
    TempDir dir;
    const std::string wheel = dir.file("wheel.csv");
    const Outcome made = Call(RunWheel, {"--wheel", "3,5,7-14", "--guarantee", "3/4", "--keys", "7",
                                         "--shape", "5/20", "--seconds", "2", wheel});
    ASSERT_EQ(made.code, 0) << made.err;
    const TicketList tickets = ParseTicketList(Slurp(wheel), 20, 5);
    ASSERT_EQ(tickets.error, "");
    const std::vector<int> numbers{3, 5, 7, 8, 9, 10, 11, 12, 13, 14};
    EXPECT_TRUE(wheels::VerifyWheel(tickets.tickets, numbers, 3, 4).holds);
    EXPECT_NE(made.out.find("Колесо: " + std::to_string(tickets.tickets.size()) + " билет"),
              std::string::npos)
        << made.out;

    const std::vector<std::string> check{"--check-wheel", wheel,         "--numbers",
                                         "3,5,7-14",      "--guarantee", "3/4"};
    EXPECT_EQ(Call(RunCheckWheel, check).code, 0);
    auto fewer = tickets.tickets;
    fewer.pop_back();
    std::ofstream(wheel) << "Билеты\r\n" << TicketListText(fewer);
    const Outcome holes = Call(RunCheckWheel, check);
    EXPECT_EQ(holes.code, 3);
    const auto verdict = wheels::VerifyWheel(fewer, numbers, 3, 4);
    ASSERT_FALSE(verdict.holds);
    EXPECT_NE(holes.out.find(" без выигрыша"), std::string::npos);
    std::string first;
    for (const int n : verdict.holes.front())
        first += (first.empty() ? "" : " ") + std::to_string(n);
    EXPECT_NE(holes.out.find("  " + first + "\n"), std::string::npos) << holes.out;
}

// Every wrong request is refused with a reason and exit code 2, and leaves the file named
// for the wheel as it was.
TEST(WheelCommand, RefusesBadRequestsAndTouchesNothing) {
    TempDir dir;
    const std::string out = dir.file("keep.csv");
    std::ofstream(out) << "1,2,3,4,5,6\n";
    const std::vector<std::vector<std::string>> bad{
        {"--wheel", "1-5", "--guarantee", "3/3", out},     // v < K
        {"--wheel", "1-12", "--guarantee", "4/3", out},    // t > m
        {"--wheel", "1-12,50", "--guarantee", "3/3", out}, // outside 1..49
        {"--wheel", "1-12", "--guarantee", "3/3", "--shape", "6/10", out},
        {"--wheel", "12-1", "--guarantee", "3/3", out},
        {"--wheel", "1-12", "--guarantee", "3", out},
        {"--wheel", "1-12", "--guarantee", "3/3", "--seconds", "-1", out},
        {"--wheel", "1-12", "--guarantee", "3/3", "--keys", "13", out},
        {"--wheel", "1-12", "--guarantee", "3/3", "--colour", "red", out},
        {"--wheel", "1-12", "--guarantee", "3/3"},
        {"--wheel", "1-40", "--guarantee", "7/7", "--shape", "7/49", out}, // too large to search
    };
    for (const auto& args : bad) {
        const Outcome run = Call(RunWheel, args);
        EXPECT_EQ(run.code, 2) << args[1];
        EXPECT_FALSE(run.err.empty());
        EXPECT_EQ(Slurp(out), "1,2,3,4,5,6\n");
    }
    std::ofstream(out) << "1,2,3,4,5,x\n";
    const Outcome unreadable =
        Call(RunCheckWheel, {"--check-wheel", out, "--numbers", "1-8", "--guarantee", "3/3"});
    EXPECT_EQ(unreadable.code, 1);
    EXPECT_NE(unreadable.err.find("Строка 1"), std::string::npos);
}

TEST(WheelCommand, NumberListsAndTicketLines) {
    EXPECT_EQ(ParseNumberList("1-3, 8,10-11"), (std::vector<int>{1, 2, 3, 8, 10, 11}));
    for (const char* wrong : {"", "3-1", "1,,2", "a", "1-", "-2", "1-2-3"})
        EXPECT_EQ(ParseNumberList(wrong), std::nullopt) << wrong;
    EXPECT_EQ(ParseTicketList("\xEF\xBB\xBF№;a\r\n1;2 3\r\n\r\n4\t5,6\n", 6, 3).tickets,
              (std::vector<std::vector<int>>{{1, 2, 3}, {4, 5, 6}}));
    for (const char* wrong : {"1,2,7\n", "1,1,2\n", "1,2\n", "1,2,3x\n"})
        EXPECT_NE(ParseTicketList(wrong, 6, 3).error, "") << wrong;
}
