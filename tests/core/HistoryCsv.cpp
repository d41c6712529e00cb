#include "HistoryCsv.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lottery::test {

std::optional<std::string> FindHistoryCsv(const std::string& start) {
    if (const char* given = std::getenv("ZHREBIKON_HISTORY_CSV"); given != nullptr && *given != 0)
        return std::filesystem::exists(given) ? std::optional<std::string>(given) : std::nullopt;
    std::error_code ignored;
    std::filesystem::path dir = std::filesystem::absolute(start, ignored);
    while (!dir.empty()) {
        const auto candidate = dir / "shared" / "data" / "lotto649-canada-1982-2025.csv";
        if (std::filesystem::exists(candidate, ignored))
            return candidate.string();
        if (dir == dir.parent_path())
            break;
        dir = dir.parent_path();
    }
    return std::nullopt;
}

std::optional<std::vector<DrawRecord>> ReadHistoryCsv(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        return std::nullopt;
    std::string line;
    if (!std::getline(in, line) || line.rfind("Date,", 0) != 0)
        return std::nullopt;
    std::vector<DrawRecord> draws;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        // Skip the quoted date, then read the six numbers and ignore the bonus.
        std::size_t at = 0;
        if (line[0] == '"') {
            at = line.find('"', 1);
            if (at == std::string::npos)
                return std::nullopt;
            ++at;
        } else {
            at = line.find(',');
        }
        if (at >= line.size() || line[at] != ',')
            return std::nullopt;
        std::istringstream fields(line.substr(at + 1));
        DrawRecord record{};
        for (int p = 0; p < 6; ++p) {
            int number = 0;
            char comma = ',';
            if (!(fields >> number) || number < 1 || number > 49)
                return std::nullopt;
            record[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(number);
            if (p < 5 && (!(fields >> comma) || comma != ','))
                return std::nullopt;
        }
        draws.push_back(record);
    }
    return draws;
}

} // namespace lottery::test
