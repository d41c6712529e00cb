#pragma once

#include "tables/ColumnNames.h"
#include "tables/TableField.h"

#include <optional>
#include <span>
#include <vector>

namespace lottery {

using TableRowFields = std::vector<TableField>;

// Columns first..last that may hold the draw, and how the sample rows fit them.
struct ColumnSpan {
    int first = -1, last = -1;
    int K = 0;           // the count of numbers most rows have there
    int support = 0;     // rows with exactly K distinct numbers in range there
    bool named = false;  // the header names these columns as drawn numbers
    bool packed = false; // one field holding several numbers
    int namedTo = -1;    // the last column the header's own cells name as drawn

    bool operator==(const ColumnSpan& other) const {
        return first == other.first && last == other.last;
    }
};

// Every span of the body rows that may hold the draw: each field packed with numbers on its
// own, and runs of single-number columns cut where the values say the draw ends (a run sorted
// in nearly every row followed by a column that breaks the order, a column repeating a number
// of its own row, a column of another range). Counters and columns the header gives another
// role are never in a run. roles may reach past the header's own cells (namedColumns): only
// columns the header itself names as drawn are kept whatever their values say.
std::vector<ColumnSpan> DrawSpanCandidates(std::span<const TableRowFields> body,
                                           const std::vector<ColumnRole>& roles, int columns,
                                           int namedColumns);

// The span of the draw: the one most rows fit (at least half of them), preferring what the
// header names, then the most numbers, then the first (a row of two independent draws gives its
// first). With wantedK the spans of that many numbers come first; a run of single columns may
// be narrowed to its first wantedK where the header's own cells do not name the rest (narrowedFrom
// then holds its width, else 0). nullopt: none fits.
std::optional<ColumnSpan> ChooseDrawSpan(std::span<const ColumnSpan> candidates, std::size_t rows,
                                         std::optional<int> wantedK, int& narrowedFrom);

// The count of numbers, distinct and in 1..99, most rows have in first..last, and how many rows
// have it.
ColumnSpan FitSpan(std::span<const TableRowFields> body, int first, int last);

// The numbers of one row in columns first..last (a packed field without its numbers after a
// '+'); false when a field there is not numeric. count is the number of numbers seen (which
// may exceed out's size).
bool RowNumbers(std::span<const TableField> fields, int first, int last, std::span<int> out,
                int& count);

} // namespace lottery
