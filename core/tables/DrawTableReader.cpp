#include "tables/DrawTableReader.h"

#include "tables/DrawOrder.h"
#include "tables/NumberRange.h"
#include "tables/TableLayout.h"

#include <algorithm>
#include <array>
#include <new>
#include <tuple>

namespace lottery {
namespace {

// Lines longer than this are no draws (and would only slow everything down).
constexpr std::size_t kLongestLine = 64 * 1024;
constexpr std::size_t kRowsShown = 5;
constexpr std::size_t kProgressEvery = 8192;

std::string Count(long long n) {
    return std::to_string(n);
}

// The draws of the table's lines as they come, before the shape is known: the numbers (above
// 255 kept as 255, which no lottery reaches), where each came from and its order key.
struct RowsRead {
    std::vector<DrawRecord> numbers;
    std::vector<std::uint32_t> lineIndex; // into the table's lines
    std::vector<OrderKey> keys;
    std::size_t aboveLimit = 0; // rows with a number above what the program keeps
    int highestAbove = 0;
};

// Stage 1. The text of the table as UTF-8, or the reason there is none.
std::string_view TextOf(std::string_view bytes, std::string& storage, std::string& error) {
    const std::string_view text = TableTextAsUtf8(bytes, storage);
    if (LooksBinary(text.substr(0, 1 << 20)))
        error = "Это не таблица тиражей: в файле двоичные данные.";
    return text;
}

// Stage 2. The lines the layout is found from: the first ones that are not overlong.
std::vector<TableLine> SampleOf(std::span<const TableLine> lines) {
    std::vector<TableLine> sample;
    for (const TableLine& line : lines) {
        if (sample.size() == kLayoutSampleLines)
            break;
        if (line.text().size() <= kLongestLine)
            sample.push_back(line);
    }
    return sample;
}

// Stage 3. The separator whose layout reads best: a draw found; named by the header; of the
// user's K; rows split into fields (a whole line read as one packed field loses to a separator
// that lets the values tell a draw from its bonus); about as many clean rows as the best; more
// numbers (a packed field read whole beats its pieces); an order column found; more fields (a
// separator cutting through fields leaves fewer); then more clean rows.
TableLayout BestLayout(std::span<const TableLine> sample, const TableChoice& choice) {
    std::vector<TableLayout> layouts;
    // A separator is one that most lines hold, not only a title or a junk line.
    const auto present = [&](char separator) {
        return 2 * static_cast<std::size_t>(std::count_if(sample.begin(), sample.end(),
                                                          [&](const TableLine& l) {
                                                              return l.text().find(separator) !=
                                                                     std::string_view::npos;
                                                          })) >=
               sample.size();
    };
    for (char separator : {'\t', ';', ',', ' '})
        // Blanks as the separator take tabs too: with tabs there, they are the separator.
        if (separator == ',' || (present(separator) && !(separator == ' ' && present('\t'))))
            layouts.push_back(FindTableLayout(sample, separator, choice));
    int mostValid = 0;
    for (const TableLayout& layout : layouts)
        mostValid = std::max(mostValid, layout.validRows);
    const auto rank = [&](const TableLayout& l) {
        return std::make_tuple(l.found(), l.namedByHeader, !choice.K || l.K == *choice.K,
                               l.usualWidth > 1, l.validRows * 10 >= mostValid * 9, l.K,
                               l.dateColumn >= 0 || l.drawNoColumn >= 0, l.columnCount,
                               l.validRows);
    };
    return *std::max_element(
        layouts.begin(), layouts.end(),
        [&](const TableLayout& a, const TableLayout& b) { return rank(a) < rank(b); });
}

// Stage 4. Why the layout gives no draws at all, or empty when it does.
std::string LayoutError(const TableLayout& layout, std::span<const TableLine> sample,
                        const TableChoice& choice) {
    if (layout.headerLines >= sample.size())
        return sample.size() == 1 ? "В таблице нет тиражей: в ней только заголовок."
                                  : "В таблице не нашлось строк с числами тиража.";
    if (!layout.found() && layout.fractionColumns >= 2)
        return "В таблице дробные числа, а номера шаров — целые: такую таблицу взять нельзя.";
    if (!layout.found())
        return "В таблице не нашлось столбцов с числами тиража: выберите их вручную.";
    const int K = choice.K.value_or(layout.K);
    if (K < 1 || K > LotteryShape::kMaxK)
        return "В строке таблицы " + Count(K) +
               " чисел, а программа ведёт лотереи не больше чем с " + Count(LotteryShape::kMaxK) +
               " числами в тираже.";
    return {};
}

std::string ReasonForNumbers(std::span<const TableField> fields,
                             std::span<const std::string_view> texts, const TableLayout& layout) {
    bool anyNumber = false;
    std::string_view junk;
    for (int c = layout.firstColumn; c <= layout.lastColumn; ++c) {
        if (static_cast<std::size_t>(c) >= fields.size())
            break;
        if (fields[static_cast<std::size_t>(c)].isNumeric())
            anyNumber = true;
        else if (junk.empty() && !texts[static_cast<std::size_t>(c)].empty())
            junk = texts[static_cast<std::size_t>(c)];
    }
    if (!junk.empty() && anyNumber)
        return "«" + std::string(junk.substr(0, 40)) + "» — не число";
    if (!anyNumber)
        return "в строке нет чисел тиража";
    return "не хватает чисел тиража";
}

OrderKey KeyOf(const TableField& field, const TableLayout& layout) {
    OrderKey key;
    if (layout.dateColumn >= 0) {
        if (field.kind == TableField::Kind::Date &&
            field.dateForm == TableField::DateForm::DayOrMonthFirst)
            key.key = layout.dayFirst ? DateKey(field.dateYear, field.dateB, field.dateA)
                                      : DateKey(field.dateYear, field.dateA, field.dateB);
        else if (field.kind == TableField::Kind::Date)
            key.key = field.dateKey;
        key.readable = key.key != 0;
    } else if (field.kind == TableField::Kind::Number) {
        key.key = field.value;
        key.readable = true;
    }
    return key;
}

int OrderColumnOf(const TableLayout& layout) {
    return layout.dateColumn >= 0 ? layout.dateColumn : layout.drawNoColumn;
}

// Stage 5. Every line after the header gives a row of K distinct numbers or a reason.
bool ReadRows(std::span<const TableLine> lines, std::size_t start, const TableLayout& layout, int K,
              const TableChoice& choice, const TableProgress& progress, RowsRead& rows,
              DrawTable& table) {
    const int orderColumn = OrderColumnOf(layout);
    const int lastNeeded = std::max(layout.lastColumn, orderColumn);
    rows.numbers.reserve(lines.size() - start);
    rows.lineIndex.reserve(lines.size() - start);
    rows.keys.reserve(lines.size() - start);
    std::vector<std::string_view> texts;
    std::vector<TableField> fields;
    std::array<int, 64> numbers{};
    for (std::size_t i = start; i < lines.size(); ++i) {
        if (progress && (i - start) % kProgressEvery == 0 && !progress(i, lines.size()))
            return false;
        const TableLine& line = lines[i];
        if ((choice.firstLine && line.number < *choice.firstLine) ||
            (choice.lastLine && line.number > *choice.lastLine)) {
            table.refused.push_back({line.number, "вне выбранной части таблицы"});
            continue;
        }
        if (line.text().size() > kLongestLine) {
            table.refused.push_back({line.number, "строка слишком длинная"});
            continue;
        }
        SplitFields(line.text(), layout.separator, texts,
                    static_cast<std::size_t>(std::max(lastNeeded, layout.columnCount) + 2));
        fields.assign(std::min(texts.size(), static_cast<std::size_t>(lastNeeded + 1)), {});
        for (int c = layout.firstColumn;
             c <= layout.lastColumn && static_cast<std::size_t>(c) < fields.size(); ++c)
            fields[static_cast<std::size_t>(c)] =
                ParseTableField(texts[static_cast<std::size_t>(c)]);
        if (orderColumn >= 0 && static_cast<std::size_t>(orderColumn) < fields.size())
            fields[static_cast<std::size_t>(orderColumn)] =
                ParseTableField(texts[static_cast<std::size_t>(orderColumn)]);
        int count = 0;
        if (!RowNumbers(fields, layout.firstColumn, layout.lastColumn, numbers, count)) {
            table.refused.push_back({line.number, ReasonForNumbers(fields, texts, layout)});
            continue;
        }
        // A K below the numbers of the line takes the first K only where the user narrowed
        // unnamed columns; otherwise the line is refused rather than losing a number.
        if (count != K) {
            table.refused.push_back(
                {line.number, "в строке " + Count(count) + " чисел, а в тираже " + Count(K)});
            continue;
        }
        const auto drawn = std::span(numbers).first(static_cast<std::size_t>(K));
        const auto twice = std::find_if(drawn.begin(), drawn.end(), [&](int n) {
            return std::count(drawn.begin(), drawn.end(), n) > 1;
        });
        if (twice != drawn.end()) {
            table.refused.push_back(
                {line.number, "число " + Count(*twice) + " встречается дважды"});
            continue;
        }
        DrawRecord record{};
        for (int p = 0; p < K; ++p) {
            const int n = drawn[static_cast<std::size_t>(p)];
            record[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(std::clamp(n, 0, 255));
        }
        const int top = *std::max_element(drawn.begin(), drawn.end());
        if (top > LotteryShape::kMaxN && std::find(drawn.begin(), drawn.end(), 0) == drawn.end()) {
            ++rows.aboveLimit;
            rows.highestAbove = std::max(rows.highestAbove, top);
        }
        const OrderKey key =
            orderColumn >= 0 && static_cast<std::size_t>(orderColumn) < fields.size()
                ? KeyOf(fields[static_cast<std::size_t>(orderColumn)], layout)
                : OrderKey{};
        rows.numbers.push_back(record);
        rows.lineIndex.push_back(static_cast<std::uint32_t>(i));
        rows.keys.push_back(key);
    }
    return true;
}

// Stage 6. The shape: K from the columns or the user, N from the numbers (see FindNumberRange)
// or the user; rows of typos and a change of range are noted. Empty string: fine.
std::string DecideShape(const RowsRead& rows, std::span<const TableLine> lines, int K,
                        const TableChoice& choice, RangeFinding& range, DrawTable& table) {
    // A few typos above 49 are refused lines; many make the table unusable.
    if (!choice.N && rows.aboveLimit > 0 && rows.aboveLimit * 100 >= rows.numbers.size())
        return "В таблице числа до " + Count(rows.highestAbove) +
               ", а программа ведёт лотереи не больше чем из " + Count(LotteryShape::kMaxN) +
               " чисел: такую таблицу взять нельзя.";
    std::vector<std::uint8_t> tops;
    std::vector<std::size_t> rowOfTop;
    tops.reserve(rows.numbers.size());
    rowOfTop.reserve(rows.numbers.size());
    for (std::size_t r = 0; r < rows.numbers.size(); ++r) {
        const auto drawn = std::span(rows.numbers[r]).first(static_cast<std::size_t>(K));
        const int top = *std::max_element(drawn.begin(), drawn.end());
        // A row with a 0 or above 49 is refused anyway: its numbers say nothing of N.
        if (top <= LotteryShape::kMaxN && std::find(drawn.begin(), drawn.end(), 0) == drawn.end()) {
            tops.push_back(static_cast<std::uint8_t>(top));
            rowOfTop.push_back(r);
        }
    }
    range = FindNumberRange(tops, K);
    for (std::size_t& typo : range.typos)
        typo = rowOfTop[typo];
    if (range.changeAt)
        table.rangeChange = RangeChange{lines[rows.lineIndex[rowOfTop[*range.changeAt]]].number,
                                        range.earlierTop, range.laterTop};
    const int N = choice.N.value_or(range.N);
    table.guessedN = !choice.N && range.guessed;
    table.shape = LotteryShape{static_cast<std::uint8_t>(K),
                               static_cast<std::uint8_t>(std::clamp(N, 0, 255))};
    if (N > LotteryShape::kMaxN || N <= K)
        return "Лотерея " + Count(K) + " из " + Count(N) +
               " невозможна: N должно быть больше K и не больше " + Count(LotteryShape::kMaxN) +
               ".";
    return {};
}

// Stage 7. Rows with numbers outside 1..N (and the typos, above all the others) are refused,
// and so is a row repeating the one kept before it (same numbers, same date or the same text);
// the rest become the draws, in the table's order.
void KeepInRange(RowsRead& rows, std::span<const TableLine> lines, const RangeFinding& range,
                 DrawTable& table) {
    const int K = table.shape.K, N = table.shape.N;
    const std::string outside = " вне 1.." + Count(N);
    std::vector<bool> typo(rows.numbers.size(), false);
    if (!range.typos.empty() && N == range.N)
        for (std::size_t r : range.typos)
            typo[r] = true;
    bool refusedAny = false;
    std::size_t kept = 0;
    for (std::size_t r = 0; r < rows.numbers.size(); ++r) {
        const auto drawn = std::span(rows.numbers[r]).first(static_cast<std::size_t>(K));
        const auto bad =
            std::find_if(drawn.begin(), drawn.end(), [&](int n) { return n < 1 || n > N; });
        const std::size_t line = lines[rows.lineIndex[r]].number;
        if (bad != drawn.end() || typo[r]) {
            const int shown =
                bad != drawn.end() ? *bad : *std::max_element(drawn.begin(), drawn.end());
            table.refused.push_back({line, bad != drawn.end()
                                               ? "число " + Count(shown) + outside
                                               : "число " + Count(shown) +
                                                     " — похоже на опечатку: в остальных строках "
                                                     "числа не больше " +
                                                     Count(N)});
            refusedAny = true;
            continue;
        }
        // Published tables repeat a row now and then (also across a refused line); the same
        // draw on the same day, or the same line, is one draw.
        if (kept > 0 && rows.numbers[kept - 1] == rows.numbers[r]) {
            const OrderKey &before = rows.keys[kept - 1], &now = rows.keys[r];
            const TableLine& previous = lines[rows.lineIndex[kept - 1]];
            if (before.readable && now.readable
                    ? before.key == now.key
                    : previous.text() == lines[rows.lineIndex[r]].text()) {
                table.refused.push_back(
                    {line, "повторяет строку " + Count(static_cast<long long>(previous.number))});
                refusedAny = true;
                continue;
            }
        }
        rows.numbers[kept] = rows.numbers[r];
        rows.lineIndex[kept] = rows.lineIndex[r];
        rows.keys[kept] = rows.keys[r];
        ++kept;
    }
    rows.numbers.resize(kept);
    rows.lineIndex.resize(kept);
    rows.keys.resize(kept);
    if (refusedAny)
        std::stable_sort(table.refused.begin(), table.refused.end(),
                         [](const TableNote& a, const TableNote& b) { return a.line < b.line; });
}

// Stage 8. The draws oldest first: reversed when the dates or draw numbers say the table runs
// newest first; keys that cannot be read or stand out of place are warned about, never moved.
void PutOldestFirst(RowsRead& rows, std::span<const TableLine> lines, const TableLayout& layout,
                    DrawTable& table) {
    const int orderColumn = OrderColumnOf(layout);
    if (orderColumn < 0)
        return;
    const OrderFinding finding = FindOrder(rows.keys);
    const std::string what = layout.dateColumn >= 0 ? "дата" : "номер тиража";
    std::vector<std::string_view> texts;
    const auto note = [&](std::size_t r, const char* verdict) {
        if (table.warnings.size() == DrawTable::kWarningsKept) {
            ++table.warningsNotKept;
            return;
        }
        const TableLine& line = lines[rows.lineIndex[r]];
        SplitFields(line.text(), layout.separator, texts);
        const std::string_view shown = static_cast<std::size_t>(orderColumn) < texts.size()
                                           ? texts[static_cast<std::size_t>(orderColumn)]
                                           : std::string_view();
        table.warnings.push_back({line.number, what + " «" + std::string(shown) + "» " + verdict});
    };
    std::size_t u = 0, o = 0;
    while (u < finding.unreadable.size() || o < finding.outOfPlace.size()) {
        const bool takeUnreadable =
            o == finding.outOfPlace.size() ||
            (u < finding.unreadable.size() && finding.unreadable[u] < finding.outOfPlace[o]);
        if (takeUnreadable)
            note(finding.unreadable[u++], "не читается");
        else
            note(finding.outOfPlace[o++], "не на своём месте");
    }
    if (finding.decided) {
        table.orderColumn = orderColumn;
        table.orderByDate = layout.dateColumn >= 0;
        table.order = finding.newestFirst ? TableOrder::NewestFirst : TableOrder::OldestFirst;
        if (finding.newestFirst)
            std::reverse(rows.numbers.begin(), rows.numbers.end());
    }
}

// The data lines of the part of the table the user chose (all when none was chosen).
std::span<const TableLine> ChosenLines(std::span<const TableLine> lines,
                                       const TableChoice& choice) {
    const auto first = std::partition_point(lines.begin(), lines.end(), [&](const TableLine& l) {
        return choice.firstLine && l.number < *choice.firstLine;
    });
    const auto last = std::partition_point(first, lines.end(), [&](const TableLine& l) {
        return !choice.lastLine || l.number <= *choice.lastLine;
    });
    return {first, last};
}

// The first and the last few data rows as read, for showing them.
void KeepRows(DrawTable& table, std::span<const TableLine> lines, char separator) {
    std::vector<std::string_view> texts;
    const auto rowOf = [&](const TableLine& line) {
        SplitFields(line.text().substr(0, kLongestLine), separator, texts);
        return TableRow{line.number, std::vector<std::string>(texts.begin(), texts.end())};
    };
    const std::size_t first = std::min(lines.size(), kRowsShown);
    for (std::size_t i = 0; i < first; ++i)
        table.firstRows.push_back(rowOf(lines[i]));
    for (std::size_t i = std::max(first, lines.size() - std::min(lines.size(), kRowsShown));
         i < lines.size(); ++i)
        table.lastRows.push_back(rowOf(lines[i]));
}

void TakeLayout(const TableLayout& layout, DrawTable& table) {
    table.separator = layout.separator;
    table.headerLines = layout.headerLines;
    table.columnCount = layout.columnCount;
    for (std::string_view name : layout.header)
        table.columnNames.emplace_back(name);
    table.firstColumn = layout.firstColumn;
    table.lastColumn = layout.lastColumn;
    for (const ColumnSpan& span : layout.alternatives)
        table.otherColumns.push_back({span.first, span.last, span.K});
}

DrawTable ReadStages(std::string_view bytes, const TableChoice& choice,
                     const TableProgress& progress) {
    DrawTable table;
    std::string converted;
    const std::string_view text = TextOf(bytes, converted, table.error);
    if (!table.usable())
        return table;
    const std::vector<TableLine> lines = SplitTableLines(text);
    if (lines.empty()) {
        table.error = "Файл пуст: в нём нет ни одной строки.";
        return table;
    }
    const std::vector<TableLine> sample = SampleOf(lines);
    if (sample.empty()) {
        table.error = "Строки файла слишком длинные для таблицы тиражей.";
        return table;
    }
    const TableLayout layout = BestLayout(sample, choice);
    TakeLayout(layout, table);
    // The rows are kept even when no draw is found: the user then chooses the columns by hand.
    const std::size_t start =
        layout.headerLines >= sample.size()
            ? 0
            : static_cast<std::size_t>(std::find_if(lines.begin(), lines.end(),
                                                    [&](const TableLine& l) {
                                                        return l.number >=
                                                               sample[layout.headerLines].number;
                                                    }) -
                                       lines.begin());
    KeepRows(table, ChosenLines(std::span(lines).subspan(start), choice), layout.separator);
    table.error = LayoutError(layout, sample, choice);
    if (!table.usable())
        return table;
    const int K = choice.K.value_or(layout.K);
    table.numbersInLines = layout.narrowedFrom;

    RowsRead rows;
    if (!ReadRows(lines, start, layout, K, choice, progress, rows, table)) {
        table.error = "Чтение таблицы прервано.";
        return table;
    }
    RangeFinding range;
    table.error = DecideShape(rows, lines, K, choice, range, table);
    if (!table.usable())
        return table;
    KeepInRange(rows, lines, range, table);
    if (rows.numbers.empty()) {
        table.error = choice.K && *choice.K != layout.K
                          ? "Лотерея " + Count(*choice.K) + " из " + Count(table.shape.N) +
                                " не подходит к таблице: в её строках по " + Count(layout.K) +
                                " чисел тиража."
                          : "В таблице нет ни одной строки, из которой можно взять тираж.";
        return table;
    }
    PutOldestFirst(rows, lines, layout, table);
    table.draws = std::move(rows.numbers);
    return table;
}

} // namespace

DrawTable ReadDrawTable(std::string_view bytes, const TableChoice& choice,
                        const TableProgress& progress) {
    try {
        return ReadStages(bytes, choice, progress);
    } catch (const std::bad_alloc&) {
        DrawTable table;
        table.error = "Не хватает памяти, чтобы прочитать таблицу.";
        return table;
    }
}

} // namespace lottery
