#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

// Colours are kept as the stored values of the options file (0x00BBGGRR or a system colour
// with the high bit set) so that saving writes back what was read; they are resolved
// through the palette only for painting.
QColor ResolveColour(std::int32_t value, const QPalette& palette);
// The stored value of a plain colour chosen by the user.
std::int32_t ColourValueOf(const QColor& colour);
