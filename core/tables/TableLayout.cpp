#include "tables/TableLayout.h"

#include <algorithm>
#include <array>
#include <map>

namespace lottery {
namespace {

using Row = TableRowFields;

enum class Family { Empty, Number, Numbers, Date, Text };

Family FamilyOf(const TableField& field) {
    switch (field.kind) {
    case TableField::Kind::Empty:
        return Family::Empty;
    case TableField::Kind::Number:
    case TableField::Kind::Fraction:
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

const TableField* FieldAt(const Row& row, int column) {
    return static_cast<std::size_t>(column) < row.size() ? &row[static_cast<std::size_t>(column)]
                                                         : nullptr;
}

double Share(int part, std::size_t whole) {
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole);
}

// The kind most rows have in each column (Empty where fewer than half the rows have one kind,
// so a few long junk lines weigh nothing); ties go to numbers and dates over text.
std::vector<Family> DominantFamilies(std::span<const Row> rows, int columns) {
    std::vector<Family> dominant(static_cast<std::size_t>(columns), Family::Empty);
    for (int c = 0; c < columns; ++c) {
        std::array<int, 5> counts{};
        for (const Row& row : rows)
            if (const TableField* field = FieldAt(row, c))
                ++counts[static_cast<std::size_t>(FamilyOf(*field))];
        int best = static_cast<int>(rows.size() / 4);
        for (int f : {1, 2, 3, 4})
            if (counts[static_cast<std::size_t>(f)] > best)
                best = counts[static_cast<std::size_t>(f)],
                dominant[static_cast<std::size_t>(c)] = static_cast<Family>(f);
    }
    return dominant;
}

// A header or a title has words where the rows below have numbers and dates; a line without
// any word is data, however badly it fits (it is then refused with its reason, never taken for
// a header).
bool LooksLikeHeading(const Row& row, const std::vector<Family>& dominant) {
    const bool hasWords = std::any_of(row.begin(), row.end(), [](const TableField& field) {
        return field.kind == TableField::Kind::Text;
    });
    if (!hasWords)
        return false;
    int considered = 0, matching = 0, text = 0;
    for (std::size_t c = 0; c < dominant.size(); ++c) {
        if (dominant[c] == Family::Empty || dominant[c] == Family::Text)
            continue;
        ++considered;
        const Family family = c < row.size() ? FamilyOf(row[c]) : Family::Empty;
        matching += family == dominant[c];
        text += family == Family::Text;
    }
    return considered == 0 || matching * 2 < considered || text * 3 >= considered;
}

// The roles the header gives, reaching past its last cell: a header shorter than the rows may
// have its last name standing over the columns after it ("Дата;Числа" over six numbers). Only
// a name of drawn numbers is taken so; the values then decide where the draw ends.
std::vector<ColumnRole> RolesOver(const std::vector<std::string_view>& header, int columns) {
    std::vector<ColumnRole> roles = ColumnRoles(header);
    if (!roles.empty() && static_cast<int>(roles.size()) < columns)
        roles.resize(static_cast<std::size_t>(columns),
                     roles.back() == ColumnRole::Drawn ? ColumnRole::Drawn : ColumnRole::Other);
    return roles;
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
    const auto numberShare = [&](int c) {
        int hits = 0;
        for (const Row& row : body)
            if (const TableField* field = FieldAt(row, c);
                field != nullptr && field->kind == TableField::Kind::Number)
                ++hits;
        return Share(hits, body.size());
    };
    const auto counter = [&](int c) {
        int up = 0, down = 0, pairs = 0;
        long long previous = -1;
        for (const Row& row : body) {
            const TableField* field = FieldAt(row, c);
            if (field == nullptr || field->kind != TableField::Kind::Number)
                continue;
            if (previous >= 0)
                ++pairs, up += field->value > previous, down += field->value < previous;
            previous = field->value;
        }
        return pairs >= 3 && (up * 10 >= pairs * 8 || down * 10 >= pairs * 8);
    };
    for (int pass = 0; pass < 2 && layout.drawNoColumn < 0; ++pass)
        for (int c = 0; c < layout.columnCount && layout.drawNoColumn < 0; ++c) {
            const bool named = static_cast<std::size_t>(c) < layout.roles.size() &&
                               layout.roles[static_cast<std::size_t>(c)] == ColumnRole::DrawNo;
            // A column the header names is taken as it is; FindOrder weighs its steps.
            if (outside(c) && (pass == 0 ? named && numberShare(c) >= 0.5 : counter(c)))
                layout.drawNoColumn = c;
        }
}

int FractionColumns(std::span<const Row> body, int columns) {
    int found = 0;
    for (int c = 0; c < columns; ++c) {
        int fractions = 0;
        for (const Row& row : body)
            if (const TableField* field = FieldAt(row, c);
                field != nullptr && field->kind == TableField::Kind::Fraction)
                ++fractions;
        found += Share(fractions, body.size()) >= 0.5;
    }
    return found;
}

} // namespace

TableLayout FindTableLayout(std::span<const TableLine> sample, char separator,
                            const TableChoice& choice) {
    TableLayout layout;
    layout.separator = separator;
    std::vector<Row> rows(sample.size());
    // Split into one buffer: the fields' texts are needed again only for the header.
    std::vector<std::string_view> split;
    for (std::size_t i = 0; i < sample.size(); ++i) {
        SplitFields(sample[i].text(), separator, split);
        rows[i].reserve(split.size());
        for (std::string_view text : split)
            rows[i].push_back(ParseTableField(text));
        layout.columnCount = std::max(layout.columnCount, static_cast<int>(rows[i].size()));
    }
    const std::vector<Family> dominant = DominantFamilies(rows, layout.columnCount);
    constexpr std::size_t kMostHeaderLines = 20;
    while (layout.headerLines < std::min(rows.size(), kMostHeaderLines) &&
           LooksLikeHeading(rows[layout.headerLines], dominant))
        ++layout.headerLines;
    if (layout.headerLines == rows.size())
        return layout;
    // The header is the last heading line when it names the columns: about as many cells as
    // the rows have, or fewer with a last name of drawn numbers standing over the rest. Lines
    // above it are titles, and so is a last line that is words split at blanks.
    // The width most rows have: titles and junk may be wider.
    std::map<std::size_t, int> widths;
    for (std::size_t i = layout.headerLines; i < rows.size(); ++i)
        ++widths[rows[i].size()];
    const std::size_t usualWidth =
        std::max_element(widths.begin(), widths.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    layout.usualWidth = static_cast<int>(usualWidth);
    if (layout.headerLines > 0) {
        std::vector<std::string_view> last;
        SplitFields(sample[layout.headerLines - 1].text(), separator, last);
        // Blanks also split the words of a title: a header must then name nearly every column.
        const std::size_t needed = separator == ' ' ? 4 : 2;
        if (last.size() >= 2 && (last.size() * needed >= usualWidth * (needed - 1) ||
                                 RoleOfColumnName(last.back()) == ColumnRole::Drawn))
            layout.header = last;
    }
    if (!layout.header.empty())
        layout.roles = RolesOver(layout.header, layout.columnCount);
    // A name the column's values contradict (a draw number over packed numbers, a date over
    // numbers: a title taken for a header) says nothing.
    for (std::size_t c = 0; c < layout.roles.size() && c < dominant.size(); ++c) {
        const ColumnRole role = layout.roles[c];
        if ((role == ColumnRole::DrawNo && dominant[c] != Family::Number) ||
            (role == ColumnRole::Date && dominant[c] != Family::Date &&
             dominant[c] != Family::Text) ||
            (role == ColumnRole::Drawn && dominant[c] != Family::Number &&
             dominant[c] != Family::Numbers))
            layout.roles[c] = ColumnRole::Other;
    }
    const std::span<const Row> body = std::span<const Row>(rows).subspan(layout.headerLines);
    layout.fractionColumns = FractionColumns(body, layout.columnCount);

    std::optional<ColumnSpan> chosen;
    const std::vector<ColumnSpan> candidates = DrawSpanCandidates(
        body, layout.roles, layout.columnCount, static_cast<int>(layout.header.size()));
    if (choice.firstColumn) {
        const int first = *choice.firstColumn;
        const int last = std::max(first, choice.lastColumn.value_or(first));
        if (first >= 0 && last < layout.columnCount)
            chosen = FitSpan(body, first, last);
    } else {
        chosen = ChooseDrawSpan(candidates, body.size(), choice.K, layout.narrowedFrom);
    }
    for (const ColumnSpan& span : candidates)
        if (span.support * 2 >= static_cast<int>(body.size()) &&
            !(chosen && span.last >= chosen->first && span.first <= chosen->last))
            layout.alternatives.push_back(span);
    if (!chosen || chosen->K == 0)
        return layout;
    layout.firstColumn = chosen->first;
    layout.lastColumn = chosen->last;
    layout.K = chosen->K;
    layout.validRows = chosen->support;
    layout.namedByHeader = chosen->named;
    FindOrderColumns(body, layout);
    return layout;
}

} // namespace lottery
