// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/ChartLegend.h"
#include "engine/WorkCurve.h"

#include <QColor>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QFontMetrics;
class QPainter;
class QPoint;

namespace charts {

struct DigitPair {
    int operand1 = 0;
    int operand2 = 0;
    bool operator==(const DigitPair& other) const = default;
};

// Draws the digit-pair map of a run or a sitting, or of any stretch of one: a 10 x 10 grid, first
// operand down and second operand across, each pair coloured by its median answer time
// from light (the fastest pair) to dark (the slowest), white where it was never asked,
// with a red corner where the user erred; under it a legend from the fastest time to the
// slowest and the error mark, the mark on a row of its own where one row is too narrow
// for both (the grid gives up the height), the legend left out where not even that fits.
// It only draws; the widget that owns it moves the cursor and answers the user.
class PairMapPainter {
public:
    static constexpr int kDigits = 10;
    using Pairs = std::array<engine::PairFigures, kDigits * kDigits>;

    // The pairs, first operand major: pairs[operand1 * 10 + operand2].
    void setPairs(const Pairs& pairs);
    const engine::PairFigures& pair(int operand1, int operand2) const {
        return pairs_[static_cast<std::size_t>(operand1 * kDigits + operand2)];
    }
    // The quickest and slowest median answer time of a pair; absent without answers.
    std::optional<std::uint32_t> fastest() const { return fastest_; }
    std::optional<std::uint32_t> slowest() const { return slowest_; }

    // The colour a pair's cell is filled with.
    QColor cellColour(int operand1, int operand2) const;

    // Fills `rect` in white and draws the map into it in the painter's font, its texts in
    // `textColour`, with a frame around the `cursor` pair where there is one. Leaves the
    // painter's state as it found it.
    void paint(QPainter* painter, const QRect& rect, const QColor& textColour,
               std::optional<DigitPair> cursor = std::nullopt) const;

    // A pair's cell, for a map drawn into `rect` in a font measured by `metrics`.
    QRect cellRect(const QRect& rect, const QFontMetrics& metrics, int operand1, int operand2) const;
    // The pair whose cell holds `point`.
    std::optional<DigitPair> pairAt(const QRect& rect, const QFontMetrics& metrics, const QPoint& point) const;
    // The box the legend under the grid takes (times, colour scale, error mark and its
    // word, on one row or two) for a map drawn into `rect`; empty where it is left out. The
    // legend reads in full while the box lies within the map's margins.
    QRect legendRect(const QRect& rect, const QFontMetrics& metrics) const;
    // Where the legend's two entries are drawn, the colour scale with its times and the error
    // mark with its word; none where the legend is left out.
    std::vector<LegendPlace> legendPlaces(const QRect& rect, const QFontMetrics& metrics) const;

private:
    struct Layout;
    struct LegendPlaces;
    Layout MakeLayout(const QRect& rect, const QFontMetrics& metrics) const;
    // The legend on one row, or on two where `rows` is 2, in `legend`.
    LegendPlaces PlaceLegend(const QRect& legend, int rows, const QFontMetrics& metrics) const;

    Pairs pairs_{};
    std::optional<std::uint32_t> fastest_;
    std::optional<std::uint32_t> slowest_;
};

} // namespace charts
