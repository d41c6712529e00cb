#include "BallGlyph.h"

#include "GlyphStrokes.h"
#include "Pictures.h"
#include "Transparency.h"

#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

namespace {

using art::GlyphKind;

const QRgb kBrightBlue = qRgb(0, 0, 255) & RGB_MASK;
const QRgb kSlateBlue = qRgb(46, 49, 146) & RGB_MASK;

struct GlyphCase {
    const char* name;
    int number;
    GlyphKind kind;
    std::set<int> columns; // every column that holds a stroke pixel
    QRgb colour;
};

void PrintTo(const GlyphCase& c, std::ostream* os) {
    *os << c.name;
}

std::set<int> Union(std::set<int> a, const std::set<int>& b) {
    a.insert(b.begin(), b.end());
    return a;
}

const QImage& BaseOf(GlyphKind kind) {
    const art::Pictures& pictures = art::Pictures::instance();
    return kind == GlyphKind::Selected ? pictures.ballGolden() : pictures.ball();
}

class GlyphStrokes : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(GlyphStrokes, LieInTheColumnsAndRowsTheDigitOffsetsGive) {
    const GlyphCase& c = GetParam();
    const QImage glyph = art::ComposeBallGlyph(c.number, c.kind);
    ASSERT_EQ(glyph.size(), QSize(26, 26));
    const StrokeMap strokes = FindStrokes(glyph, BaseOf(c.kind));
    EXPECT_EQ(strokes.columns, c.columns);
    EXPECT_EQ(strokes.rows, Range(9, 17));
    EXPECT_EQ(strokes.colours, std::set<QRgb>{c.colour});
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, GlyphStrokes,
    ::testing::Values(
        GlyphCase{"SevenPlain", 7, GlyphKind::Plain, Range(11, 15), kBrightBlue},
        GlyphCase{"OnePlain", 1, GlyphKind::Plain, Range(12, 14), kBrightBlue},
        GlyphCase{"FiveAfterDrawLikePlain", 5, GlyphKind::AfterDraw, Range(11, 15), kBrightBlue},
        GlyphCase{"ThreeSelected", 3, GlyphKind::Selected, Range(11, 15), kSlateBlue},
        GlyphCase{"TenPlain", 10, GlyphKind::Plain, Union(Range(8, 10), Range(13, 17)),
                  kBrightBlue},
        GlyphCase{"TenAfterDraw", 10, GlyphKind::AfterDraw, Union(Range(9, 11), Range(13, 17)),
                  kBrightBlue},
        GlyphCase{"FortyNineSelected", 49, GlyphKind::Selected, Union(Range(7, 11), Range(13, 17)),
                  kSlateBlue},
        GlyphCase{"TwentyThreePlainHasColumnTwelveBlank", 23, GlyphKind::Plain,
                  Union(Range(7, 11), Range(13, 17)), kBrightBlue},
        GlyphCase{"TwentyThreeAfterDrawHasNoBlankColumn", 23, GlyphKind::AfterDraw, Range(8, 17),
                  kBrightBlue},
        GlyphCase{"FortyEightAfterDraw", 48, GlyphKind::AfterDraw, Range(8, 17), kBrightBlue}),
    [](const ::testing::TestParamInfo<GlyphCase>& info) { return std::string(info.param.name); });

// The tens digit of an after-draw glyph is the plain one moved one pixel right; units stay.
TEST(BallGlyph, AfterDrawTensDigitIsThePlainOneShiftedOnePixelRight) {
    const QImage plain = art::ComposeBallGlyph(23, GlyphKind::Plain);
    const QImage after = art::ComposeBallGlyph(23, GlyphKind::AfterDraw);
    const QImage& ball = art::Pictures::instance().ball();
    for (int y = 9; y <= 17; ++y) {
        for (int x = 7; x <= 11; ++x) {
            const bool strokeInPlain = plain.pixel(x, y) != ball.pixel(x, y);
            const bool strokeInAfter = after.pixel(x + 1, y) != ball.pixel(x + 1, y);
            EXPECT_EQ(strokeInPlain, strokeInAfter) << "at " << x << "," << y;
        }
        for (int x = 13; x <= 17; ++x) {
            EXPECT_EQ(plain.pixel(x, y), after.pixel(x, y)) << "units moved at " << x << "," << y;
        }
    }
}

TEST(BallGlyph, PaintsExactlyTheUnmaskedPixelsOfTheDigitCell) {
    const art::Pictures& pictures = art::Pictures::instance();
    const QImage glyph = art::ComposeBallGlyph(8, GlyphKind::Selected);
    const QImage& digit = pictures.digit(18);
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 26; ++x) {
            const int cx = x - 6;
            const int cy = y - 6;
            const bool inCell = cx >= 0 && cx < 16 && cy >= 0 && cy < 16;
            if (inCell && qAlpha(digit.pixel(cx, cy)) == 255) {
                EXPECT_EQ(glyph.pixel(x, y), digit.pixel(cx, cy)) << x << "," << y;
            } else {
                EXPECT_EQ(glyph.pixel(x, y), pictures.ballGolden().pixel(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(BallGlyph, CompositionNeverAltersTheStoredBalls) {
    const art::Pictures& pictures = art::Pictures::instance();
    const QImage whiteBefore = pictures.ball().copy();
    const QImage goldenBefore = pictures.ballGolden().copy();
    for (int n = 1; n <= 49; ++n) {
        for (GlyphKind kind : {GlyphKind::Plain, GlyphKind::Selected, GlyphKind::AfterDraw}) {
            (void)art::ComposeBallGlyph(n, kind);
        }
    }
    EXPECT_EQ(pictures.ball(), whiteBefore);
    EXPECT_EQ(pictures.ballGolden(), goldenBefore);
}

TEST(BallGlyph, AGlyphHandedOutIsNotChangedByLaterCompositions) {
    const QImage seven = art::ComposeBallGlyph(7, GlyphKind::Plain);
    const QImage kept = seven.copy();
    (void)art::ComposeBallGlyph(8, GlyphKind::Plain);
    (void)art::ComposeBallGlyph(49, GlyphKind::Selected);
    EXPECT_EQ(seven, kept);
}

TEST(BallGlyph, NothingOfAnEarlierCompositionSurvives) {
    const QImage alone = art::ComposeBallGlyph(1, GlyphKind::Plain);
    (void)art::ComposeBallGlyph(48, GlyphKind::Plain);
    EXPECT_EQ(art::ComposeBallGlyph(1, GlyphKind::Plain), alone);
}

TEST(BallGlyph, KeepsTheBlackKeyOfItsBallSoOnlyTheBallShowsOnTheButton) {
    for (GlyphKind kind : {GlyphKind::Plain, GlyphKind::Selected, GlyphKind::AfterDraw}) {
        const QImage glyph = art::ComposeBallGlyph(44, kind);
        EXPECT_EQ(art::KeyColour(glyph) & RGB_MASK, 0u);
    }
}

TEST(BallGlyph, RejectsNumbersOutsideOneToFortyNine) {
    EXPECT_THROW((void)art::ComposeBallGlyph(0, GlyphKind::Plain), std::out_of_range);
    EXPECT_THROW((void)art::ComposeBallGlyph(50, GlyphKind::Selected), std::out_of_range);
    EXPECT_THROW((void)art::ComposeBallGlyph(-3, GlyphKind::AfterDraw), std::out_of_range);
}

} // namespace
