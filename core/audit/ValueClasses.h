#pragma once

#include <vector>

namespace lottery::audit {

// Neighbouring values of a figure pooled into classes, so that each class expects enough
// observations for the chi-square law to hold: the usual rule of at least five.
struct ValueClasses {
    std::vector<int> classOf;        // value -> class
    std::vector<double> probability; // per class, under chance
    int count() const { return static_cast<int>(probability.size()); }
};

// Pools the values 0..size-1 of `law` (the last may stand for "this or more") in order, each
// class at least max(minExpected / observations, 1 / maxClasses) likely.
ValueClasses PoolValues(const std::vector<double>& law, double observations, int maxClasses = 16,
                        double minExpected = 5);

// Pearson's sum over the classes of (observed - expected)^2 / expected, the observed counts
// given per value; `observations` is their total.
double ClassChiSquare(const ValueClasses& classes, const std::vector<long long>& valueCounts,
                      double observations);

} // namespace lottery::audit
