#include "Pictures.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

const art::Pictures& P() {
    return art::Pictures::instance();
}

struct SizeCase {
    const char* name;
    std::function<const QImage&()> picture;
    QSize size;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.name;
}

class PictureSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PictureSize, IsTheStatedOne) {
    const QImage& picture = GetParam().picture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPicture, PictureSize,
    ::testing::Values(
        SizeCase{"Ball", []() -> const QImage& { return P().ball(); }, {26, 26}},
        SizeCase{"GoldenBall", []() -> const QImage& { return P().ballGolden(); }, {26, 26}},
        SizeCase{"PlayBall", []() -> const QImage& { return P().playBall(); }, {52, 52}},
        SizeCase{"HitBall", []() -> const QImage& { return P().playBallBingo(); }, {52, 52}},
        SizeCase{"Plaster", []() -> const QImage& { return P().plasterTile(); }, {81, 81}},
        SizeCase{"Patchwork", []() -> const QImage& { return P().patchworkTile(); }, {81, 81}},
        SizeCase{"Town", []() -> const QImage& { return P().town(); }, {195, 294}},
        SizeCase{"Logo", []() -> const QImage& { return P().logo(); }, {150, 113}},
        SizeCase{"Tiraz", []() -> const QImage& { return P().tirazGlyph(); }, {17, 17}},
        SizeCase{"Play", []() -> const QImage& { return P().playGlyph(); }, {16, 16}}),
    [](const ::testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.name); });

TEST(ButtonGlyphs, AreEightBitPicturesWithAFullPalette) {
    for (const QImage* glyph : {&P().tirazGlyph(), &P().playGlyph()}) {
        EXPECT_EQ(glyph->format(), QImage::Format_Indexed8);
        EXPECT_EQ(glyph->colorCount(), 256);
    }
}

TEST(ButtonGlyphs, CarryTheColoursTheyShow) {
    auto has = [](const QImage& image, auto test) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (test(image.pixel(x, y))) {
                    return true;
                }
            }
        }
        return false;
    };
    auto white = [](QRgb p) { return qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235; };
    auto navy = [](QRgb p) { return qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) > 90; };
    auto darkRed = [](QRgb p) { return qRed(p) > 100 && qGreen(p) < 60 && qBlue(p) < 60; };
    EXPECT_TRUE(has(P().tirazGlyph(), white));
    EXPECT_TRUE(has(P().tirazGlyph(), navy));
    EXPECT_TRUE(has(P().tirazGlyph(), darkRed));
    EXPECT_TRUE(has(P().playGlyph(), white));
    EXPECT_TRUE(has(P().playGlyph(), navy));
}

TEST(TrueColourPictures, AreKeptAsThirtyTwoBitRgb) {
    for (const QImage* p : {&P().ball(), &P().ballGolden(), &P().playBall(), &P().playBallBingo(),
                            &P().plasterTile(), &P().patchworkTile(), &P().town(), &P().logo()}) {
        EXPECT_EQ(p->format(), QImage::Format_RGB32);
    }
}

TEST(Balls, AreWhiteAndGoldenWhereTheLightFalls) {
    for (const QImage* white : {&P().ball(), &P().playBall()}) {
        const QRgb lit = white->pixel(white->width() * 2 / 5, white->height() * 2 / 5);
        EXPECT_GT(qRed(lit), 225);
        EXPECT_GT(qGreen(lit), 225);
        EXPECT_GT(qBlue(lit), 225);
    }
    for (const QImage* golden : {&P().ballGolden(), &P().playBallBingo()}) {
        const QRgb lit = golden->pixel(golden->width() / 2, golden->height() / 2);
        EXPECT_GT(qRed(lit), qGreen(lit));
        EXPECT_GT(qGreen(lit), qBlue(lit) + 40);
    }
}

// The glyph offsets rest on this geometry, so every digit is checked pixel by pixel.
class DigitImage : public ::testing::TestWithParam<int> {};

TEST_P(DigitImage, OccupiesColumnsFiveToNineAndRowsThreeToEleven) {
    const int index = GetParam();
    const QImage& digit = P().digit(index);
    ASSERT_EQ(digit.size(), QSize(16, 16));
    const bool one = index % 10 == 1;
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (qAlpha(digit.pixel(x, y)) != 0) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    EXPECT_EQ(minX, one ? 6 : 5);
    EXPECT_EQ(maxX, one ? 8 : 9);
    EXPECT_EQ(minY, 3);
    EXPECT_EQ(maxY, 11);
}

TEST_P(DigitImage, HasAOneBitMaskAndOneStrokeColour) {
    const int index = GetParam();
    const QImage& digit = P().digit(index);
    const QRgb colour = index < 10 ? qRgb(0, 0, 255) : qRgb(46, 49, 146);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb p = digit.pixel(x, y);
            ASSERT_TRUE(qAlpha(p) == 0 || qAlpha(p) == 255) << x << "," << y;
            if (qAlpha(p) == 255) {
                EXPECT_EQ(p, colour) << x << "," << y;
            }
        }
    }
}

TEST_P(DigitImage, IsDrawnWithStrokesOnePixelWide) {
    const QImage& digit = P().digit(GetParam());
    auto on = [&](int x, int y) { return qAlpha(digit.pixel(x, y)) == 255; };
    for (int y = 0; y + 1 < 16; ++y) {
        for (int x = 0; x + 1 < 16; ++x) {
            EXPECT_FALSE(on(x, y) && on(x + 1, y) && on(x, y + 1) && on(x + 1, y + 1))
                << "a 2x2 blot at " << x << "," << y;
        }
    }
}

TEST_P(DigitImage, HasTheSameShapeInBothColours) {
    const int index = GetParam();
    const QImage& bright = P().digit(index % 10);
    const QImage& slate = P().digit(index % 10 + 10);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(qAlpha(bright.pixel(x, y)), qAlpha(slate.pixel(x, y))) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllTwenty, DigitImage, ::testing::Range(0, 20));

TEST(DigitImages, AreTenDifferentShapes) {
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b) {
            EXPECT_NE(P().digit(a), P().digit(b)) << a << " and " << b;
        }
    }
}

TEST(DigitImages, OutsideZeroToNineteenAreRefused) {
    EXPECT_THROW((void)P().digit(20), std::out_of_range);
    EXPECT_THROW((void)P().digit(-1), std::out_of_range);
}

TEST(ProgramIcon, IsOneThirtyTwoPixelSixteenColourImageWithAMask) {
    QFile file(QStringLiteral(":/pictures/program.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    ASSERT_GE(ico.size(), 22);
    auto byte = [&](int i) { return static_cast<unsigned char>(ico[i]); };
    EXPECT_EQ(byte(4) | byte(5) << 8, 1);   // one image
    EXPECT_EQ(byte(6), 32);                 // width
    EXPECT_EQ(byte(7), 32);                 // height
    EXPECT_EQ(byte(8), 16);                 // colours
    EXPECT_EQ(byte(12) | byte(13) << 8, 4); // bits per pixel
    // Colour rows plus 1-bit mask rows, after a 40-byte header and 16 palette entries.
    EXPECT_EQ(ico.size(), 22 + 40 + 16 * 4 + 32 * 16 + 32 * 4);
}

TEST(ProgramIcon, ShowsRedNumbersOnWhiteBallsWithTheGroundMaskedOut) {
    const QImage icon =
        P().programIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    int clear = 0, red = 0, white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = icon.pixel(x, y);
            clear += qAlpha(p) == 0;
            red += qAlpha(p) == 255 && p == qRgb(255, 0, 0);
            white += qAlpha(p) == 255 && p == qRgb(255, 255, 255);
        }
    }
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(31, 0)), 0);
    EXPECT_GT(clear, 100);
    EXPECT_GT(red, 40);
    EXPECT_GT(white, 100);
}

} // namespace
