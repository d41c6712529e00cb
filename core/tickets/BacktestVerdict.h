#pragma once

#include "tickets/Backtest.h"

#include <string>

namespace lottery {

// One plain Russian sentence (two when a way stands out): did any way match more numbers than
// chance explains, once the number of ways tried is taken into account.
std::string BacktestVerdict(const Backtest& backtest);

} // namespace lottery
