// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/ChartLegend.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class QFontMetrics;
class QPainter;
class QPoint;

namespace charts {

// One sitting's value of a score, for a chart of the score against date.
struct ScorePoint {
    // When the sitting ended, in milliseconds since 1970-01-01 00:00 of the local time of day.
    std::int64_t localMs = 0;
    double value = 0.0;
};

// A straight line over the points `first` to `last` (counted from 0), at the values
// `atFirst` and `atLast`: the trend over the last sittings.
struct ScoreLine {
    std::size_t first = 0;
    std::size_t last = 0;
    double atFirst = 0.0;
    double atLast = 0.0;
};

// The legend's words, each with its figure where it has one ("best 15.0", "last 14.2",
// "previous 13.8 (−0.4)", "trend: improving"); an entry is drawn only where its mark is.
struct ScoreTimeTexts {
    QString best;
    QString last;
    QString previous;
    QString trend;
};

// Draws a score against date: a point per sitting, oldest on the left, the sittings evenly
// apart (several on one day stand side by side) with their dates under them where the day
// changes and there is room; the points joined by a line, the best one ringed, the last one
// filled and the one before it hollow, the trend dashed, and the legend across the top
// (flowing onto more rows, or left out, as the period charts' does). It only draws; the
// widget that owns it decides what is selected and answers the user.
class ScoreTimePainter {
public:
    const std::vector<ScorePoint>& points() const { return points_; }
    // Oldest first.
    void setPoints(std::vector<ScorePoint> points) { points_ = std::move(points); }
    const std::optional<std::size_t>& best() const { return best_; }
    void setBest(std::optional<std::size_t> point) { best_ = point; }
    const std::optional<ScoreLine>& trend() const { return trend_; }
    void setTrend(std::optional<ScoreLine> trend) { trend_ = trend; }
    const ScoreTimeTexts& texts() const { return texts_; }
    void setTexts(ScoreTimeTexts texts) { texts_ = std::move(texts); }

    // Fills `rect` in white and draws the chart into it in the painter's font, its texts in
    // `textColour`, the point `selected` (where there is one) highlighted. Leaves the painter's
    // state as it found it.
    void paint(QPainter* painter, const QRect& rect, const QColor& textColour,
               std::optional<std::size_t> selected = std::nullopt) const;

    // The point whose column holds `point`, for a chart drawn into `rect` in a font measured
    // by `metrics`.
    std::optional<std::size_t> pointAt(const QRect& rect, const QFontMetrics& metrics, const QPoint& point) const;
    // A small square around a point's mark; empty for a point there is not.
    QRect pointRect(const QRect& rect, const QFontMetrics& metrics, std::size_t point) const;
    // Where a point's mark is centred.
    QPoint pointCentre(const QRect& rect, const QFontMetrics& metrics, std::size_t point) const;
    QRect plotRect(const QRect& rect, const QFontMetrics& metrics) const;
    // Where each entry of the legend is drawn; none where it is left out.
    std::vector<LegendPlace> legendPlaces(const QRect& rect, const QFontMetrics& metrics) const;
    // The legend in words ("orange ring: best 15.0; ..."), for where it is left out.
    QString legendInWords() const;

private:
    struct Layout;
    Layout MakeLayout(const QRect& rect, const QFontMetrics& metrics) const;
    enum class Swatch { Best, Last, Previous, Trend };
    struct LegendEntry {
        Swatch swatch;
        QString text;
    };
    std::vector<LegendEntry> Legend() const;
    void PaintLegend(QPainter* painter, const Layout& layout, const QColor& textColour) const;
    void PaintScale(QPainter* painter, const QRect& rect, const Layout& layout, const QColor& textColour) const;
    void PaintDates(QPainter* painter, const Layout& layout, const QColor& textColour) const;
    void PaintPoints(QPainter* painter, const Layout& layout) const;

    std::vector<ScorePoint> points_;
    std::optional<std::size_t> best_;
    std::optional<ScoreLine> trend_;
    ScoreTimeTexts texts_;
};

} // namespace charts
