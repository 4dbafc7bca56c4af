// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChartScale.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace charts {

namespace {

// The smallest step of 1, 2 or 5 times a power of ten that is at least `raw`.
double NiceStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw * (1.0 - 1e-12)) return factor * power;
    return 10.0 * power;
}

} // namespace

ChartScale NiceScale(double most, int maxSteps, double minStep) {
    if (!(most > 0.0)) return {minStep, 1, minStep, 0.0};
    ChartScale scale;
    scale.step = std::max(minStep, NiceStep(most / maxSteps));
    scale.steps = std::max(1, static_cast<int>(std::ceil(most / scale.step - 1e-9)));
    scale.top = scale.step * scale.steps;
    return scale;
}

ChartScale NiceScaleWithSteps(double most, int steps, double minStep) {
    ChartScale scale;
    scale.steps = steps;
    scale.step = most > 0.0 ? std::max(minStep, NiceStep(most / steps)) : minStep;
    scale.top = scale.step * steps;
    return scale;
}

ChartScale NiceRange(double lowest, double highest, int maxSteps) {
    if (lowest > highest) std::swap(lowest, highest);
    double spread = highest - lowest;
    if (!(spread > 0.0)) {
        // One value: a tenth of it on either side; 0 (no errors in any sitting) upwards only,
        // as a figure that is 0 throughout has no scale below 0.
        spread = lowest != 0.0 ? std::abs(lowest) / 5.0 : 1.0;
        if (lowest != 0.0) lowest -= spread / 2.0;
        highest = lowest + spread;
    }
    if (lowest >= 0.0 && lowest <= spread) lowest = 0.0;
    ChartScale scale;
    scale.step = NiceStep(spread / maxSteps);
    // Widen the step until the marks around the values take no more than maxSteps.
    for (;;) {
        scale.bottom = std::floor(lowest / scale.step + 1e-9) * scale.step;
        scale.steps = std::max(1, static_cast<int>(std::ceil((highest - scale.bottom) / scale.step - 1e-9)));
        if (scale.steps <= maxSteps) break;
        scale.step = NiceStep(scale.step * 1.5);
    }
    scale.top = scale.bottom + scale.step * scale.steps;
    return scale;
}

} // namespace charts
