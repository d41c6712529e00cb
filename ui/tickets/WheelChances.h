#pragma once

#include <vector>

// The chance of each prize level for a wheel in one fair draw, beside as many tickets chosen
// at random: a wheel moves chance between draws, it does not add to it.
struct WheelChances {
    // levels[i] matched numbers; atLeastOne: P(some ticket matches that many or more).
    std::vector<int> levels;
    std::vector<double> wheel;
    std::vector<double> random;
    // Tickets expected at each level per draw: the same for any tickets, wheel or not.
    std::vector<double> expectedTickets;
    bool exact = true; // false: the wheel's column was estimated from random draws
    long long sampledDraws = 0;

    // The wheel's tickets lie among `chosen`; K of N are drawn. The wheel's column is exact
    // (every intersection of a draw with the chosen numbers) when that is cheap enough.
    static WheelChances Of(const std::vector<std::vector<int>>& tickets,
                           const std::vector<int>& chosen, int K, int N);
};
