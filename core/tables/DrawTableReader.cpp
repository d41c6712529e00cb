#include "tables/DrawTableReader.h"

#include "tables/DrawOrder.h"
#include "tables/TableLayout.h"
#include "tables/UsualShapes.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace lottery {
namespace {

// Lines longer than this are no draws (and would only slow everything down).
constexpr std::size_t kLongestLine = 64 * 1024;
constexpr std::size_t kRowsShown = 5;
constexpr std::size_t kProgressEvery = 8192;

struct Candidate {
    std::size_t line = 0;
    std::array<int, LotteryShape::kMaxK> numbers{};
    OrderKey key;
};

std::string Count(std::size_t n) {
    return std::to_string(n);
}

bool IsRepeat(const Candidate& before, const Candidate& now, std::string_view beforeText,
              std::string_view nowText) {
    if (before.numbers != now.numbers)
        return false;
    if (before.key.readable && now.key.readable)
        return before.key.key == now.key.key;
    return beforeText == nowText;
}

TableLayout BestLayout(std::span<const TableLine> sample, const TableChoice& choice) {
    TableLayout best;
    bool have = false;
    for (char separator : {'\t', ';', ',', ' '}) {
        const bool present = std::any_of(sample.begin(), sample.end(), [&](const TableLine& l) {
            return l.text.find(separator) != std::string_view::npos;
        });
        if (!present && separator != ',')
            continue;
        TableLayout layout = FindTableLayout(sample, separator, choice);
        // Columns the header names win; then more clean rows; then more numbers (a packed
        // field read whole beats its pieces).
        const auto rank = [](const TableLayout& l) {
            return std::make_tuple(l.found(), l.namedByHeader, l.validRows, l.K);
        };
        if (!have || rank(layout) > rank(best)) {
            best = std::move(layout);
            have = true;
        }
    }
    return best;
}

OrderKey KeyOf(const TableField& field, const TableLayout& layout, std::size_t line,
               std::string_view text) {
    OrderKey key{line, 0, false, text};
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

// The first and the last few data rows as read, for showing them.
void KeepRows(DrawTable& table, std::span<const TableLine> lines, char separator) {
    std::vector<std::string_view> texts;
    const auto rowOf = [&](const TableLine& line) {
        SplitFields(line.text.substr(0, kLongestLine), separator, texts);
        return TableRow{line.number, std::vector<std::string>(texts.begin(), texts.end())};
    };
    const std::size_t first = std::min(lines.size(), kRowsShown);
    for (std::size_t i = 0; i < first; ++i)
        table.firstRows.push_back(rowOf(lines[i]));
    for (std::size_t i = std::max(first, lines.size() - std::min(lines.size(), kRowsShown));
         i < lines.size(); ++i)
        table.lastRows.push_back(rowOf(lines[i]));
}

} // namespace

DrawTable ReadDrawTable(std::string_view bytes, const TableChoice& choice,
                        const TableProgress& progress) {
    DrawTable table;
    if (LooksBinary(bytes.substr(0, 1 << 20))) {
        table.error = "Это не таблица тиражей: в файле двоичные данные.";
        return table;
    }
    const std::string text = TableTextAsUtf8(bytes);
    const std::vector<TableLine> lines = SplitTableLines(text);
    if (lines.empty()) {
        table.error = "Файл пуст: в нём нет ни одной строки.";
        return table;
    }
    std::vector<TableLine> sample;
    for (const TableLine& line : lines) {
        if (sample.size() == kLayoutSampleLines)
            break;
        if (line.text.size() <= kLongestLine)
            sample.push_back(line);
    }
    if (sample.empty()) {
        table.error = "Строки файла слишком длинные для таблицы тиражей.";
        return table;
    }
    const TableLayout layout = BestLayout(sample, choice);
    table.separator = layout.separator;
    table.headerLines = layout.headerLines;
    table.columnCount = layout.columnCount;
    for (std::string_view name : layout.header)
        table.columnNames.emplace_back(name);
    if (layout.headerLines >= sample.size()) {
        table.error = sample.size() == 1 ? "В таблице нет тиражей: в ней только заголовок."
                                         : "В таблице не нашлось строк с числами тиража.";
        return table;
    }
    if (!layout.found()) {
        table.error = "В таблице не нашлось столбцов с числами тиража.";
        return table;
    }
    table.firstColumn = layout.firstColumn;
    table.lastColumn = layout.lastColumn;
    const int K = choice.K.value_or(layout.K);
    if (K < 1 || K > LotteryShape::kMaxK) {
        table.error = "В строке таблицы " + Count(static_cast<std::size_t>(K)) +
                      " чисел, а программа ведёт лотереи не больше чем с " +
                      Count(LotteryShape::kMaxK) + " числами в тираже.";
        return table;
    }

    // First pass: every line after the header gives a candidate draw or a reason.
    const std::size_t startIndex = static_cast<std::size_t>(
        std::find_if(
            lines.begin(), lines.end(),
            [&](const TableLine& l) { return l.number >= sample[layout.headerLines].number; }) -
        lines.begin());
    const int orderColumn = layout.dateColumn >= 0 ? layout.dateColumn : layout.drawNoColumn;
    const int lastNeeded = std::max(layout.lastColumn, orderColumn);
    KeepRows(table, std::span(lines).subspan(startIndex), layout.separator);
    std::vector<Candidate> candidates;
    candidates.reserve(lines.size() - startIndex);
    std::vector<std::string_view> texts;
    std::string_view previousText;
    std::vector<TableField> fields;
    std::array<int, 64> numbers{};
    for (std::size_t i = startIndex; i < lines.size(); ++i) {
        if (progress && (i - startIndex) % kProgressEvery == 0 && !progress(i, lines.size())) {
            table.error = "Чтение таблицы прервано.";
            return table;
        }
        const TableLine& line = lines[i];
        if (line.text.size() > kLongestLine) {
            table.refused.push_back({line.number, "строка слишком длинная"});
            continue;
        }
        SplitFields(line.text, layout.separator, texts);
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
        if (count != K) {
            table.refused.push_back(
                {line.number, "в строке " + Count(static_cast<std::size_t>(count)) +
                                  " чисел, а в тираже " + Count(static_cast<std::size_t>(K))});
            continue;
        }
        Candidate candidate{line.number, {}, {}};
        std::copy_n(numbers.begin(), K, candidate.numbers.begin());
        const auto drawn = std::span(candidate.numbers).first(static_cast<std::size_t>(K));
        const auto twice = std::find_if(drawn.begin(), drawn.end(), [&](int n) {
            return std::count(drawn.begin(), drawn.end(), n) > 1;
        });
        if (twice != drawn.end()) {
            table.refused.push_back(
                {line.number,
                 "число " + Count(static_cast<std::size_t>(*twice)) + " встречается дважды"});
            continue;
        }
        if (orderColumn >= 0 && static_cast<std::size_t>(orderColumn) < fields.size())
            candidate.key = KeyOf(fields[static_cast<std::size_t>(orderColumn)], layout,
                                  line.number, texts[static_cast<std::size_t>(orderColumn)]);
        else
            candidate.key = OrderKey{line.number, 0, false, {}};
        // Published tables repeat a row now and then; the same draw on the same day is one.
        if (!candidates.empty() &&
            IsRepeat(candidates.back(), candidate, previousText, line.text)) {
            table.refused.push_back(
                {line.number, "повторяет строку " + Count(candidates.back().line)});
            continue;
        }
        previousText = line.text;
        candidates.push_back(candidate);
    }

    // The shape: a few typos above 49 are refused lines; many make the table unusable.
    std::size_t aboveLimit = 0;
    int highest = 0, highestAbove = 0;
    for (const Candidate& c : candidates) {
        const auto drawn = std::span(c.numbers).first(static_cast<std::size_t>(K));
        const int top = *std::max_element(drawn.begin(), drawn.end());
        const bool zero = std::find(drawn.begin(), drawn.end(), 0) != drawn.end();
        if (top > LotteryShape::kMaxN) {
            ++aboveLimit;
            highestAbove = std::max(highestAbove, top);
        } else if (!zero) {
            highest = std::max(highest, top);
        }
    }
    if (!choice.N && aboveLimit > 0 && aboveLimit * 100 >= candidates.size()) {
        table.error = "В таблице числа до " + Count(static_cast<std::size_t>(highestAbove)) +
                      ", а программа ведёт лотереи не больше чем из " + Count(LotteryShape::kMaxN) +
                      " чисел: такую таблицу взять нельзя.";
        return table;
    }
    const int N = choice.N.value_or(ProposedN(K, highest));
    table.shape = LotteryShape{static_cast<std::uint8_t>(K),
                               static_cast<std::uint8_t>(std::clamp(N, 0, 255))};
    if (N > LotteryShape::kMaxN || N <= K) {
        table.error = "Лотерея " + Count(static_cast<std::size_t>(K)) + " из " +
                      Count(static_cast<std::size_t>(N)) +
                      " невозможна: N должно быть больше K и не больше " +
                      Count(LotteryShape::kMaxN) + ".";
        return table;
    }

    // Second pass: numbers outside 1..N.
    std::vector<OrderKey> keys;
    keys.reserve(candidates.size());
    table.draws.reserve(candidates.size());
    const std::string range = " вне 1.." + Count(static_cast<std::size_t>(N));
    bool refusedOutOfOrder = false;
    for (const Candidate& c : candidates) {
        const auto drawn = std::span(c.numbers).first(static_cast<std::size_t>(K));
        const auto outside =
            std::find_if(drawn.begin(), drawn.end(), [&](int n) { return n < 1 || n > N; });
        if (outside != drawn.end()) {
            table.refused.push_back(
                {c.line, "число " + Count(static_cast<std::size_t>(*outside)) + range});
            refusedOutOfOrder = true;
            continue;
        }
        DrawRecord record{};
        std::copy(drawn.begin(), drawn.end(), record.begin());
        table.draws.push_back(record);
        keys.push_back(c.key);
    }
    if (refusedOutOfOrder)
        std::stable_sort(table.refused.begin(), table.refused.end(),
                         [](const TableNote& a, const TableNote& b) { return a.line < b.line; });
    if (table.draws.empty()) {
        table.error = "В таблице нет ни одной строки, из которой можно взять тираж.";
        return table;
    }

    if (orderColumn >= 0) {
        OrderFinding finding = FindOrder(keys, layout.dateColumn >= 0);
        table.warnings = std::move(finding.warnings);
        if (finding.decided) {
            table.orderColumn = orderColumn;
            table.orderByDate = layout.dateColumn >= 0;
            table.order = finding.newestFirst ? TableOrder::NewestFirst : TableOrder::OldestFirst;
            if (finding.newestFirst)
                std::reverse(table.draws.begin(), table.draws.end());
        }
    }
    return table;
}

} // namespace lottery
