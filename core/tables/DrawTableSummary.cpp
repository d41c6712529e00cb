#include "tables/DrawTableSummary.h"

#include <algorithm>
#include <cstdint>

namespace lottery {
namespace {

std::string ColumnName(const DrawTable& table, int column) {
    const std::string number = std::to_string(column + 1);
    if (column < 0 || static_cast<std::size_t>(column) >= table.columnNames.size() ||
        table.columnNames[static_cast<std::size_t>(column)].empty())
        return number;
    return number + " «" + table.columnNames[static_cast<std::size_t>(column)] + "»";
}

// notKept: notes of the kind that were counted but not kept.
void AppendNotes(std::string& out, const char* title, const std::vector<TableNote>& notes,
                 std::size_t maxNotes, std::size_t notKept = 0) {
    out += std::string(title) + std::to_string(notes.size() + notKept) + "\n";
    const std::size_t shown = std::min(notes.size(), maxNotes);
    for (std::size_t i = 0; i < shown; ++i)
        out += "  строка " + std::to_string(notes[i].line) + ": " + notes[i].text + "\n";
    if (notes.size() + notKept > shown)
        out += "  … и ещё " + std::to_string(notes.size() + notKept - shown) + "\n";
}

} // namespace

std::string ShapeRemarks(const DrawTable& table) {
    std::string out;
    if (!table.usable())
        return out;
    if (table.guessedN)
        out += "N угадано: тиражей слишком мало, чтобы числа сами сказали N; проверьте его.\n";
    if (table.numbersInLines > table.shape.K)
        out += "В строках по " + std::to_string(table.numbersInLines) + " чисел; взяты первые " +
               std::to_string(table.shape.K) + ", остальные не взяты.\n";
    if (table.rangeChange)
        out += "Со строки " + std::to_string(table.rangeChange->line) + " числа не больше " +
               std::to_string(table.rangeChange->laterTop) + ", до неё — до " +
               std::to_string(table.rangeChange->earlierTop) +
               ": правила лотереи, похоже, менялись; можно взять одну из частей.\n";
    for (const ColumnsOffered& other : table.otherColumns)
        if (other.K == table.shape.K)
            out +=
                "Такой же тираж есть и в столбцах " + std::to_string(other.firstColumn + 1) +
                (other.lastColumn != other.firstColumn ? "–" + std::to_string(other.lastColumn + 1)
                                                       : std::string()) +
                "; взят первый.\n";
    return out;
}

std::string OrderText(const DrawTable& table) {
    const std::string basis =
        table.orderColumn < 0 ? std::string()
                              : std::string(table.orderByDate ? " (по датам, столбец "
                                                              : " (по номерам тиражей, столбец ") +
                                    ColumnName(table, table.orderColumn) + ")";
    switch (table.order) {
    case TableOrder::OldestFirst:
        return "старые сначала" + basis;
    case TableOrder::NewestFirst:
        return "новые сначала, перевёрнуто" + basis;
    case TableOrder::AsListed:
        break;
    }
    return "как в таблице (ни даты, ни номера тиража не говорят о порядке)";
}

std::string NumberColumnsText(const DrawTable& table) {
    if (table.firstColumn < 0)
        return "—";
    if (table.firstColumn == table.lastColumn)
        return ColumnName(table, table.firstColumn);
    return ColumnName(table, table.firstColumn) + " – " + ColumnName(table, table.lastColumn);
}

std::string DrawTableSummary(const DrawTable& table, std::size_t maxNotes) {
    std::string out;
    if (!table.usable())
        out += "Таблицу взять нельзя. " + table.error + "\n";
    else
        out += "Лотерея: " + std::to_string(table.shape.K) + " из " +
               std::to_string(table.shape.N) + "\nТиражей: " + std::to_string(table.draws.size()) +
               "\nСтолбцы с числами: " + NumberColumnsText(table) +
               "\nПорядок: " + OrderText(table) +
               "\nСтрок заголовка: " + std::to_string(table.headerLines) + "\n";
    out += ShapeRemarks(table);
    AppendNotes(out, "Строк, которые не взяты: ", table.refused, maxNotes);
    AppendNotes(out, "Предупреждений: ", table.warnings, maxNotes, table.warningsNotKept);
    return out;
}

} // namespace lottery
