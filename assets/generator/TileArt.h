#pragma once

#include <QImage>

namespace artgen {

// Both tiles are 81 x 81 and repeat without seams: everything in them is periodic in 81.
QImage DrawPlasterTile();
QImage DrawPatchworkTile();

} // namespace artgen
