// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The value scales of the charts: from `bottom` up in `steps` steps of `step`, a step being
// 1, 2 or 5 times a power of ten, so that its marks read as round numbers.
namespace charts {

struct ChartScale {
    double step = 1.0;
    int steps = 1;
    double top = 1.0;
    double bottom = 0.0;
};

// From 0 to at least `most` in at most `maxSteps` steps of at least `minStep`.
ChartScale NiceScale(double most, int maxSteps, double minStep);
// From 0 to at least `most` in exactly `steps` steps of at least `minStep`, so that its marks
// fall on another scale's.
ChartScale NiceScaleWithSteps(double most, int steps, double minStep);
// Around the values from `lowest` to `highest` (in either order), in at most `maxSteps` steps:
// from 0 where every value is positive and 0 is no further from them than their own spread,
// else from a mark just below the lowest. A single value gets a tenth of itself either side,
// rounded out to the marks around it (15 gives 13 to 17); 0 gets 0 to 1.
ChartScale NiceRange(double lowest, double highest, int maxSteps);

} // namespace charts
