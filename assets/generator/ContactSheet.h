#pragma once

#include <QImage>

namespace artgen {

// Every shipped picture and every glyph kind for a few numbers, enlarged, on one sheet, so a
// person can judge the art at a glance. Uses the pictures built into the program.
QImage RenderContactSheet();

} // namespace artgen
