#pragma once

#include <QImage>
#include <set>

// Finds where a composed glyph differs from the ball it was composed on: the digit strokes.
struct StrokeMap {
    std::set<int> columns;
    std::set<int> rows;
    std::set<QRgb> colours;
};

StrokeMap FindStrokes(const QImage& glyph, const QImage& base);
std::set<int> StrokeColumnsIn(const QImage& glyph, const QImage& base, int firstRow, int lastRow);
std::set<int> Range(int first, int last);
