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
    // Only the lines firstLine..lastLine (1-based, as in the file) give draws: one era of a
    // lottery whose range changed.
    std::optional<std::size_t> firstLine, lastLine;
};

// Columns that could hold a draw instead of those taken (the second draw of a row, ...).
struct ColumnsOffered {
    int firstColumn = -1, lastColumn = -1;
    int K = 0;
};

// Where the range of the numbers changes along the table.
struct RangeChange {
    std::size_t line = 0;             // the first line of the later part, in the file's order
    int earlierTop = 0, laterTop = 0; // the largest number before that line and from it on
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
    // Warnings past the first kWarningsKept are only counted: a column of dates the reader cannot
    // read gives one a line, and millions of notes would cost more memory than the table.
    static constexpr std::size_t kWarningsKept = 1000;
    std::size_t warningsNotKept = 0;
    std::vector<TableRow> firstRows, lastRows;
    int columnCount = 0;
    bool guessedN = false;  // too few draws to settle N: the smallest usual N holding them
    int numbersInLines = 0; // when above K: the user's K took the first K of these per line
    std::optional<RangeChange> rangeChange;
    std::vector<ColumnsOffered> otherColumns;

    bool usable() const { return error.empty(); }
};

} // namespace lottery
