#pragma once

#include "audit/ValueClasses.h"

#include <vector>

namespace lottery::audit {

// The point x with P(chi-square with `degrees` degrees >= x) = upper.
double ChiSquareQuantile(double upper, int degrees);

// The noncentrality at which a chi-square test with `degrees` degrees at level `alpha` rejects
// half the time. The noncentral law is taken as a scaled central one with the same mean and
// variance (Patnaik), which is close for the sizes a draw history gives.
double NoncentralityForHalfPower(int degrees, double alpha);

// How far the mean of a draw figure must move for the chi-square over `classes` to reach the
// noncentrality `needed` with `observations` draws: the law is tilted to
// law(v) * exp(t * v), the gentlest change that moves the mean. Returns the mean's increase,
// or a negative number when no tilt is enough.
double VisibleMeanShift(const std::vector<double>& law, const ValueClasses& classes,
                        double observations, double needed);

} // namespace lottery::audit
