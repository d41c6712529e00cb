#pragma once

#include <QFont>

// The windows were designed for "Arial Cyr" and "MS Sans Serif"; both are mapped onto
// Liberation Sans, which has Arial's metrics, so every text fits the place it was given.
void InstallFontSubstitutes();

// "Arial Cyr" at a character height in pixels.
QFont ProgramFont(int pixelSize);
