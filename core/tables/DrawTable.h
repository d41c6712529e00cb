#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lottery {

// A line of the table with what is said about it.
struct TableNote {
    std::size_t line = 0; // 1-based line number in the file
    std::string text;     // Russian
};

// How the draws were put oldest first.
enum class TableOrder {
    OldestFirst, // the table runs oldest first and was kept so
    NewestFirst, // the table runs newest first and was reversed
    AsListed,    // nothing tells the direction: the table's own row order was kept
};

// What the user may fix instead of the automatic reading; unset means "find it".
struct TableChoice {
    std::optional<int> firstColumn; // 0-based field index of the first number column
    std::optional<int> lastColumn;  // ... and of the last
    std::optional<int> K;
    std::optional<int> N;
};

// A row as read, for showing it.
struct TableRow {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

// The outcome of reading a draw table.
struct DrawTable {
    std::string error; // non-empty: the table cannot be used, and why (Russian)
    LotteryShape shape;
    std::vector<DrawRecord> draws; // oldest first, numbers in the table's order
    char separator = ',';
    int firstColumn = -1, lastColumn = -1; // the number columns taken
    std::vector<std::string> columnNames;  // the header's names, or empty when there is none
    std::size_t headerLines = 0;           // lines before the first row of data
    TableOrder order = TableOrder::AsListed;
    int orderColumn = -1; // the column the order was told by
    bool orderByDate = false;
    std::vector<TableNote> refused;  // lines that give no draw, each with its reason
    std::vector<TableNote> warnings; // unreadable or out-of-place dates and draw numbers
    std::vector<TableRow> firstRows, lastRows;
    int columnCount = 0;

    bool usable() const { return error.empty(); }
};

} // namespace lottery
