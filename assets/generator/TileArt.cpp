#include "TileArt.h"

#include "ArtKit.h"

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace artgen {

namespace {

constexpr int kTile = 81;

int Wrap(int v) {
    return ((v % kTile) + kTile) % kTile;
}

class Field {
public:
    Field() : values_(kTile * kTile, 0.0) {}
    double& at(int x, int y) {
        return values_[static_cast<std::size_t>(Wrap(y) * kTile + Wrap(x))];
    }
    double at(int x, int y) const {
        return values_[static_cast<std::size_t>(Wrap(y) * kTile + Wrap(x))];
    }

private:
    std::vector<double> values_;
};

} // namespace

QImage DrawPlasterTile() {
    // Streaks follow x - y = const; evaluating the noise at (x + y, x - y) keeps it periodic in
    // 81 along both axes, so the grain runs diagonally and still meets itself at the edges.
    const PeriodicNoise grain(kTile, 4, 18, 11);
    const PeriodicNoise streaks(kTile, 2, 40, 15);
    const PeriodicNoise blotches(kTile, 9, 9, 12);
    const PeriodicNoise fine(kTile, 27, 27, 13);
    std::mt19937 random(14);
    std::normal_distribution<double> mottle(0.0, 1.0);

    Field height;
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double u = x + y;
            const double v = x - y;
            height.at(x, y) = 0.85 * grain.at(u, v) + 0.45 * streaks.at(u, v) +
                              0.30 * blotches.at(x, y) + 0.22 * fine.at(x, y) +
                              0.14 * mottle(random);
        }
    }
    // A few pits, as trowelled plaster has; placed modulo 81 so they wrap too.
    std::uniform_int_distribution<int> place(0, kTile - 1);
    for (int k = 0; k < 26; ++k) {
        const int cx = place(random);
        const int cy = place(random);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                height.at(cx + dx, cy + dy) -= (dx == 0 && dy == 0) ? 0.9 : 0.3;
            }
        }
    }

    QImage tile(kTile, kTile, QImage::Format_RGB32);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            // Relief lit from the upper left: the slope toward the light brightens.
            const double slope = height.at(x - 1, y - 1) - height.at(x + 1, y + 1);
            const double h = height.at(x, y);
            const double level = 202.0 + 22.0 * slope + 11.0 * h;
            tile.setPixel(x, y, qRgb(ClampByte(level + 1), ClampByte(level), ClampByte(level - 4)));
        }
    }
    return tile;
}

QImage DrawPatchworkTile() {
    // Six squares across and down, 13 and 14 pixels wide by turns: 6 x 13.5 = 81 exactly.
    constexpr std::array<int, 6> kSides{13, 14, 13, 14, 13, 14};
    std::array<int, 7> edges{};
    for (std::size_t i = 0; i < kSides.size(); ++i) {
        edges[i + 1] = edges[i] + kSides[i];
    }
    std::mt19937 random(21);
    std::uniform_real_distribution<double> lightness(138.0, 214.0);
    std::array<std::array<double, 6>, 6> level{};
    for (auto& row : level) {
        for (double& v : row) {
            v = lightness(random);
        }
    }
    const PeriodicNoise cloth(kTile, 27, 27, 22);
    std::normal_distribution<double> mottle(0.0, 1.6);

    QImage tile(kTile, kTile, QImage::Format_RGB32);
    for (std::size_t j = 0; j < 6; ++j) {
        for (std::size_t i = 0; i < 6; ++i) {
            const int left = edges[i];
            const int top = edges[j];
            const int w = kSides[i];
            const int h = kSides[j];
            for (int y = top; y < top + h; ++y) {
                for (int x = left; x < left + w; ++x) {
                    const double fx = (x - left + 0.5) / w;
                    const double fy = (y - top + 0.5) / h;
                    // A soft sheen toward the upper left of each square...
                    const double dx = fx - 0.32;
                    const double dy = fy - 0.30;
                    const double sheen = 22.0 * std::exp(-(dx * dx + dy * dy) / 0.09);
                    // ...and a gentle bevel: light on the top and left rims, shade below.
                    const int fromLeft = x - left;
                    const int fromTop = y - top;
                    const int fromRight = left + w - 1 - x;
                    const int fromBottom = top + h - 1 - y;
                    double bevel = 0.0;
                    if (fromTop == 0 || fromLeft == 0) {
                        bevel += 16.0;
                    } else if (fromTop == 1 || fromLeft == 1) {
                        bevel += 6.0;
                    }
                    if (fromBottom == 0 || fromRight == 0) {
                        bevel -= 24.0;
                    } else if (fromBottom == 1 || fromRight == 1) {
                        bevel -= 8.0;
                    }
                    const double v =
                        level[j][i] + sheen + bevel + 5.0 * cloth.at(x, y) + mottle(random);
                    tile.setPixel(x, y, qRgb(ClampByte(v), ClampByte(v), ClampByte(v + 3)));
                }
            }
        }
    }
    return tile;
}

} // namespace artgen
