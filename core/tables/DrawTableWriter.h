#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"

#include <span>
#include <string>

namespace lottery {

// The draws as a CSV table in entry order: a header ("Тираж,Число 1,..."), then one line a
// draw with its running number and its K numbers as entered. UTF-8, CRLF line ends.
std::string DrawTableCsv(std::span<const DrawRecord> draws, LotteryShape shape);

} // namespace lottery
