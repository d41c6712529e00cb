#include "tables/DrawTableWriter.h"

namespace lottery {

std::string DrawTableCsv(std::span<const DrawRecord> draws, LotteryShape shape) {
    std::string csv = "Тираж";
    for (int p = 1; p <= shape.K; ++p)
        csv += ",Число " + std::to_string(p);
    csv += "\r\n";
    csv.reserve(csv.size() + draws.size() * (8 + 3 * shape.K));
    std::size_t number = 0;
    for (const DrawRecord& draw : draws) {
        csv += std::to_string(++number);
        for (int p = 0; p < shape.K; ++p)
            csv += "," + std::to_string(draw[static_cast<std::size_t>(p)]);
        csv += "\r\n";
    }
    return csv;
}

} // namespace lottery
