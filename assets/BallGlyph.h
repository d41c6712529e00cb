#pragma once

#include <QImage>

namespace art {

enum class GlyphKind { Plain, Selected, AfterDraw };

// The 26x26 glyph of number button n (1..49), composed on a fresh copy of the base ball.
QImage ComposeBallGlyph(int n, GlyphKind kind);

} // namespace art
