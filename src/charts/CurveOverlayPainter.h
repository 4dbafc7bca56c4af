// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/ChartLegend.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

class QFontMetrics;
class QPainter;
class QPoint;

namespace charts {

// One sitting's curve in an overlay: its name in the legend and its value per column, line,
// minute or period, the first period first.
struct OverlayCurve {
    QString label;
    std::vector<double> values;
};

// Draws up to kMaxOverlaidCurves sittings' curves over one another, a line each across the
// periods numbered from 1, each in a colour, a dash and a mark of its own (blue solid with
// dots, orange dashed with squares, green dotted with triangles), told apart without colour
// too; the legend across the top with "per column" at its right where it fits. It only draws;
// the widget that owns it decides what is selected and answers the user.
class CurveOverlayPainter {
public:
    static constexpr std::size_t kMaxOverlaidCurves = 3;

    const std::vector<OverlayCurve>& curves() const { return curves_; }
    // Keeps the first kMaxOverlaidCurves.
    void setCurves(std::vector<OverlayCurve> curves);
    // What one period is ("column", "3 min"), written as "per column"; nothing where empty.
    void setPeriodWord(const QString& word) { periodWord_ = word; }
    // The most periods any of the curves has.
    std::size_t periodCount() const;

    void paint(QPainter* painter, const QRect& rect, const QColor& textColour,
               std::optional<std::size_t> selected = std::nullopt) const;

    std::optional<std::size_t> periodAt(const QRect& rect, const QFontMetrics& metrics, const QPoint& point) const;
    // A period's column, the height of the plot.
    QRect periodRect(const QRect& rect, const QFontMetrics& metrics, std::size_t period) const;
    QRect plotRect(const QRect& rect, const QFontMetrics& metrics) const;
    std::vector<LegendPlace> legendPlaces(const QRect& rect, const QFontMetrics& metrics) const;
    // "blue solid line: 2026-03-12 09:30; orange dashed line: …".
    QString legendInWords() const;

private:
    struct Layout;
    Layout MakeLayout(const QRect& rect, const QFontMetrics& metrics) const;
    void PaintLegend(QPainter* painter, const QRect& rect, const Layout& layout, const QColor& textColour) const;
    void PaintScale(QPainter* painter, const QRect& rect, const Layout& layout, const QColor& textColour) const;
    void PaintCurves(QPainter* painter, const Layout& layout) const;

    std::vector<OverlayCurve> curves_;
    QString periodWord_;
};

} // namespace charts
