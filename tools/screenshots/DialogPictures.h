#pragma once

#include <QString>

class PictureFolder;

// frmNew, frmHelp and frmAbout with each background pattern: dialog-<new|help|about>-
// <plaster|patchwork>.png.
void DrawDialogPictures(PictureFolder& folder);

// The preview of the draw table at csvPath, as "Открыть" shows it: import-preview.png.
void DrawTablePreviewPicture(PictureFolder& folder, const QString& csvPath);

// A made-up table of a lottery whose range grew, its later part chosen in the preview
// (table-preview-era.png), and the question on an updated table (update-question.png).
void DrawTableUpdatePictures(PictureFolder& folder);
