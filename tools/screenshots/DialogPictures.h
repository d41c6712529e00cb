#pragma once

class PictureFolder;

// frmNew, frmHelp and frmAbout with each background pattern: dialog-<new|help|about>-
// <plaster|patchwork>.png.
void DrawDialogPictures(PictureFolder& folder);
