#include "Transparency.h"

#include "BallGlyph.h"
#include "Pictures.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <queue>
#include <vector>

namespace {

QImage Corners() {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    image.setPixel(0, 0, qRgb(1, 1, 1));
    image.setPixel(3, 0, qRgb(2, 2, 2));
    image.setPixel(3, 2, qRgb(3, 3, 3));
    image.setPixel(0, 2, qRgb(200, 100, 50));
    return image;
}

TEST(KeyColour, IsTheColourOfTheBottomLeftPixel) {
    EXPECT_EQ(art::KeyColour(Corners()) & RGB_MASK, qRgb(200, 100, 50) & RGB_MASK);
}

TEST(KeyColour, OfAPalettePictureIsTheBottomLeftPixelsPaletteColour) {
    QImage image(2, 2, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(9, 8, 7)});
    image.fill(0);
    image.setPixel(0, 1, 1);
    EXPECT_EQ(art::KeyColour(image) & RGB_MASK, qRgb(9, 8, 7) & RGB_MASK);
}

TEST(WithKeyTransparent, ClearsExactlyThePixelsOfTheKeyColour) {
    QImage image = Corners();
    image.setPixel(2, 1, qRgb(200, 100, 50)); // a second pixel of the key colour
    image.setPixel(1, 1, qRgb(200, 100, 51)); // one step off: must stay
    const QImage shown = art::WithKeyTransparent(image);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool key = (image.pixel(x, y) & RGB_MASK) == (qRgb(200, 100, 50) & RGB_MASK);
            EXPECT_EQ(qAlpha(shown.pixel(x, y)), key ? 0 : 255) << x << "," << y;
            if (!key) {
                EXPECT_EQ(shown.pixel(x, y), image.pixel(x, y));
            }
        }
    }
}

TEST(WithKeyTransparent, LeavesTheSourcePictureAlone) {
    const QImage image = Corners();
    const QImage before = image.copy();
    (void)art::WithKeyTransparent(image);
    EXPECT_EQ(image, before);
}

TEST(TransparentPixmap, HasThePicturesSizeAndAnAlphaChannel) {
    const QPixmap pixmap = art::TransparentPixmap(art::Pictures::instance().ball());
    EXPECT_EQ(pixmap.size(), QSize(26, 26));
    EXPECT_TRUE(pixmap.hasAlphaChannel());
    const QImage back = pixmap.toImage();
    EXPECT_EQ(qAlpha(back.pixel(0, 25)), 0);
    EXPECT_EQ(qAlpha(back.pixel(13, 13)), 255);
}

// Marks every key-coloured pixel reachable from the picture's border through key-coloured
// pixels (4-connected): that is the ground. A key pixel not reached sits inside the subject.
std::vector<bool> Ground(const QImage& picture, QRgb key) {
    const int w = picture.width();
    const int h = picture.height();
    std::vector<bool> seen(static_cast<std::size_t>(w * h), false);
    std::queue<QPoint> todo;
    auto isKey = [&](int x, int y) { return (picture.pixel(x, y) & RGB_MASK) == key; };
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) {
            return;
        }
        const std::size_t i = static_cast<std::size_t>(y * w + x);
        if (!seen[i] && isKey(x, y)) {
            seen[i] = true;
            todo.push(QPoint(x, y));
        }
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    return seen;
}

struct TransparentCase {
    const char* name;
    std::function<QImage()> picture;
    QRgb key;
    double subjectRadius; // > 0 for balls: no key colour within this distance of the centre
};

void PrintTo(const TransparentCase& c, std::ostream* os) {
    *os << c.name;
}

class TransparentPicture : public ::testing::TestWithParam<TransparentCase> {};

TEST_P(TransparentPicture, HasItsKeyColourInTheBottomLeftCorner) {
    const TransparentCase& c = GetParam();
    EXPECT_EQ(art::KeyColour(c.picture()) & RGB_MASK, c.key & RGB_MASK);
}

TEST_P(TransparentPicture, HasNoPixelOfItsKeyColourInsideTheSubject) {
    const TransparentCase& c = GetParam();
    const QImage picture = c.picture();
    const QRgb key = art::KeyColour(picture) & RGB_MASK;
    const std::vector<bool> ground = Ground(picture, key);
    int subject = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool isKey = (picture.pixel(x, y) & RGB_MASK) == key;
            const bool isGround = ground[static_cast<std::size_t>(y * picture.width() + x)];
            EXPECT_FALSE(isKey && !isGround)
                << "key colour inside the subject at " << x << "," << y;
            subject += isKey ? 0 : 1;
            if (c.subjectRadius > 0) {
                const double dx = x + 0.5 - picture.width() / 2.0;
                const double dy = y + 0.5 - picture.height() / 2.0;
                if (dx * dx + dy * dy < c.subjectRadius * c.subjectRadius) {
                    EXPECT_FALSE(isKey) << "ball shows through at " << x << "," << y;
                }
            }
        }
    }
    // A subject of a reasonable size, and a ground around it.
    const int all = picture.width() * picture.height();
    EXPECT_GT(subject, all / 4);
    EXPECT_LT(subject, all);
}

const art::Pictures& P() {
    return art::Pictures::instance();
}

INSTANTIATE_TEST_SUITE_P(
    EveryShownTransparent, TransparentPicture,
    ::testing::Values(
        TransparentCase{"Ball", [] { return P().ball(); }, qRgb(0, 0, 0), 11.0},
        TransparentCase{"GoldenBall", [] { return P().ballGolden(); }, qRgb(0, 0, 0), 11.0},
        TransparentCase{"PlayBall", [] { return P().playBall(); }, qRgb(192, 192, 192), 23.5},
        TransparentCase{"HitBall", [] { return P().playBallBingo(); }, qRgb(192, 192, 192), 23.5},
        TransparentCase{"TirazGlyph", [] { return P().tirazGlyph(); }, qRgb(0, 0, 0), 0},
        TransparentCase{"PlayGlyph", [] { return P().playGlyph(); }, qRgb(0, 0, 0), 0},
        TransparentCase{"PlainGlyph49",
                        [] { return art::ComposeBallGlyph(49, art::GlyphKind::Plain); },
                        qRgb(0, 0, 0), 11.0},
        TransparentCase{"SelectedGlyph38",
                        [] { return art::ComposeBallGlyph(38, art::GlyphKind::Selected); },
                        qRgb(0, 0, 0), 11.0},
        TransparentCase{"AfterDrawGlyph23",
                        [] { return art::ComposeBallGlyph(23, art::GlyphKind::AfterDraw); },
                        qRgb(0, 0, 0), 11.0}),
    [](const ::testing::TestParamInfo<TransparentCase>& info) {
        return std::string(info.param.name);
    });

} // namespace
