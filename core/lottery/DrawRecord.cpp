#include "lottery/DrawRecord.h"

namespace lottery {

std::string DrawLine(const DrawRecord& record, int K) {
    std::string line;
    line.reserve(static_cast<std::size_t>(K) * 4);
    for (int p = 0; p < K && p < static_cast<int>(record.size()); ++p) {
        line += std::to_string(record[static_cast<std::size_t>(p)]);
        line += "  ";
    }
    return line;
}

} // namespace lottery
