#include "lottery/LotteryDocument.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace lottery {
namespace {

LotteryDocument DocumentOfShape(int K, int N) {
    LotteryDocument doc;
    doc.StartLottery({static_cast<std::uint8_t>(K), static_cast<std::uint8_t>(N)});
    return doc;
}

std::vector<int> CardInOrder(const LotteryDocument& doc) {
    std::vector<int> numbers;
    for (int p = 0; p < doc.cardCount(); ++p)
        numbers.push_back(doc.cardNumbers()[p]);
    return numbers;
}

TEST(LotteryDocumentCard, KeepsTheOrderOfMarkingWhenANumberIsUnmarked) {
    LotteryDocument doc = DocumentOfShape(4, 36);
    EXPECT_EQ(doc.MarkNumber(5), MarkResult::Marked);
    EXPECT_EQ(doc.MarkNumber(10), MarkResult::Marked);
    EXPECT_EQ(doc.MarkNumber(20), MarkResult::Marked);
    EXPECT_TRUE(doc.UnmarkNumber(10));
    EXPECT_EQ(doc.MarkNumber(30), MarkResult::Marked);

    EXPECT_EQ(CardInOrder(doc), (std::vector<int>{5, 20, 30}));
    EXPECT_EQ(doc.cardCount(), 3);
    EXPECT_FALSE(doc.cardFull());
    NumberSet expected;
    for (int n : {5, 20, 30})
        expected.add(n);
    EXPECT_EQ(doc.cardSet(), expected);

    EXPECT_EQ(doc.MarkNumber(1), MarkResult::CardFull);
    EXPECT_TRUE(doc.cardFull());
    doc.RecordCard();
    ASSERT_EQ(doc.drawCount(), 1);
    EXPECT_EQ(doc.drawLine(0), "5  20  30  1  ");
    const DrawRecord& added = doc.draws()[0];
    EXPECT_EQ((std::vector<int>{added[0], added[1], added[2], added[3]}),
              (std::vector<int>{5, 20, 30, 1}));
}

TEST(LotteryDocumentCard, MarkingOneMoreThanKLeavesTheCardUnchanged) {
    LotteryDocument doc = DocumentOfShape(3, 10);
    doc.MarkNumber(9);
    doc.MarkNumber(2);
    ASSERT_EQ(doc.MarkNumber(7), MarkResult::CardFull);
    const DrawRecord before = doc.cardNumbers();
    const NumberSet setBefore = doc.cardSet();

    EXPECT_EQ(doc.MarkNumber(4), MarkResult::Ignored);
    EXPECT_EQ(doc.cardCount(), 3);
    EXPECT_EQ(doc.cardNumbers(), before);
    EXPECT_EQ(doc.cardSet(), setBefore);
    EXPECT_FALSE(doc.cardSet().contains(4));
}

TEST(LotteryDocumentCard, IgnoresNumbersOutsideTheLotteryAndNumbersAlreadyMarked) {
    LotteryDocument doc = DocumentOfShape(6, 49);
    doc.MarkNumber(12);
    for (int n : {0, -3, 50, 56, 200, 12}) {
        EXPECT_EQ(doc.MarkNumber(n), MarkResult::Ignored) << n;
        EXPECT_EQ(doc.cardCount(), 1) << n;
    }
    EXPECT_FALSE(doc.UnmarkNumber(13));
    EXPECT_FALSE(doc.UnmarkNumber(0));
    EXPECT_EQ(CardInOrder(doc), (std::vector<int>{12}));
}

TEST(LotteryDocumentCard, OneNumberLotteryIsFullAfterTheFirstMark) {
    LotteryDocument doc = DocumentOfShape(1, 2);
    EXPECT_EQ(doc.MarkNumber(2), MarkResult::CardFull);
    EXPECT_EQ(doc.MarkNumber(1), MarkResult::Ignored);
    doc.RecordCard();
    EXPECT_EQ(doc.drawLine(0), "2  ");
}

TEST(LotteryDocumentCard, ResetCardEmptiesTheCard) {
    LotteryDocument doc = DocumentOfShape(6, 49);
    for (int n : {1, 2, 3})
        doc.MarkNumber(n);
    doc.ResetCard();
    EXPECT_EQ(doc.cardCount(), 0);
    EXPECT_TRUE(doc.cardSet().empty());
    EXPECT_EQ(doc.MarkNumber(3), MarkResult::Marked);
    EXPECT_EQ(CardInOrder(doc), (std::vector<int>{3}));
}

// The card against a plain model of it: the list of marked numbers in marking order.
TEST(LotteryDocumentCard, KeepsItsInvariantsOverRandomMarkingAndUnmarking) {
    std::mt19937 rng(20261208);
    for (int round = 0; round < 200; ++round) {
        const int K = std::uniform_int_distribution<int>(1, 7)(rng);
        const int N = std::uniform_int_distribution<int>(K + 1, 49)(rng);
        LotteryDocument doc = DocumentOfShape(K, N);
        std::vector<int> model;
        for (int step = 0; step < 100; ++step) {
            const int n = std::uniform_int_distribution<int>(0, N + 1)(rng);
            const bool onCard = std::find(model.begin(), model.end(), n) != model.end();
            if (onCard) {
                ASSERT_TRUE(doc.UnmarkNumber(n));
                model.erase(std::find(model.begin(), model.end(), n));
            } else {
                const MarkResult result = doc.MarkNumber(n);
                const bool accepted = n >= 1 && n <= N && static_cast<int>(model.size()) < K;
                if (accepted) {
                    model.push_back(n);
                    ASSERT_EQ(result, static_cast<int>(model.size()) == K ? MarkResult::CardFull
                                                                          : MarkResult::Marked);
                } else {
                    ASSERT_EQ(result, MarkResult::Ignored);
                }
            }
            ASSERT_EQ(CardInOrder(doc), model) << "K=" << K << " N=" << N << " step " << step;
            ASSERT_EQ(doc.cardSet().count(), doc.cardCount());
            ASSERT_LE(doc.cardCount(), K);
            ASSERT_EQ(doc.cardFull(), doc.cardCount() == K);
            for (int m : model)
                ASSERT_TRUE(doc.cardSet().contains(m));
        }
    }
}

} // namespace
} // namespace lottery
