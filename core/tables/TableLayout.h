#pragma once

#include "tables/ColumnNames.h"
#include "tables/DrawTable.h"
#include "tables/TableField.h"
#include "tables/TableText.h"

#include <span>
#include <string_view>
#include <vector>

namespace lottery {

// Where the draw numbers of a table are, found from its first lines.
struct TableLayout {
    char separator = ',';
    std::size_t headerLines = 0; // leading lines that are not data (titles, the header)
    std::vector<std::string_view> header;
    std::vector<ColumnRole> roles; // by column, from the header (empty without one)
    int firstColumn = -1, lastColumn = -1;
    int K = 0;                  // numbers per line in those columns
    int validRows = 0;          // sample rows that give a clean draw there
    bool namedByHeader = false; // the header named the number columns
    int columnCount = 0;        // the most fields a sample row has
    int dateColumn = -1;        // a column of dates that may tell the order
    bool dayFirst = true;       // a/b/year dates there are day/month/year
    int drawNoColumn = -1;      // else a column of draw numbers

    bool found() const { return firstColumn >= 0 && K > 0; }
};

// The lines looked at to find the layout: enough for any header and a steady picture.
inline constexpr std::size_t kLayoutSampleLines = 500;

// Finds the layout of the sample lines for one separator, honouring the user's choice.
TableLayout FindTableLayout(std::span<const TableLine> sample, char separator,
                            const TableChoice& choice);

// The numbers of one row in the layout's columns; false when a field there is not numeric.
// count is the number of numbers seen (which may exceed out's size).
bool RowNumbers(std::span<const TableField> fields, int firstColumn, int lastColumn,
                std::span<int> out, int& count);

} // namespace lottery
