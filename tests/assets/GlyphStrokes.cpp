#include "GlyphStrokes.h"

StrokeMap FindStrokes(const QImage& glyph, const QImage& base) {
    StrokeMap map;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            if (glyph.pixel(x, y) != base.pixel(x, y)) {
                map.columns.insert(x);
                map.rows.insert(y);
                map.colours.insert(glyph.pixel(x, y) & RGB_MASK);
            }
        }
    }
    return map;
}

std::set<int> StrokeColumnsIn(const QImage& glyph, const QImage& base, int firstRow, int lastRow) {
    std::set<int> columns;
    for (int y = firstRow; y <= lastRow; ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            if (glyph.pixel(x, y) != base.pixel(x, y)) {
                columns.insert(x);
            }
        }
    }
    return columns;
}

std::set<int> Range(int first, int last) {
    std::set<int> values;
    for (int v = first; v <= last; ++v) {
        values.insert(v);
    }
    return values;
}
