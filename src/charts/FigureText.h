// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/WorkCurve.h"

#include <QString>
#include <cstdint>
#include <optional>

// Figures as the charts and the windows' tables write them, the same in a table, a tooltip
// and what screen readers are told. Numbers use a point, like the result panel.
namespace charts {

// What stands for a figure that cannot be worked out: an en dash, never 0.
QString NoFigure();

QString SecondsText(std::optional<std::uint32_t> milliseconds); // "0.85 s"
QString AccuracyText(std::optional<double> percent);            // "95.2 %"

// "7 + 5: 3 answers, 1 false, median 1.00 s", or "7 + 5: no answers".
QString PairText(int operand1, int operand2, const engine::PairFigures& pair);

} // namespace charts
