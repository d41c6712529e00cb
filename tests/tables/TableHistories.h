#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"

#include <random>
#include <string>
#include <vector>

namespace lottery::test {

// A lottery's draws, oldest first, to be rendered as tables.
struct History {
    std::string name;
    LotteryShape shape;
    std::vector<DrawRecord> draws;
    bool twoFields = false; // each row holds a second, independent draw of the same shape
    std::vector<DrawRecord> second;
};

// The real histories beside the project (../shared/data and ../shared/realdata), read with the
// reader itself; empty when they are not there.
std::vector<History> RealHistories(const std::string& sourceDir);

// Random draws of random shapes, the rarer ones among them (6/33, 6/43, 6/47, two-field 4/20),
// each reaching its N at least once.
History SyntheticHistory(std::mt19937& rng);

} // namespace lottery::test
