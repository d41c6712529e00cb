#include "tables/TableLayout.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <map>

namespace lottery {
namespace {

// The highest value taken for a lottery number while looking for the columns: the limits of
// what this program keeps are applied later, so that a 5/69 table is refused as such.
constexpr int kLargestBall = 99;

using Row = std::vector<TableField>;

// Wider runs of small numbers than this are not looked into: no draw is that long.
constexpr int kWidestRun = 16;

enum class Family { Empty, Number, Numbers, Date, Text };

Family FamilyOf(const TableField& field) {
    switch (field.kind) {
    case TableField::Kind::Empty:
        return Family::Empty;
    case TableField::Kind::Number:
        return Family::Number;
    case TableField::Kind::Numbers:
        return Family::Numbers;
    case TableField::Kind::Date:
    case TableField::Kind::BadDate:
        return Family::Date;
    case TableField::Kind::Text:
        break;
    }
    return Family::Text;
}

// The kind most rows have in each column; ties go to numbers and dates over text.
std::vector<Family> DominantFamilies(std::span<const Row> rows, int columns) {
    std::vector<Family> dominant(static_cast<std::size_t>(columns), Family::Empty);
    for (int c = 0; c < columns; ++c) {
        std::array<int, 5> counts{};
        for (const Row& row : rows)
            if (static_cast<std::size_t>(c) < row.size())
                ++counts[static_cast<std::size_t>(FamilyOf(row[static_cast<std::size_t>(c)]))];
        int best = 0;
        for (int f : {1, 2, 3, 4})
            if (counts[static_cast<std::size_t>(f)] > best)
                best = counts[static_cast<std::size_t>(f)],
                dominant[static_cast<std::size_t>(c)] = static_cast<Family>(f);
    }
    return dominant;
}

// A header or a title has text where the rows below have numbers and dates; a row of data
// with a typo or a few empty fields still has them nearly everywhere.
bool LooksLikeData(const Row& row, const std::vector<Family>& dominant) {
    int considered = 0, matching = 0, text = 0;
    for (std::size_t c = 0; c < dominant.size(); ++c) {
        if (dominant[c] == Family::Empty || dominant[c] == Family::Text)
            continue;
        ++considered;
        const Family family = c < row.size() ? FamilyOf(row[c]) : Family::Empty;
        matching += family == dominant[c];
        text += family == Family::Text;
    }
    return considered > 0 && matching * 2 >= considered && text * 3 < considered;
}

bool InRange(const TableField& field) {
    if (!field.isNumeric())
        return false;
    for (int i = 0; i < std::min<int>(field.count, TableField::kMaxPacked); ++i)
        if (field.numbers[static_cast<std::size_t>(i)] < 1 ||
            field.numbers[static_cast<std::size_t>(i)] > kLargestBall)
            return false;
    return field.kind == TableField::Kind::Numbers || field.value <= kLargestBall;
}

const TableField* FieldAt(const Row& row, int column) {
    return static_cast<std::size_t>(column) < row.size() ? &row[static_cast<std::size_t>(column)]
                                                         : nullptr;
}

double Share(int part, std::size_t whole) {
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole);
}

double InRangeShare(std::span<const Row> rows, int column) {
    int hits = 0;
    for (const Row& row : rows)
        if (const TableField* field = FieldAt(row, column); field != nullptr && InRange(*field))
            ++hits;
    return Share(hits, rows.size());
}

double NumberShare(std::span<const Row> rows, int column) {
    int hits = 0;
    for (const Row& row : rows)
        if (const TableField* field = FieldAt(row, column);
            field != nullptr && field->kind == TableField::Kind::Number)
            ++hits;
    return Share(hits, rows.size());
}

// A running draw number or date counter, not a drawn number.
bool Monotonic(std::span<const Row> rows, int column) {
    int up = 0, down = 0, pairs = 0;
    long long previous = -1;
    for (const Row& row : rows) {
        const TableField* field = FieldAt(row, column);
        if (field == nullptr || field->kind != TableField::Kind::Number)
            continue;
        if (previous >= 0) {
            ++pairs;
            up += field->value > previous;
            down += field->value < previous;
        }
        previous = field->value;
    }
    return pairs >= 3 && (up * 10 >= pairs * 9 || down * 10 >= pairs * 9);
}

struct WindowScore {
    int clean = 0;     // rows with only distinct numbers in range
    int K = 0;         // the usual count of numbers in a row
    int ascending = 0; // rows whose numbers rise throughout
};

WindowScore ScoreWindow(std::span<const Row> rows, int first, int last) {
    WindowScore score;
    std::map<int, int> counts;
    std::array<int, 64> numbers{};
    for (const Row& row : rows) {
        int count = 0;
        if (!RowNumbers(row, first, last, numbers, count) || count == 0)
            continue;
        ++counts[count];
        if (count > static_cast<int>(numbers.size()))
            continue;
        std::bitset<kLargestBall + 1> seen;
        bool clean = true, rising = true;
        for (int i = 0; i < count && clean; ++i) {
            const int n = numbers[static_cast<std::size_t>(i)];
            clean = n >= 1 && n <= kLargestBall && !seen.test(static_cast<std::size_t>(n));
            if (clean)
                seen.set(static_cast<std::size_t>(n));
            rising = rising && (i == 0 || n > numbers[static_cast<std::size_t>(i - 1)]);
        }
        score.clean += clean;
        score.ascending += clean && rising;
    }
    int best = 0;
    for (const auto& [count, rowsWithIt] : counts)
        if (rowsWithIt > best)
            best = rowsWithIt, score.K = count;
    return score;
}

// From the header: the first run of columns it names as drawn numbers that hold numbers.
bool HeaderWindow(std::span<const Row> body, const std::vector<ColumnRole>& roles, int& first,
                  int& last) {
    const auto begin = std::find(roles.begin(), roles.end(), ColumnRole::Drawn);
    if (begin == roles.end())
        return false;
    first = static_cast<int>(begin - roles.begin());
    last = first - 1;
    for (int c = first; c < static_cast<int>(roles.size()) &&
                        roles[static_cast<std::size_t>(c)] == ColumnRole::Drawn;
         ++c) {
        if (InRangeShare(body, c) < 0.5)
            break;
        last = c;
    }
    return last >= first;
}

// From the values: the widest run of adjacent columns of small numbers without repeats in a
// row, leaving out counters and whatever the header names as something else.
bool ValueWindow(std::span<const Row> body, const std::vector<ColumnRole>& roles, int columns,
                 std::optional<int> wantedK, int& first, int& last) {
    std::vector<bool> candidate(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        const ColumnRole role = static_cast<std::size_t>(c) < roles.size()
                                    ? roles[static_cast<std::size_t>(c)]
                                    : ColumnRole::Other;
        const bool namedOtherwise =
            role == ColumnRole::Extra || role == ColumnRole::DrawNo || role == ColumnRole::Date;
        candidate[static_cast<std::size_t>(c)] =
            !namedOtherwise && InRangeShare(body, c) >= 0.9 && !Monotonic(body, c);
    }
    const std::size_t rows = body.size();
    WindowScore bestScore;
    bool found = false;
    for (int a = 0; a < columns; ++a) {
        for (int b = a; b < columns && b - a < kWidestRun && candidate[static_cast<std::size_t>(b)];
             ++b) {
            const WindowScore score = ScoreWindow(body, a, b);
            if (score.K == 0 || Share(score.clean, rows) < 0.95)
                continue;
            if (wantedK && score.K != *wantedK)
                continue;
            if (!found || score.K > bestScore.K ||
                (score.K == bestScore.K && score.clean > bestScore.clean)) {
                found = true, bestScore = score, first = a, last = b;
            }
        }
    }
    if (!found || wantedK)
        return found;
    // Numbers published sorted followed by one or two that are not: those are bonus balls.
    if (last - first >= 2 && Share(bestScore.ascending, rows) < 0.5) {
        for (int shorter = last - 1; shorter >= std::max(first + 1, last - 2); --shorter) {
            const WindowScore score = ScoreWindow(body, first, shorter);
            if (Share(score.ascending, rows) >= 0.95) {
                last = shorter;
                break;
            }
        }
    }
    return true;
}

// The columns that can tell the order of the rows: dates first, else draw numbers.
void FindOrderColumns(std::span<const Row> body, TableLayout& layout) {
    const auto outside = [&](int c) { return c < layout.firstColumn || c > layout.lastColumn; };
    for (int c = 0; c < layout.columnCount && layout.dateColumn < 0; ++c) {
        int dates = 0;
        for (const Row& row : body)
            if (const TableField* field = FieldAt(row, c); field != nullptr && field->isDate())
                ++dates;
        if (outside(c) && Share(dates, body.size()) >= 0.5)
            layout.dateColumn = c;
    }
    if (layout.dateColumn >= 0) {
        bool dayAbove12 = false, monthAbove12 = false;
        for (const Row& row : body) {
            const TableField* field = FieldAt(row, layout.dateColumn);
            if (field != nullptr && field->kind == TableField::Kind::Date &&
                field->dateForm == TableField::DateForm::DayOrMonthFirst) {
                dayAbove12 = dayAbove12 || field->dateA > 12;
                monthAbove12 = monthAbove12 || field->dateB > 12;
            }
        }
        layout.dayFirst = dayAbove12 || !monthAbove12;
        return;
    }
    for (int pass = 0; pass < 2 && layout.drawNoColumn < 0; ++pass)
        for (int c = 0; c < layout.columnCount && layout.drawNoColumn < 0; ++c) {
            const bool named = static_cast<std::size_t>(c) < layout.roles.size() &&
                               layout.roles[static_cast<std::size_t>(c)] == ColumnRole::DrawNo;
            // A column the header names is taken as it is; FindOrder weighs its steps.
            if (outside(c) &&
                (pass == 0 ? named && NumberShare(body, c) >= 0.5 : Monotonic(body, c)))
                layout.drawNoColumn = c;
        }
}

} // namespace

bool RowNumbers(std::span<const TableField> fields, int firstColumn, int lastColumn,
                std::span<int> out, int& count) {
    count = 0;
    for (int c = firstColumn; c <= lastColumn; ++c) {
        if (static_cast<std::size_t>(c) >= fields.size())
            return false;
        const TableField& field = fields[static_cast<std::size_t>(c)];
        if (!field.isNumeric())
            return false;
        for (int i = 0; i < field.count; ++i, ++count)
            if (static_cast<std::size_t>(count) < out.size())
                out[static_cast<std::size_t>(count)] =
                    field.kind == TableField::Kind::Number
                        ? static_cast<int>(std::min(field.value, 100000LL))
                        : field.numbers[static_cast<std::size_t>(i)];
    }
    return true;
}

TableLayout FindTableLayout(std::span<const TableLine> sample, char separator,
                            const TableChoice& choice) {
    TableLayout layout;
    layout.separator = separator;
    std::vector<std::vector<std::string_view>> texts(sample.size());
    std::vector<Row> rows(sample.size());
    for (std::size_t i = 0; i < sample.size(); ++i) {
        SplitFields(sample[i].text, separator, texts[i]);
        rows[i].reserve(texts[i].size());
        for (std::string_view text : texts[i])
            rows[i].push_back(ParseTableField(text));
        layout.columnCount = std::max(layout.columnCount, static_cast<int>(rows[i].size()));
    }
    const std::vector<Family> dominant = DominantFamilies(rows, layout.columnCount);
    constexpr std::size_t kMostHeaderLines = 20;
    while (layout.headerLines < std::min(rows.size(), kMostHeaderLines) &&
           !LooksLikeData(rows[layout.headerLines], dominant))
        ++layout.headerLines;
    if (layout.headerLines == rows.size())
        return layout;
    if (layout.headerLines > 0) {
        layout.header = texts[layout.headerLines - 1];
        layout.roles = ColumnRoles(layout.header);
    }
    const std::span<const Row> body = std::span<const Row>(rows).subspan(layout.headerLines);

    int first = -1, last = -1;
    if (choice.firstColumn) {
        first = *choice.firstColumn;
        last = choice.lastColumn.value_or(first);
    } else if (layout.header.size() >= 2 && HeaderWindow(body, layout.roles, first, last)) {
        // (A header left whole by this separator names nothing.)
        layout.namedByHeader = true;
        if (choice.K) {
            // Narrow a run of single-number columns to the wanted count.
            const int plain = last - first + 1;
            if (plain > *choice.K && ScoreWindow(body, first, last).K == plain)
                last = first + *choice.K - 1;
        }
    } else if (!ValueWindow(body, layout.roles, layout.columnCount, choice.K, first, last)) {
        return layout;
    }
    if (first < 0 || last < first || last >= layout.columnCount)
        return layout;
    const WindowScore score = ScoreWindow(body, first, last);
    layout.firstColumn = first;
    layout.lastColumn = last;
    layout.K = score.K;
    layout.validRows = score.clean;
    FindOrderColumns(body, layout);
    return layout;
}

} // namespace lottery
