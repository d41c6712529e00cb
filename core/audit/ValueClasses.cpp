#include "audit/ValueClasses.h"

#include <algorithm>

namespace lottery::audit {

ValueClasses PoolValues(const std::vector<double>& law, double observations, int maxClasses,
                        double minExpected) {
    ValueClasses classes;
    const double target =
        std::max(observations > 0 ? minExpected / observations : 1.0, 1.0 / maxClasses);
    double remaining = 0;
    for (double probability : law)
        remaining += probability;
    double open = 0;
    for (double probability : law) {
        if (classes.probability.empty())
            classes.probability.push_back(0);
        classes.probability.back() += probability;
        classes.classOf.push_back(classes.count() - 1);
        open += probability;
        remaining -= probability;
        // Close the class once it is likely enough, unless what is left could not make one.
        if (open >= target * (1 - 1e-12) && remaining >= target * (1 - 1e-12)) {
            classes.probability.push_back(0);
            open = 0;
        }
    }
    // Rounding may leave a last class that never got a value.
    if (!classes.probability.empty() && classes.probability.back() == 0 && classes.count() > 1)
        classes.probability.pop_back();
    return classes;
}

double ClassChiSquare(const ValueClasses& classes, const std::vector<long long>& valueCounts,
                      double observations) {
    std::vector<double> observed(classes.probability.size(), 0.0);
    for (std::size_t value = 0; value < valueCounts.size() && value < classes.classOf.size();
         ++value)
        observed[static_cast<std::size_t>(classes.classOf[value])] +=
            static_cast<double>(valueCounts[value]);
    double sum = 0;
    for (std::size_t c = 0; c < observed.size(); ++c) {
        const double expected = observations * classes.probability[c];
        if (expected > 0)
            sum += (observed[c] - expected) * (observed[c] - expected) / expected;
    }
    return sum;
}

} // namespace lottery::audit
