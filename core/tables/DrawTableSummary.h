#pragma once

#include "tables/DrawTable.h"

#include <string>

namespace lottery {

// "старые сначала (по датам, столбец 1 «Date»)" and the like: how the order was found.
std::string OrderText(const DrawTable& table);

// "2–7 (Num1 … Num6)": the columns taken as the numbers, counted from 1.
std::string NumberColumnsText(const DrawTable& table);

// What the reader could not settle by itself: a guessed N, numbers left out of each line, a
// change of range along the table, a second draw in the rows. One line each; empty if none.
std::string ShapeRemarks(const DrawTable& table);

// What a reading took, line by line: shape, draws, columns, order, refused lines and warnings,
// each with its line number and reason (at most maxNotes of each; the rest are counted).
std::string DrawTableSummary(const DrawTable& table, std::size_t maxNotes = SIZE_MAX);

} // namespace lottery
