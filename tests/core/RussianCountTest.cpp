#include "wording/RussianCount.h"

#include <gtest/gtest.h>

namespace {

const wording::NounForms kDraws{"тираж", "тиража", "тиражей"};

TEST(RussianCount, TheNounAgreesWithTheLastDigitsAsRussianDoes) {
    const struct {
        long long count;
        const char* form;
    } cases[] = {{0, "тиражей"},    {1, "тираж"},    {2, "тиража"},    {4, "тиража"},
                 {5, "тиражей"},    {11, "тиражей"}, {12, "тиражей"},  {14, "тиражей"},
                 {21, "тираж"},     {22, "тиража"},  {111, "тиражей"}, {101, "тираж"},
                 {1012, "тиражей"}, {-3, "тиража"}};
    for (const auto& c : cases)
        EXPECT_STREQ(wording::AgreeingForm(c.count, kDraws), c.form) << c.count;
}

TEST(RussianCount, NumbersAreGroupedByThreeWithOneSeparator) {
    const std::string s = wording::kGroupSeparator;
    EXPECT_EQ(wording::GroupedNumber(999), "999");
    EXPECT_EQ(wording::GroupedNumber(1579), "1" + s + "579");
    EXPECT_EQ(wording::GroupedNumber(-1234567), "−1" + s + "234" + s + "567");
    EXPECT_EQ(wording::CountOf(3622, kDraws), "3" + s + "622 тиража");
    EXPECT_EQ(wording::GroupedDecimal(1579.14, 1), "1" + s + "579,1");
    EXPECT_EQ(wording::GroupedDecimal(-0.04, 1), "0,0");
    EXPECT_EQ(wording::GroupedDecimal(-2.5, 0), "−2");
}

} // namespace
