#pragma once

#include <QImage>
#include <array>

namespace artgen {

// The sizes of the program's icon in the desktop's hicolor theme, in pixels.
inline constexpr std::array<int, 8> kDesktopIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The menu and file-manager icon at one of kDesktopIconSizes, drawn for that size: the three
// numbered balls of the program icon (program.ico), in full colour on a transparent ground.
// Up to 32 pixels the balls sit on whole pixels and the numbers are pixel figures made for
// the size; from 48 on the numbers are drawn as strokes. ARGB32, straight alpha.
QImage DrawDesktopIcon(int size);

} // namespace artgen
