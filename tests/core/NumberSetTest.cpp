#include "lottery/NumberSet.h"

#include <gtest/gtest.h>

namespace lottery {
namespace {

TEST(NumberSet, StartsEmptyAndHoldsWhatWasAdded) {
    NumberSet set;
    EXPECT_TRUE(set.empty());
    EXPECT_EQ(set.count(), 0);
    set.add(1);
    set.add(49);
    set.add(49);
    EXPECT_TRUE(set.contains(1));
    EXPECT_TRUE(set.contains(49));
    EXPECT_FALSE(set.contains(2));
    EXPECT_EQ(set.count(), 2);
    set.remove(1);
    EXPECT_FALSE(set.contains(1));
    EXPECT_EQ(set.count(), 1);
    set.clear();
    EXPECT_TRUE(set.empty());
}

TEST(NumberSet, KeepsNumbersUpTo55AndIgnoresEverythingBeyond) {
    NumberSet set;
    set.add(0);
    set.add(55);
    EXPECT_TRUE(set.contains(0));
    EXPECT_TRUE(set.contains(55));
    for (int outside : {56, 57, 64, 255, 1000, -1}) {
        set.add(outside);
        EXPECT_FALSE(set.contains(outside)) << outside;
    }
    EXPECT_EQ(set.count(), 2);
    set.remove(56); // removing outside the range does nothing either
    EXPECT_EQ(set.count(), 2);
}

TEST(NumberSet, IntersectionHoldsOnlyTheCommonNumbers) {
    NumberSet a;
    NumberSet b;
    for (int n : {3, 17, 22, 30, 41, 45})
        a.add(n);
    for (int n : {1, 17, 30, 45, 49})
        b.add(n);
    const NumberSet both = a.intersection(b);
    EXPECT_EQ(both.count(), 3);
    for (int n = 0; n <= 55; ++n)
        EXPECT_EQ(both.contains(n), n == 17 || n == 30 || n == 45) << n;
    EXPECT_TRUE(a.intersection(NumberSet{}).empty());
}

} // namespace
} // namespace lottery
