// Feeds arbitrary bytes to the draw-table reader. Whatever it accepts must be draws of a shape
// this program keeps, and writing them out as a table must read back to the same draws.
#include "tables/DrawTableReader.h"
#include "tables/DrawTableWriter.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

using namespace lottery;

namespace {

void CheckDraws(const DrawTable& table) {
    if (!table.shape.isValid())
        std::abort();
    for (const DrawRecord& draw : table.draws) {
        const auto numbers = std::span(draw).first(table.shape.K);
        for (std::uint8_t n : numbers)
            if (n < 1 || n > table.shape.N || std::count(numbers.begin(), numbers.end(), n) != 1)
                std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DrawTable table = ReadDrawTable(bytes);
    if (!table.usable()) {
        if (!table.draws.empty())
            std::abort();
        return 0;
    }
    if (table.error.empty() && table.draws.empty())
        std::abort();
    CheckDraws(table);
    for (const TableNote& note : table.refused)
        if (note.line == 0 || note.text.empty())
            std::abort();

    TableChoice sameShape;
    sameShape.N = table.shape.N;
    const DrawTable again = ReadDrawTable(DrawTableCsv(table.draws, table.shape), sameShape);
    if (!again.usable() || again.shape != table.shape || again.draws.size() != table.draws.size())
        std::abort();
    for (std::size_t i = 0; i < table.draws.size(); ++i)
        if (!std::equal(table.draws[i].begin(), table.draws[i].begin() + table.shape.K,
                        again.draws[i].begin()))
            std::abort();
    return 0;
}
