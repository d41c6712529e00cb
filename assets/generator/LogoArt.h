#pragma once

#include <QImage>

namespace artgen {

// The maker's 150 x 113 logo: gold lettering with depth on black.
QImage DrawLogo();

} // namespace artgen
