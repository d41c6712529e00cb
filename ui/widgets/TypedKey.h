#pragma once

class QKeyEvent;

// The key as the typed number entry takes it (a digit, ' ', ',', Enter or Backspace), or 0
// for any other key and for keys held with Ctrl, Alt or Meta, which belong to shortcuts.
char TypedEntryKey(const QKeyEvent& event);
