#include "PlayBall.h"

#include "Pictures.h"
#include "Transparency.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct DressCase {
    int number;
    bool hit;
    QPoint ball;
};

void PrintTo(const DressCase& c, std::ostream* os) {
    *os << c.number << (c.hit ? " hit" : " drawn");
}

class PlayBallDressing : public ::testing::TestWithParam<DressCase> {};

TEST_P(PlayBallDressing, PlacesTheLabelOverTheMiddleOfTheBall) {
    const DressCase& c = GetParam();
    const art::PlayBallDressing d = art::DressPlayBall(c.number, c.hit, c.ball);
    EXPECT_EQ(d.picturePos, c.ball);
    EXPECT_EQ(d.labelPos, c.ball + QPoint(14, 15));
    EXPECT_EQ(d.labelText, QString::number(c.number));
}

TEST_P(PlayBallDressing, ShowsTheGoldenBallWithANavyNumberOnlyForAHit) {
    const DressCase& c = GetParam();
    const art::PlayBallDressing d = art::DressPlayBall(c.number, c.hit, c.ball);
    const art::Pictures& pictures = art::Pictures::instance();
    const QImage& source = c.hit ? pictures.playBallBingo() : pictures.playBall();
    EXPECT_EQ(d.picture, art::WithKeyTransparent(source));
    // 0x800000 and 0xFF0000 as 0x00BBGGRR: navy and pure blue.
    EXPECT_EQ(d.labelColour, c.hit ? QColor(0, 0, 128) : QColor(0, 0, 255));
}

TEST_P(PlayBallDressing, DrawsTheBallTransparentByItsSilverGround) {
    const art::PlayBallDressing d = art::DressPlayBall(GetParam().number, GetParam().hit, {});
    ASSERT_EQ(d.picture.size(), QSize(52, 52));
    EXPECT_EQ(qAlpha(d.picture.pixel(0, 51)), 0);
    EXPECT_EQ(qAlpha(d.picture.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(d.picture.pixel(51, 0)), 0);
    EXPECT_EQ(qAlpha(d.picture.pixel(26, 26)), 255);
}

INSTANTIATE_TEST_SUITE_P(DrawnBalls, PlayBallDressing,
                         ::testing::Values(DressCase{7, false, QPoint(240, 10)},
                                           DressCase{49, true, QPoint(380, 220)},
                                           DressCase{1, true, QPoint(0, 0)},
                                           DressCase{36, false, QPoint(300, 120)}));

TEST(PlayBallDressingPictures, AreCopiesSoTheStoredBallsStayOpaque) {
    const art::Pictures& pictures = art::Pictures::instance();
    art::PlayBallDressing d = art::DressPlayBall(5, true, {});
    d.picture.fill(Qt::red);
    EXPECT_EQ(qAlpha(pictures.playBallBingo().pixel(0, 51)), 255);
    EXPECT_EQ(pictures.playBallBingo().pixel(0, 51) & RGB_MASK, qRgb(192, 192, 192) & RGB_MASK);
}

} // namespace
