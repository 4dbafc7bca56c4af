// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Figures.h"
#include "engine/KeptSitting.h"
#include "engine/Statistics.h"
#include "engine/Wording.h"

#include <cstddef>
#include <optional>
#include <span>

// The course of one figure over the last sittings of one format: improving, steady, variable
// or worsening, the four course types a study of repeated sittings sorted its candidates
// into. The rule is the program's own; its thresholds are stated here and in the README.
namespace engine {

// The rule, over the figure's values y(1) … y(n) in the last n sittings of one format, oldest
// first, n from kTrendMinSittings to kTrendMaxSittings (older ones are left out):
//   line    y = a + b × i, the least-squares line through (i, y(i)), i = 1 … n
//   change  b × (n − 1), how far the line moved from the first sitting to the last
//   spread  sqrt(Σ (y(i) − a − b × i)² / (n − 2)), the scatter about the line
//   level   the mean of |y(i)|, the figure's size
// Then, in this order:
//   level 0 (the figure was 0 every time)                                        steady
//   |change| ≥ kTrendSignal × spread and |change| ≥ kTrendMinChange × level       improving or
//                  worsening by the figure's better side; rising or falling for a figure that
//                  is better neither way (initial effort, fluctuation)
//   spread ≥ kTrendVariableSpread × level                                        variable
//   otherwise                                                                    steady
// In words: a course is a trend when the line moved at least twice as far as the sittings
// scatter about it and at least 5 % of the figure's size; without a trend it is variable when
// the sittings scatter by 10 % of the figure's size or more, else steady.
inline constexpr std::size_t kTrendMinSittings = 4;
inline constexpr std::size_t kTrendMaxSittings = 10;
inline constexpr double kTrendSignal = 2.0;
inline constexpr double kTrendMinChange = 0.05;
inline constexpr double kTrendVariableSpread = 0.10;

enum class TrendKind { Improving, Steady, Variable, Worsening, Rising, Falling };

struct Trend {
    TrendKind kind = TrendKind::Steady;
    // The sittings it was worked out over.
    std::size_t sittings = 0;
    LeastSquaresLine line;
    double change = 0.0;
    double spread = 0.0;
    double level = 0.0;
};

// The trend of `values`, oldest first, of a figure that is better `better`; none for fewer
// than kTrendMinSittings values.
std::optional<Trend> TrendOf(std::span<const double> values, Better better);
// The trend of `key` over `sittings`, newest first as HistoryStore::List gives them (of one
// format: the caller filters), counting only those that have the figure.
std::optional<Trend> TrendOf(std::span<const SittingSummary> sittings, FigureKey key);

namespace wording {

//: A figure's course over the last sittings of one format.
inline constexpr Wording kTrendImproving = TranslatableText("Trend", "improving");
inline constexpr Wording kTrendSteady = TranslatableText("Trend", "steady");
inline constexpr Wording kTrendVariable = TranslatableText("Trend", "variable");
inline constexpr Wording kTrendWorsening = TranslatableText("Trend", "worsening");
//: A figure's course, of a figure that is better neither higher nor lower.
inline constexpr Wording kTrendRising = TranslatableText("Trend", "rising");
inline constexpr Wording kTrendFalling = TranslatableText("Trend", "falling");
//: The trend's tooltip: how the course was judged; %1 is the number of sittings.
inline constexpr Wording kTrendRule = TranslatableText(
    "Trend",
    "Over the last %1 sittings of this format: a trend when the least-squares line moved at least twice as far as the "
    "sittings scatter about it and by at least 5 % of the figure; otherwise variable when they scatter by 10 % of the "
    "figure or more, else steady.");

} // namespace wording

const Wording& WordingOf(TrendKind kind);

} // namespace engine
