#pragma once

#include "tables/ColumnNames.h"
#include "tables/DrawColumns.h"
#include "tables/DrawTable.h"
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
    int narrowedFrom = 0;       // the user's K took only the first of this many numbers there
    int columnCount = 0;        // the most fields a sample row has
    int usualWidth = 0;         // the count of fields most rows have
    int fractionColumns = 0;    // columns holding mostly decimal fractions
    int dateColumn = -1;        // a column of dates that may tell the order
    bool dayFirst = true;       // a/b/year dates there are day/month/year
    int drawNoColumn = -1;      // else a column of draw numbers
    std::vector<ColumnSpan> alternatives; // other spans that could hold a draw

    bool found() const { return firstColumn >= 0 && K > 0; }
};

// The lines looked at to find the layout: enough for any header and a steady picture.
inline constexpr std::size_t kLayoutSampleLines = 500;

// Finds the layout of the sample lines for one separator, honouring the user's choice.
TableLayout FindTableLayout(std::span<const TableLine> sample, char separator,
                            const TableChoice& choice);

} // namespace lottery
