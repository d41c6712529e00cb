#include "Tiling.h"

#include "Pictures.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <ostream>
#include <vector>

namespace {

// Every pixel of this tile tells where in the tile it came from.
QImage CoordinateTile() {
    QImage tile(81, 81, QImage::Format_RGB32);
    for (int y = 0; y < 81; ++y) {
        for (int x = 0; x < 81; ++x) {
            tile.setPixel(x, y, qRgb(x, y, 77));
        }
    }
    return tile;
}

struct GridCase {
    const char* window;
    QSize size;
    int cols;
    int rows;
};

void PrintTo(const GridCase& c, std::ostream* os) {
    *os << c.window;
}

class TileGrid : public ::testing::TestWithParam<GridCase> {};

TEST_P(TileGrid, CoversTheWholeTargetWithTheTileCutAtTheEdge) {
    const GridCase& c = GetParam();
    QImage target;
    art::LayTiles(target, c.size, CoordinateTile(), c.cols, c.rows);
    ASSERT_EQ(target.size(), c.size);
    EXPECT_EQ(target.format(), QImage::Format_RGB32);
    for (int y = 0; y < c.size.height(); ++y) {
        for (int x = 0; x < c.size.width(); ++x) {
            ASSERT_EQ(target.pixel(x, y), qRgb(x % 81, y % 81, 77)) << x << "," << y;
        }
    }
}

TEST_P(TileGrid, IsTheSmallestWholeGridThatCoversTheTarget) {
    const GridCase& c = GetParam();
    EXPECT_GE(c.cols * art::kTileSize, c.size.width());
    EXPECT_LT((c.cols - 1) * art::kTileSize, c.size.width());
    EXPECT_GE(c.rows * art::kTileSize, c.size.height());
    EXPECT_LT((c.rows - 1) * art::kTileSize, c.size.height());
}

INSTANTIATE_TEST_SUITE_P(EveryBackground, TileGrid,
                         ::testing::Values(GridCase{"MainPage", {450, 303}, 6, 4},
                                           GridCase{"Help", {342, 187}, 5, 3},
                                           GridCase{"NewLottery", {273, 156}, 4, 2},
                                           GridCase{"About", {316, 219}, 4, 3}),
                         [](const ::testing::TestParamInfo<GridCase>& info) {
                             return std::string(info.param.window);
                         });

TEST(TileGrid, SixthColumnStartsAt405AndIsCutAt450) {
    QImage page;
    art::LayTiles(page, QSize(450, 303), CoordinateTile(), 6, 4);
    EXPECT_EQ(page.pixel(404, 10), qRgb(80, 10, 77)); // last pixel of the fifth column
    EXPECT_EQ(page.pixel(405, 10), qRgb(0, 10, 77));  // first of the sixth
    EXPECT_EQ(page.pixel(449, 10), qRgb(44, 10, 77)); // the sixth ends after 45 of its 81
    EXPECT_EQ(page.width(), 450);
}

TEST(TileGrid, FourthRowStartsAt243AndIsCutAt303) {
    QImage page;
    art::LayTiles(page, QSize(450, 303), CoordinateTile(), 6, 4);
    EXPECT_EQ(page.pixel(10, 242), qRgb(10, 80, 77));
    EXPECT_EQ(page.pixel(10, 243), qRgb(10, 0, 77));
    EXPECT_EQ(page.pixel(10, 302), qRgb(10, 59, 77)); // 60 of its 81 rows remain
    EXPECT_EQ(page.height(), 303);
}

TEST(TileGrid, PaintsOverAnExistingPictureAndKeepsItsSize) {
    QImage target(200, 100, QImage::Format_RGB32);
    target.fill(qRgb(255, 0, 0));
    art::LayTiles(target, QSize(999, 999), CoordinateTile(), 1, 1);
    EXPECT_EQ(target.size(), QSize(200, 100));
    EXPECT_EQ(target.pixel(80, 80), qRgb(80, 80, 77));
    // Outside the one-tile grid the old picture stays.
    EXPECT_EQ(target.pixel(81, 0), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(0, 81), qRgb(255, 0, 0));
}

TEST(TileGrid, ANewBlankTargetOutsideTheGridIsWhite) {
    QImage target;
    art::LayTiles(target, QSize(100, 100), CoordinateTile(), 1, 1);
    EXPECT_EQ(target.pixel(90, 90), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(40, 40), qRgb(40, 40, 77));
}

TEST(TileGrid, ReplacesTheOldPatternWhenTheTileChanges) {
    QImage page;
    art::LayTiles(page, QSize(450, 303), art::Pictures::instance().plasterTile(), 6, 4);
    art::LayTiles(page, QSize(450, 303), art::Pictures::instance().patchworkTile(), 6, 4);
    const QImage& patch = art::Pictures::instance().patchworkTile();
    EXPECT_EQ(page.pixel(449, 302), patch.pixel(449 - 405, 302 - 243));
    EXPECT_EQ(page.pixel(100, 100), patch.pixel(19, 19));
}

// Seamless tiling, judged statistically: the colour step across the wrap-around edge (last
// column to first, last row to first) is no larger than the steps inside the tile.
struct Steps {
    double seam;
    double mean;
    double largest;
};

double Grey(QRgb p) {
    return 0.3 * qRed(p) + 0.59 * qGreen(p) + 0.11 * qBlue(p);
}

Steps ColumnSteps(const QImage& tile) {
    auto step = [&](int a, int b) {
        double sum = 0;
        for (int y = 0; y < tile.height(); ++y) {
            sum += std::abs(Grey(tile.pixel(a, y)) - Grey(tile.pixel(b, y)));
        }
        return sum / tile.height();
    };
    std::vector<double> inside;
    for (int x = 0; x + 1 < tile.width(); ++x) {
        inside.push_back(step(x, x + 1));
    }
    return {step(tile.width() - 1, 0),
            std::accumulate(inside.begin(), inside.end(), 0.0) / static_cast<double>(inside.size()),
            *std::max_element(inside.begin(), inside.end())};
}

QImage Transposed(const QImage& tile) {
    QImage t(tile.height(), tile.width(), QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            t.setPixel(y, x, tile.pixel(x, y));
        }
    }
    return t;
}

TEST(BackgroundTiles, AreEightyOnePixelsSquare) {
    EXPECT_EQ(art::Pictures::instance().plasterTile().size(), QSize(81, 81));
    EXPECT_EQ(art::Pictures::instance().patchworkTile().size(), QSize(81, 81));
}

TEST(BackgroundTiles, PlasterRepeatsWithoutASeamAcrossEitherEdge) {
    const QImage& tile = art::Pictures::instance().plasterTile();
    for (const QImage& t : {tile, Transposed(tile)}) {
        const Steps s = ColumnSteps(t);
        EXPECT_LT(s.seam, 1.6 * s.mean) << "seam " << s.seam << " mean " << s.mean;
    }
}

TEST(BackgroundTiles, PatchworkSeamLooksLikeAnyOtherBorderBetweenSquares) {
    const QImage& tile = art::Pictures::instance().patchworkTile();
    for (const QImage& t : {tile, Transposed(tile)}) {
        const Steps s = ColumnSteps(t);
        EXPECT_LE(s.seam, s.largest * 1.05) << "seam " << s.seam << " largest " << s.largest;
        EXPECT_GT(s.seam, s.mean) << "the wrap edge should fall on a border between squares";
    }
}

// Light grey and textured, not flat: mean and spread of the grey levels.
TEST(BackgroundTiles, AreLightGreyAndTextured) {
    for (const QImage* tile :
         {&art::Pictures::instance().plasterTile(), &art::Pictures::instance().patchworkTile()}) {
        double sum = 0, sum2 = 0, chroma = 0;
        const int n = tile->width() * tile->height();
        for (int y = 0; y < tile->height(); ++y) {
            for (int x = 0; x < tile->width(); ++x) {
                const QRgb p = tile->pixel(x, y);
                const double g = Grey(p);
                sum += g;
                sum2 += g * g;
                chroma += std::max({qRed(p), qGreen(p), qBlue(p)}) -
                          std::min({qRed(p), qGreen(p), qBlue(p)});
            }
        }
        const double mean = sum / n;
        const double spread = std::sqrt(sum2 / n - mean * mean);
        EXPECT_GT(mean, 150.0);
        EXPECT_LT(mean, 235.0);
        EXPECT_GT(spread, 3.0);
        EXPECT_LT(chroma / n, 12.0); // grey, not coloured
    }
}

} // namespace
