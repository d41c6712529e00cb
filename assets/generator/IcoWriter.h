#pragma once

#include "IconArt.h"

#include <QByteArray>

namespace artgen {

// A one-image .ico: 4 bits per pixel with its 16-colour table and the 1-bit AND mask.
QByteArray WriteIco4(const Icon16& icon);

} // namespace artgen
