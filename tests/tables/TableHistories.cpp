#include "TableHistories.h"

#include "HistoryCsv.h"
#include "RandomDraws.h"
#include "tables/DrawTableReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lottery::test {

std::vector<History> RealHistories(const std::string& sourceDir) {
    std::vector<History> histories;
    const auto canada = FindHistoryCsv(sourceDir);
    if (!canada)
        return histories;
    const auto shared = std::filesystem::path(*canada).parent_path().parent_path();
    std::vector<std::filesystem::path> files;
    for (const char* folder : {"data", "realdata"})
        for (const auto& entry : std::filesystem::directory_iterator(shared / folder))
            if (entry.path().extension() == ".csv" || entry.path().extension() == ".txt")
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const DrawTable table = ReadDrawTable(bytes.str());
        if (table.usable() && table.draws.size() >= 100)
            histories.push_back({file.filename().string(), table.shape, table.draws, false, {}});
    }
    return histories;
}

History SyntheticHistory(std::mt19937& rng) {
    static const LotteryShape kShapes[] = {{6, 33}, {6, 43}, {6, 47}, {4, 20}, {5, 36},
                                           {7, 35}, {3, 12}, {6, 49}, {2, 26}, {5, 49}};
    const LotteryShape shape = kShapes[rng() % std::size(kShapes)];
    const int count = 30 + static_cast<int>(rng() % 600);
    // One history in three has typos: about one number in a hundred repeats another of its draw.
    const double typos = rng() % 3 == 0 ? 0.01 : 0.0;
    History history{"synthetic " + std::to_string(shape.K) + "/" + std::to_string(shape.N),
                    shape,
                    RandomDraws(rng, shape, count, typos),
                    shape.K == 4,
                    {}};
    // The N of the shape shows at least once, as it would in any real history this long.
    DrawRecord& some = history.draws[rng() % history.draws.size()];
    if (std::find(some.begin(), some.begin() + shape.K, shape.N) == some.begin() + shape.K)
        some[0] = shape.N;
    // Two equal draws in a row would be one row repeated (the reader keeps one): redrawn.
    for (std::size_t i = 1; i < history.draws.size(); ++i) {
        std::vector<int> a(history.draws[i - 1].begin(), history.draws[i - 1].begin() + shape.K);
        std::vector<int> b(history.draws[i].begin(), history.draws[i].begin() + shape.K);
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        if (a == b)
            history.draws[i] = RandomDraws(rng, shape, 1)[0], --i;
    }
    if (history.twoFields)
        history.second = RandomDraws(rng, shape, count);
    return history;
}

} // namespace lottery::test
