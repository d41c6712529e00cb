#include "ArtKit.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace artgen {

QImage FlattenOnKey(const QImage& subject, QRgb key, QRgb fringe, int alphaFloor) {
    const QImage source = subject.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb p = source.pixel(x, y);
            const int a = qAlpha(p);
            if (a < alphaFloor) {
                out.setPixel(x, y, key | 0xff000000u);
                continue;
            }
            const double t = a / 255.0;
            // The subject is straight (not premultiplied) ARGB.
            int r = ClampByte(qRed(p) * t + qRed(fringe) * (1 - t));
            int g = ClampByte(qGreen(p) * t + qGreen(fringe) * (1 - t));
            int b = ClampByte(qBlue(p) * t + qBlue(fringe) * (1 - t));
            if (qRgb(r, g, b) == (key | 0xff000000u)) {
                r = r < 255 ? r + 1 : r - 1;
                g = g < 255 ? g + 1 : g - 1;
            }
            out.setPixel(x, y, qRgb(r, g, b));
        }
    }
    return out;
}

PeriodicNoise::PeriodicNoise(int size, int cellsX, int cellsY, std::uint32_t seed)
    : size_(size), cellsX_(cellsX), cellsY_(cellsY),
      lattice_(static_cast<std::size_t>(cellsX) * cellsY) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    for (double& v : lattice_) {
        v = uniform(random);
    }
}

double PeriodicNoise::node(int i, int j) const {
    i = ((i % cellsX_) + cellsX_) % cellsX_;
    j = ((j % cellsY_) + cellsY_) % cellsY_;
    return lattice_[static_cast<std::size_t>(j) * cellsX_ + i];
}

namespace {
// Catmull-Rom through four lattice values.
double Cubic(double p0, double p1, double p2, double p3, double t) {
    return p1 + 0.5 * t *
                    (p2 - p0 +
                     t * (2.0 * p0 - 5.0 * p1 + 4.0 * p2 - p3 + t * (3.0 * (p1 - p2) + p3 - p0)));
}
} // namespace

double PeriodicNoise::at(double x, double y) const {
    const double fx = x * cellsX_ / size_;
    const double fy = y * cellsY_ / size_;
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    const double tx = fx - ix;
    const double ty = fy - iy;
    double rows[4];
    for (int k = 0; k < 4; ++k) {
        const int j = iy - 1 + k;
        rows[k] = Cubic(node(ix - 1, j), node(ix, j), node(ix + 1, j), node(ix + 2, j), tx);
    }
    return Cubic(rows[0], rows[1], rows[2], rows[3], ty);
}

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

int ClampByte(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

QRgb Mix(QRgb a, QRgb b, double t) {
    return qRgba(ClampByte(qRed(a) + (qRed(b) - qRed(a)) * t),
                 ClampByte(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
                 ClampByte(qBlue(a) + (qBlue(b) - qBlue(a)) * t),
                 ClampByte(qAlpha(a) + (qAlpha(b) - qAlpha(a)) * t));
}

QImage BoxDown(const QImage& big, int factor) {
    const QImage source = big.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(source.width() / factor, source.height() / factor,
               QImage::Format_ARGB32_Premultiplied);
    const int n = factor * factor;
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb p = source.pixel(x * factor + dx, y * factor + dy);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                    a += qAlpha(p);
                }
            }
            out.setPixel(x, y,
                         qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n));
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32);
}

} // namespace artgen
