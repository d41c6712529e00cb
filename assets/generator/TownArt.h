#pragma once

#include <QImage>

namespace artgen {

// The 195 x 294 dusk view of a canal embankment in winter, houses mirrored in the water.
QImage DrawTown();

} // namespace artgen
