#pragma once

class QWidget;

// Moves a window of our own next to the main window (right, left, below or above), kept on the
// screen, where it covers nothing of the main window, or where the screen is too small for
// that, as little as it can.
void PlaceBeside(QWidget& window, const QWidget& main);
