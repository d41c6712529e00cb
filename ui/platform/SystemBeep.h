#pragma once

#include <functional>

// The system beep of a refused typed number. Tests count beeps instead; an empty handler
// restores the real beep.
void SystemBeep();
void SetBeepHandler(std::function<void()> handler);
