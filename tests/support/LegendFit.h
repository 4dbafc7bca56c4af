// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/ChartLegend.h"

#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

namespace testsupport {

// Whether a chart's legend reads whole, in whatever language is installed: one line per
// fault ("entry 2: its letters ... reach into the plot ..."), none where it does. `places` are
// the legend's entries as the chart draws them into `chart`, `data` the area its figures
// take (with their scales). Each entry's words lie within its box and the chart's margins,
// its box and letters within the chart; no entry's box or letters meet another's; none
// meets the data; and the legend is there at all.
std::vector<QString> LegendFaults(const QRect& chart, const std::vector<charts::LegendPlace>& places,
                                  const QRect& data);

// The faults of both legends of an analysis window, its curve's ("picCurve") and its digit-pair
// map's ("picPairs"), each named for its chart; with `oneRow`, a legend that takes more than one
// row is one too.
std::vector<QString> ChartLegendFaults(const QWidget& window, bool oneRow);

} // namespace testsupport
