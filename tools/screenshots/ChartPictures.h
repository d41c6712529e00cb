#pragma once

#include <QString>

class PictureFolder;

// The analysis window with each chart on the opened history, and the ticket check of its
// first draw: analysis-<frequency|frequency-last100|overdue|pairs>.png, ticket-check.png.
void DrawChartPictures(PictureFolder& folder, const QString& database);
