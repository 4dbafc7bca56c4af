// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/WorkCurve.h"

#include <QString>
#include <cstdint>
#include <optional>

// The work curve's indices and minutes as the window writes them, the same in its table, its
// tooltips and what it tells screen readers (the figures every chart shares are
// charts/FigureText.h). Numbers use a point, like the result panel.
namespace workcurve {

QString SpeedText(std::optional<double> answersPerMinute);     // "41.5 a minute"
QString FluctuationText(std::optional<std::uint32_t> answers); // "6 answers"
// How many answers per minute the user gained each minute: "+1.25 answers/min", "-0.50
// answers/min"; read with its name, "Trend per minute".
QString TrendText(std::optional<double> slope);
QString AnsweredText(const engine::WorkCurve& curve);  // "84 (80 true, 4 false)"
QString DurationText(const engine::RunLength& length); // "1:30", as the clock showed it

// "Minute 2 (partial): 6 answered, 6 true, 0 false, median 0.30 s, 90th percentile 0.60 s";
// `index` counts from 0.
QString MinuteText(std::size_t index, const engine::MinuteFigures& minute);

} // namespace workcurve
