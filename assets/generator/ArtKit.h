#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace artgen {

// Lays a drawn subject (ARGB, alpha = coverage) on a uniform ground of the key colour. Faint
// edge pixels become ground; the other edge pixels are blended toward `fringe`, the colour of
// what the picture will be seen on, so the cut-out edge does not show a halo of the key colour.
// No subject pixel may end up in the key colour itself, or the background would show through.
QImage FlattenOnKey(const QImage& subject, QRgb key, QRgb fringe, int alphaFloor = 48);

// Light grey of button faces and page backgrounds, where the cut-out glyphs and balls are seen.
inline constexpr QRgb kSeenOn = 0xffc8c8c8;

// A value-noise field that repeats every `size` pixels in both directions, with cellsX by
// cellsY lattice cells per period; smooth (cubic) between lattice points. Values about -1..1.
class PeriodicNoise {
public:
    PeriodicNoise(int size, int cellsX, int cellsY, std::uint32_t seed);
    double at(double x, double y) const;

private:
    int size_;
    int cellsX_;
    int cellsY_;
    std::vector<double> lattice_;
    double node(int i, int j) const;
};

double Clamp01(double v);
int ClampByte(double v);
QRgb Mix(QRgb a, QRgb b, double t);

// Downscales a supersampled drawing with a box filter (exact averaging).
QImage BoxDown(const QImage& big, int factor);

} // namespace artgen
