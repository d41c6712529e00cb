#pragma once

#include "lottery/LotteryShape.h"

#include <optional>

// What the New command asks: the shape of the lottery to start, nullopt when cancelled.
class NewLotteryDialog {
public:
    virtual ~NewLotteryDialog() = default;
    virtual std::optional<lottery::LotteryShape> askShape() = 0;
};
