#include "audit/TestPower.h"

#include "chance/ChanceMath.h"

#include <cmath>

namespace lottery::audit {
namespace {

// The root of an increasing function between low and high, by halving.
template <typename Function> double Bisect(Function f, double target, double low, double high) {
    for (int step = 0; step < 200 && high - low > 1e-12 * (1 + high); ++step) {
        const double middle = (low + high) / 2;
        (f(middle) < target ? low : high) = middle;
    }
    return (low + high) / 2;
}

} // namespace

double ChiSquareQuantile(double upper, int degrees) {
    double high = degrees + 10.0;
    while (ChiSquareUpperTail(high, degrees) > upper)
        high *= 2;
    return Bisect([degrees](double x) { return 1 - ChiSquareUpperTail(x, degrees); }, 1 - upper, 0,
                  high);
}

double NoncentralityForHalfPower(int degrees, double alpha) {
    const double critical = ChiSquareQuantile(alpha, degrees);
    const auto power = [degrees, critical](double lambda) {
        const double scale = (degrees + 2 * lambda) / (degrees + lambda);
        const double shape = (degrees + lambda) * (degrees + lambda) / (degrees + 2 * lambda);
        return RegularisedGammaQ(shape / 2, critical / scale / 2);
    };
    return Bisect(power, 0.5, 0, 4 * critical + 100);
}

double VisibleMeanShift(const std::vector<double>& law, const ValueClasses& classes,
                        double observations, double needed) {
    double mean = 0;
    double largest = 0;
    for (std::size_t v = 0; v < law.size(); ++v) {
        mean += static_cast<double>(v) * law[v];
        if (law[v] > 0)
            largest = static_cast<double>(v);
    }
    // Tilts are measured on the scale of the values, so that exp never overflows.
    const double spread = std::max(1.0, largest);
    const auto tilted = [&](double t, double& tiltedMean) {
        std::vector<double> weights(law.size());
        double total = 0;
        for (std::size_t v = 0; v < law.size(); ++v) {
            weights[v] = law[v] * std::exp(t * (static_cast<double>(v) - largest) / spread);
            total += weights[v];
        }
        tiltedMean = 0;
        std::vector<double> moved(classes.probability.size(), 0.0);
        for (std::size_t v = 0; v < law.size(); ++v) {
            tiltedMean += static_cast<double>(v) * weights[v] / total;
            moved[static_cast<std::size_t>(classes.classOf[v])] += weights[v] / total;
        }
        double lambda = 0;
        for (std::size_t c = 0; c < moved.size(); ++c)
            if (classes.probability[c] > 0)
                lambda += observations * (moved[c] - classes.probability[c]) *
                          (moved[c] - classes.probability[c]) / classes.probability[c];
        return lambda;
    };
    double unused = 0;
    constexpr double kSteepest = 60;
    if (classes.count() < 2 || tilted(kSteepest, unused) < needed)
        return -1;
    const double t = Bisect([&](double x) { return tilted(x, unused); }, needed, 0, kSteepest);
    double shiftedMean = 0;
    tilted(t, shiftedMean);
    return shiftedMean - mean;
}

} // namespace lottery::audit
