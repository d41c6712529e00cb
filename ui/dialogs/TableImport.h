#pragma once

#include "tables/DrawTable.h"

#include <QString>
#include <optional>

class QWidget;

// Reads the draw table at path for the window: past about half a second a progress dialog
// that can be cancelled, then the preview. The reading the user chose to import, or nothing
// (cancelled). A file that cannot be read throws IoError, like Open; one that may not be read
// (not a regular file, too big, no memory for it) throws InputRefusedError with the reason.
std::optional<lottery::DrawTable> ChooseTableReading(QWidget* parent, const QString& path);
