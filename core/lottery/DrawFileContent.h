#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lottery {

// Five bytes of the database's trailer that the program does not use but carries through, so a
// file saved again keeps them.
using TrailerReserved = std::array<std::uint8_t, 5>;

// Everything a lottery database holds, once it has been read and checked as a whole.
struct DrawFileContent {
    LotteryShape shape;
    std::vector<DrawRecord> draws;
    TrailerReserved reserved{};
};

} // namespace lottery
