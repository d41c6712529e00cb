#pragma once

class PictureFolder;
class QString;

// The main window, its two pages empty and, when a database is given, with its draws opened:
// main-window[-empty].png, statistics-page[-empty].png, draw-entry-page[-empty].png.
void DrawPagePictures(PictureFolder& folder, const QString& database);

// The draw-entry page while a draw is entered and with a home draw on display:
// draw-entry-record.png, draw-entry-play.png.
void DrawPlayPictures(PictureFolder& folder);

// Both pages side by side after the four "Цвет ..." commands and the second pattern:
// quadrature.png.
void DrawQuadraturePicture(PictureFolder& folder);
