#include "tables/DrawColumns.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <map>

namespace lottery {
namespace {

// The highest value taken for a lottery number while looking for the columns: the limits of
// what this program keeps are applied later, so that a 5/69 table is refused as such.
constexpr int kLargestBall = 99;
// No draw is wider than this.
constexpr int kWidestRun = 16;

const TableField* FieldAt(const TableRowFields& row, int column) {
    return static_cast<std::size_t>(column) < row.size() ? &row[static_cast<std::size_t>(column)]
                                                         : nullptr;
}

// The one number of a field: a plain number, or one with a bonus after a '+' ("12+23", the last
// of a draw written "3,8,12+23" and cut at its commas); -1 for anything else.
long long SingleValue(const TableField* field) {
    if (field == nullptr)
        return -1;
    if (field->kind == TableField::Kind::Number)
        return field->value;
    if (field->kind == TableField::Kind::Numbers && field->count == 1)
        return field->numbers[0];
    return -1;
}

bool SmallNumber(const TableField* field) {
    const long long value = SingleValue(field);
    return value >= 1 && value <= kLargestBall;
}

// A running draw number or a counter: it rises (or falls) from row to row, but for a few junk
// or repeated lines between.
bool Counter(std::span<const TableRowFields> rows, int column) {
    int up = 0, down = 0, pairs = 0;
    long long previous = -1;
    for (const TableRowFields& row : rows) {
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
    return pairs >= 3 && (up * 10 >= pairs * 8 || down * 10 >= pairs * 8);
}

double Share(std::size_t part, std::size_t whole) {
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole);
}

// The values of rows of one width, one row after another in one block: asked for again and
// again while a span is cut, so no row costs an allocation of its own.
class RowValues {
public:
    RowValues(std::size_t width, std::size_t mostRows) : width_(width) {
        values_.reserve(width * mostRows);
    }
    std::size_t size() const { return values_.size() / width_; }
    bool empty() const { return values_.empty(); }
    std::span<const int> operator[](std::size_t row) const {
        return std::span(values_).subspan(row * width_, width_);
    }
    void append(std::span<const int> row) { values_.insert(values_.end(), row.begin(), row.end()); }

private:
    std::size_t width_;
    std::vector<int> values_;
};

// The rows with a small number in every column of first..last, as values by column.
RowValues FullRows(std::span<const TableRowFields> rows, int first, int last) {
    const auto width = static_cast<std::size_t>(last - first + 1);
    RowValues full(width, rows.size());
    std::vector<int> values;
    values.reserve(width);
    for (const TableRowFields& row : rows) {
        values.clear();
        for (int c = first; c <= last; ++c) {
            const TableField* field = FieldAt(row, c);
            if (!SmallNumber(field))
                break;
            values.push_back(static_cast<int>(SingleValue(field)));
        }
        if (values.size() == width)
            full.append(values);
    }
    return full;
}

bool Distinct(std::span<const int> values, std::size_t count) {
    std::bitset<kLargestBall + 1> seen;
    for (std::size_t i = 0; i < count; ++i) {
        if (seen.test(static_cast<std::size_t>(values[i])))
            return false;
        seen.set(static_cast<std::size_t>(values[i]));
    }
    return true;
}

// How far from `first` a run of single columns holds distinct numbers in nearly every row that
// has them: the widest such window, its rows being at least half of the sample. One pass over
// the rows counts, for every width at once, the rows full that wide and those clean too.
int WidestCleanRun(std::span<const TableRowFields> rows, int first, int runEnd) {
    const int most = std::min(runEnd - first + 1, kWidestRun);
    std::vector<std::size_t> full(static_cast<std::size_t>(most) + 1, 0), clean = full;
    for (const TableRowFields& row : rows) {
        std::bitset<kLargestBall + 1> seen;
        bool distinct = true;
        for (int w = 1; w <= most; ++w) {
            const TableField* field = FieldAt(row, first + w - 1);
            if (!SmallNumber(field))
                break;
            const auto value = static_cast<std::size_t>(SingleValue(field));
            distinct = distinct && !seen.test(value);
            seen.set(value);
            ++full[static_cast<std::size_t>(w)];
            clean[static_cast<std::size_t>(w)] += distinct;
        }
    }
    int last = first;
    for (int w = 2; w <= most; ++w) {
        const auto at = static_cast<std::size_t>(w);
        if (full[at] * 2 < rows.size() || Share(clean[at], full[at]) < 0.9)
            break;
        last = first + w - 1;
    }
    return last;
}

// The draw's columns end where the values say they end: one step at a time, the last column
// goes when it repeats a number of its row far more often than the others do (another drum),
// when it breaks a run sorted in nearly every row, or when its range is another; an unsorted
// run also loses a first column of another range. Named columns are never cut.
void CutToTheDraw(std::span<const TableRowFields> rows, int& first, int& last, int protectedTo) {
    while (last > first) {
        const auto full = FullRows(rows, first, last);
        if (full.empty())
            return;
        const int width = last - first + 1;
        const std::size_t lastAt = static_cast<std::size_t>(width - 1);
        std::size_t repeatRows = 0, lastInvolved = 0;
        std::vector<std::size_t> ascendingTo(static_cast<std::size_t>(width), 0);
        std::vector<int> top(static_cast<std::size_t>(width), 0);
        std::size_t distinctRows = 0; // the order is judged on these: a typo breaks it anyhow
        for (std::size_t r = 0; r < full.size(); ++r) {
            const std::span<const int> v = full[r];
            for (std::size_t i = 0; i < v.size(); ++i)
                top[i] = std::max(top[i], v[i]);
            if (!Distinct(v, v.size())) {
                ++repeatRows;
                lastInvolved += std::count(v.begin(), v.end() - 1, v[lastAt]) > 0;
                continue;
            }
            ++distinctRows;
            std::size_t rising = 1;
            while (rising < v.size() && v[rising] > v[rising - 1])
                ++rising;
            for (std::size_t i = 0; i < rising; ++i)
                ++ascendingTo[i];
        }
        if (last <= protectedTo)
            return;
        // Another drum repeats a number of the row in some percent of the rows (K/N of them for
        // one of the same range), nearly always in this column; a typo now and then anywhere.
        const bool anotherDrum = lastInvolved >= 3 && lastInvolved * 10 >= repeatRows * 7 &&
                                 lastInvolved * 100 >= full.size() * 3;
        // The longest prefix rising in nearly every row, and whether the column after it
        // breaks the order often.
        std::size_t sortedWidth = 1;
        while (sortedWidth < static_cast<std::size_t>(width) &&
               Share(ascendingTo[sortedWidth], distinctRows) >= 0.95)
            ++sortedWidth;
        const bool sortedRunEnds =
            sortedWidth >= 2 && sortedWidth < static_cast<std::size_t>(width) &&
            Share(distinctRows - ascendingTo[sortedWidth], distinctRows) >= 0.2;
        const int othersTop = *std::max_element(top.begin(), top.end() - 1);
        const bool otherRange = top[lastAt] * 4 < othersTop * 3;
        if (sortedRunEnds) {
            last = first + static_cast<int>(sortedWidth) - 1;
            continue;
        }
        if (anotherDrum || otherRange) {
            --last;
            continue;
        }
        const int restTop = *std::max_element(top.begin() + 1, top.end());
        if (sortedWidth < 2 && first > protectedTo && top[0] * 4 < restTop * 3) {
            ++first;
            continue;
        }
        return;
    }
}

bool OftenRepeats(std::span<const TableRowFields> rows, int first, int last) {
    const RowValues full = FullRows(rows, first, last);
    std::size_t repeats = 0;
    for (std::size_t r = 0; r < full.size(); ++r)
        repeats += !Distinct(full[r], full[r].size());
    return repeats >= 3 && repeats * 10 >= full.size();
}

} // namespace

bool RowNumbers(std::span<const TableField> fields, int first, int last, std::span<int> out,
                int& count) {
    count = 0;
    for (int c = first; c <= last; ++c) {
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

ColumnSpan FitSpan(std::span<const TableRowFields> body, int first, int last) {
    ColumnSpan span;
    span.first = first;
    span.last = last;
    std::map<int, int> clean; // count of numbers -> rows with that many, distinct and in range
    std::array<int, 64> numbers{};
    for (const TableRowFields& row : body) {
        int count = 0;
        if (!RowNumbers(row, first, last, numbers, count) || count == 0 ||
            count > static_cast<int>(numbers.size()))
            continue;
        std::bitset<kLargestBall + 1> seen;
        bool ok = true;
        for (int i = 0; i < count && ok; ++i) {
            const int n = numbers[static_cast<std::size_t>(i)];
            ok = n >= 1 && n <= kLargestBall && !seen.test(static_cast<std::size_t>(n));
            if (ok)
                seen.set(static_cast<std::size_t>(n));
        }
        clean[count] += ok;
    }
    for (const auto& [count, rows] : clean)
        if (rows > span.support)
            span.support = rows, span.K = count;
    return span;
}

std::vector<ColumnSpan> DrawSpanCandidates(std::span<const TableRowFields> body,
                                           const std::vector<ColumnRole>& roles, int columns,
                                           int namedColumns) {
    const auto roleOf = [&](int c) {
        return static_cast<std::size_t>(c) < roles.size() ? roles[static_cast<std::size_t>(c)]
                                                          : ColumnRole::Other;
    };
    const auto countOf = [&](int c, auto test) {
        return static_cast<std::size_t>(
            std::count_if(body.begin(), body.end(), [&](const auto& row) {
                const TableField* field = FieldAt(row, c);
                return field != nullptr && test(*field);
            }));
    };
    std::vector<ColumnSpan> spans;
    std::vector<bool> single(static_cast<std::size_t>(columns), false);
    for (int c = 0; c < columns; ++c) {
        const ColumnRole role = roleOf(c);
        if (role == ColumnRole::Extra || role == ColumnRole::DrawNo || role == ColumnRole::Date)
            continue;
        const std::size_t packed = countOf(c, [](const TableField& f) {
            return f.kind == TableField::Kind::Numbers && f.count >= 2;
        });
        if (packed * 2 >= body.size()) {
            ColumnSpan span = FitSpan(body, c, c);
            span.packed = true;
            span.named = role == ColumnRole::Drawn && c < namedColumns;
            spans.push_back(span);
            continue;
        }
        const std::size_t small = countOf(c, [](const TableField& f) { return SmallNumber(&f); });
        // A column the header names as drawn may rise by chance in a short table.
        single[static_cast<std::size_t>(c)] =
            Share(small, body.size()) >= 0.5 && (role == ColumnRole::Drawn || !Counter(body, c));
    }
    // Runs of single columns: from each start, as wide as the rows stay clean, then cut to the
    // draw. Columns the header names as drawn numbers are kept whole.
    for (int a = 0; a < columns; ++a) {
        if (!single[static_cast<std::size_t>(a)])
            continue;
        // Columns the header names together are one draw: none starts in their middle.
        if (a > 0 && roleOf(a) == ColumnRole::Drawn && roleOf(a - 1) == ColumnRole::Drawn &&
            single[static_cast<std::size_t>(a - 1)])
            continue;
        int runEnd = a;
        while (runEnd + 1 < columns && single[static_cast<std::size_t>(runEnd + 1)])
            ++runEnd;
        int first = a;
        int last = WidestCleanRun(body, a, runEnd);
        int namedTo = a;
        while (roleOf(a) == ColumnRole::Drawn && namedTo + 1 <= runEnd &&
               roleOf(namedTo + 1) == ColumnRole::Drawn)
            ++namedTo;
        // The header is one hint: columns it names together whose rows often repeat a number
        // are not one draw (two fields, another drum), and the values decide.
        const bool named =
            roleOf(a) == ColumnRole::Drawn && a < namedColumns && !OftenRepeats(body, a, namedTo);
        if (named && namedTo < namedColumns) {
            last = namedTo; // the header's own cells say where the draw ends
        } else if (named) {
            // The header's last cell stands over the columns after it: the values decide.
            last = std::clamp(last, std::min(namedColumns - 1, namedTo), namedTo);
            CutToTheDraw(body, first, last, namedColumns - 1);
        } else {
            CutToTheDraw(body, first, last, -1);
        }
        ColumnSpan span = FitSpan(body, first, last);
        span.named = named;
        span.namedTo = named ? std::min(namedTo, namedColumns - 1) : -1;
        if (span.K > 0 && std::find(spans.begin(), spans.end(), span) == spans.end())
            spans.push_back(span);
    }
    return spans;
}

std::optional<ColumnSpan> ChooseDrawSpan(std::span<const ColumnSpan> candidates, std::size_t rows,
                                         std::optional<int> wantedK, int& narrowedFrom) {
    narrowedFrom = 0;
    int mostSupport = 0;
    for (const ColumnSpan& span : candidates)
        mostSupport = std::max(mostSupport, span.support);
    // The draw is what most lines hold; spans held by two in three of the lines the best one is
    // compete on the rest (short junk lines lend narrow spans a few more).
    // Columns the header names need fewer: the name is a hint of its own.
    const auto eligible = [&](const ColumnSpan& span) {
        return span.support * (span.named ? 4 : 2) >= static_cast<int>(rows) &&
               (span.named || span.support * 3 >= mostSupport * 2);
    };
    const auto better = [&](const ColumnSpan& a, const ColumnSpan& b) {
        if (a.named != b.named)
            return a.named;
        if (a.K != b.K)
            return a.K > b.K;
        return a.first < b.first;
    };
    const auto bestOf = [&](auto&& wanted) {
        const ColumnSpan* best = nullptr;
        for (const ColumnSpan& span : candidates)
            if (eligible(span) && wanted(span) && (best == nullptr || better(span, *best)))
                best = &span;
        return best;
    };
    const ColumnSpan* best = bestOf([](const ColumnSpan&) { return true; });
    if (best == nullptr)
        return std::nullopt;
    ColumnSpan chosen = *best;
    if (!wantedK || chosen.K == *wantedK)
        return chosen;
    if (chosen.K > *wantedK && !chosen.packed && chosen.last - chosen.first + 1 == chosen.K &&
        chosen.first + *wantedK - 1 >= chosen.namedTo) {
        // Single columns, more than the user's K, the rest not named by the header: the first K
        // are the draw, the rest a bonus the values cannot tell apart. The table says so.
        narrowedFrom = chosen.K;
        chosen.last = chosen.first + *wantedK - 1;
        chosen.K = *wantedK;
        return chosen;
    }
    if (const ColumnSpan* fitting = bestOf([&](const ColumnSpan& s) { return s.K == *wantedK; }))
        chosen = *fitting;
    return chosen;
}

} // namespace lottery
