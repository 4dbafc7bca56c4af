// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ScoreTimePainter.h"

#include "charts/ChartColours.h"
#include "charts/ChartMargin.h"
#include "charts/ChartScale.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace charts {

namespace {

constexpr int kTick = 3;
constexpr int kMarkRadius = 4;
constexpr int kBestRadius = 7;
constexpr std::int64_t kDayMs = 24 * 60 * 60 * 1000;
// Points are drawn as dots while they stand this far apart; closer, the line alone shows them.
constexpr double kDotSpacing = 6.0;

std::int64_t DayOf(std::int64_t localMs) { return localMs >= 0 ? localMs / kDayMs : (localMs - kDayMs + 1) / kDayMs; }

QString DateText(std::int64_t localMs) {
    return QDateTime::fromMSecsSinceEpoch(localMs, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd"));
}

QString ScaleText(double value) { return QString::number(value, 'g', 10); }

} // namespace

struct ScoreTimePainter::Layout {
    QRect plot;
    std::vector<QPoint> legend;
    ChartScale scale;
    double slot = 0.0;

    double x(std::size_t point) const { return plot.left() + (static_cast<double>(point) + 0.5) * slot; }
    // The scale's bottom stands a best ring's radius above the plot's, so that a point on it
    // is drawn whole, ring and all, clear of the dates.
    double y(double value) const {
        const double height = std::max(1, plot.height() - kBestRadius);
        return plot.bottom() - kBestRadius - (value - scale.bottom) / (scale.top - scale.bottom) * height;
    }
};

ScoreTimePainter::Layout ScoreTimePainter::MakeLayout(const QRect& rect, const QFontMetrics& metrics) const {
    Layout layout;
    // Without points, an empty scale from 0 to 1.
    double lowest = 0.0;
    double highest = points_.empty() && !trend_ ? 1.0 : 0.0;
    if (!points_.empty()) {
        const auto [low, high] = std::minmax_element(
            points_.begin(), points_.end(), [](const ScorePoint& a, const ScorePoint& b) { return a.value < b.value; });
        lowest = low->value;
        highest = high->value;
    }
    if (trend_) {
        lowest = std::min({lowest, trend_->atFirst, trend_->atLast});
        highest = std::max({highest, trend_->atFirst, trend_->atLast});
    }
    layout.scale = NiceRange(lowest, highest, 5);
    int labels = 0;
    for (int step = 0; step <= layout.scale.steps; ++step)
        labels = std::max(labels, metrics.horizontalAdvance(ScaleText(layout.scale.bottom + step * layout.scale.step)));

    QStringList words;
    for (const LegendEntry& entry : Legend()) words << entry.text;
    const LegendFlow legend = FlowLegend(rect, metrics, words);
    layout.legend = legend.at;
    const int lineHeight = metrics.height();
    const int top = rect.top() + kChartMargin + legend.height + lineHeight / 2 + kChartMargin;
    const int left = rect.left() + kChartMargin + labels + kTick + 2;
    // Room on the right for half a date under the last point.
    const int right = rect.left() + rect.width() - kChartMargin - metrics.horizontalAdvance(DateText(0)) / 2;
    const int bottom = rect.top() + rect.height() - kChartMargin - lineHeight - kTick;
    layout.plot = QRect(QPoint(left, top), QPoint(std::max(left + 1, right), std::max(top + 1, bottom)));
    layout.slot =
        static_cast<double>(layout.plot.width()) / static_cast<double>(std::max<std::size_t>(points_.size(), 1));
    return layout;
}

std::vector<ScoreTimePainter::LegendEntry> ScoreTimePainter::Legend() const {
    std::vector<LegendEntry> legend;
    if (best_ && *best_ < points_.size()) legend.push_back({Swatch::Best, texts_.best});
    if (!points_.empty()) legend.push_back({Swatch::Last, texts_.last});
    if (points_.size() >= 2) legend.push_back({Swatch::Previous, texts_.previous});
    if (trend_) legend.push_back({Swatch::Trend, texts_.trend});
    return legend;
}

std::optional<std::size_t> ScoreTimePainter::pointAt(const QRect& rect, const QFontMetrics& metrics,
                                                     const QPoint& point) const {
    if (points_.empty()) return std::nullopt;
    const Layout layout = MakeLayout(rect, metrics);
    if (point.x() < layout.plot.left() || point.x() > layout.plot.right()) return std::nullopt;
    if (point.y() < layout.plot.top() - kBestRadius || point.y() > layout.plot.bottom() + kTick) return std::nullopt;
    return std::min(static_cast<std::size_t>((point.x() - layout.plot.left()) / layout.slot), points_.size() - 1);
}

QPoint ScoreTimePainter::pointCentre(const QRect& rect, const QFontMetrics& metrics, std::size_t point) const {
    if (point >= points_.size()) return {};
    const Layout layout = MakeLayout(rect, metrics);
    return QPointF(layout.x(point), layout.y(points_[point].value)).toPoint();
}

QRect ScoreTimePainter::pointRect(const QRect& rect, const QFontMetrics& metrics, std::size_t point) const {
    if (point >= points_.size()) return {};
    const QPoint centre = pointCentre(rect, metrics, point);
    return QRect(centre - QPoint(kBestRadius, kBestRadius), QSize(2 * kBestRadius + 1, 2 * kBestRadius + 1));
}

QRect ScoreTimePainter::plotRect(const QRect& rect, const QFontMetrics& metrics) const {
    return MakeLayout(rect, metrics).plot;
}

std::vector<LegendPlace> ScoreTimePainter::legendPlaces(const QRect& rect, const QFontMetrics& metrics) const {
    QStringList words;
    for (const LegendEntry& entry : Legend()) words << entry.text;
    return SwatchLegendPlaces(MakeLayout(rect, metrics).legend, metrics, words);
}

QString ScoreTimePainter::legendInWords() const {
    QStringList entries;
    for (const LegendEntry& entry : Legend()) {
        QString mark;
        switch (entry.swatch) {
        //: A mark of the score chart's legend in words, where the legend is left out: the best sitting's.
        case Swatch::Best: mark = QCoreApplication::translate("charts::ScoreTimePainter", "orange ring"); break;
        //: The last sitting's mark.
        case Swatch::Last: mark = QCoreApplication::translate("charts::ScoreTimePainter", "filled dot"); break;
        //: The mark of the sitting before the last.
        case Swatch::Previous: mark = QCoreApplication::translate("charts::ScoreTimePainter", "hollow dot"); break;
        //: The trend's line.
        case Swatch::Trend: mark = QCoreApplication::translate("charts::ScoreTimePainter", "dashed line"); break;
        }
        //: One mark of the legend in words and what it stands for: "orange ring: best 15.0".
        entries << QCoreApplication::translate("charts::ScoreTimePainter", "%1: %2").arg(mark, entry.text);
    }
    //: Between the marks of the legend in words.
    return entries.join(QCoreApplication::translate("charts::ScoreTimePainter", "; "));
}

void ScoreTimePainter::paint(QPainter* painter, const QRect& rect, const QColor& textColour,
                             std::optional<std::size_t> selected) const {
    painter->save();
    painter->fillRect(rect, Qt::white);
    const Layout layout = MakeLayout(rect, painter->fontMetrics());
    PaintLegend(painter, layout, textColour);
    PaintScale(painter, rect, layout, textColour);
    if (selected && *selected < points_.size()) {
        const int left = static_cast<int>(std::floor(layout.x(*selected) - layout.slot / 2));
        const int width = std::max(3, static_cast<int>(std::ceil(layout.slot)));
        painter->fillRect(QRect(left, layout.plot.top(), width, layout.plot.height()), kSelectionColour);
    }
    PaintDates(painter, layout, textColour);
    PaintPoints(painter, layout);
    if (points_.empty()) {
        painter->setPen(textColour);
        //: Written across a chart of a score that has no sittings to show.
        painter->drawText(layout.plot, Qt::AlignCenter,
                          QCoreApplication::translate("charts::ScoreTimePainter", "No sittings"));
    }
    painter->restore();
}

void ScoreTimePainter::PaintLegend(QPainter* painter, const Layout& layout, const QColor& textColour) const {
    const std::vector<LegendEntry> legend = Legend();
    painter->setRenderHint(QPainter::Antialiasing);
    for (std::size_t index = 0; index < layout.legend.size(); ++index) {
        const QPoint at = layout.legend[index];
        const QRect r(at.x(), at.y() - kLegendSwatch, kLegendSwatch, kLegendSwatch);
        const QPointF centre = QRectF(r).center();
        switch (legend[index].swatch) {
        case Swatch::Best:
            painter->setPen(QPen(kBestColour, 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawEllipse(centre, 3.5, 3.5);
            break;
        case Swatch::Last:
            painter->setPen(QPen(kTimeColour, 1));
            painter->setBrush(kTimeColour);
            painter->drawEllipse(centre, 3.0, 3.0);
            break;
        case Swatch::Previous:
            painter->setPen(QPen(kTimeColour, 1.5));
            painter->setBrush(Qt::white);
            painter->drawEllipse(centre, 3.0, 3.0);
            break;
        case Swatch::Trend:
            painter->setPen(QPen(kTrendColour, 1, Qt::DashLine));
            painter->drawLine(QPointF(r.left(), centre.y()), QPointF(r.right() + 2, centre.y()));
            break;
        }
        painter->setPen(textColour);
        painter->drawText(at.x() + kLegendSwatch + kLegendSwatchGap, at.y(), legend[index].text);
    }
    painter->setRenderHint(QPainter::Antialiasing, false);
}

void ScoreTimePainter::PaintScale(QPainter* painter, const QRect& rect, const Layout& layout,
                                  const QColor& textColour) const {
    const QFontMetrics metrics = painter->fontMetrics();
    const QRect& plot = layout.plot;
    for (int step = 0; step <= layout.scale.steps; ++step) {
        const double value = layout.scale.bottom + layout.scale.step * step;
        const int y = static_cast<int>(std::lround(layout.y(value)));
        painter->setPen(kGridColour);
        painter->drawLine(plot.left(), y, plot.right(), y);
        painter->setPen(textColour);
        const int labelsLeft = rect.left() + kChartMargin;
        painter->drawText(
            QRect(labelsLeft, y - metrics.height() / 2, plot.left() - kTick - 2 - labelsLeft, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, ScaleText(value));
    }
    painter->drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
}

void ScoreTimePainter::PaintDates(QPainter* painter, const Layout& layout, const QColor& textColour) const {
    // A date under the first point of each day, where it keeps clear of the one before it.
    const QFontMetrics metrics = painter->fontMetrics();
    const int width = metrics.horizontalAdvance(DateText(0));
    const int gap = metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
    const int baseline = layout.plot.bottom() + kTick + metrics.ascent() + 1;
    std::optional<int> lastRight;
    std::optional<std::int64_t> lastDay;
    painter->setPen(textColour);
    for (std::size_t point = 0; point < points_.size(); ++point) {
        const std::int64_t day = DayOf(points_[point].localMs);
        if (lastDay && day == *lastDay) continue;
        lastDay = day;
        const int centre = static_cast<int>(std::lround(layout.x(point)));
        const int left = std::max(centre - width / 2, layout.plot.left() - kTick);
        if (lastRight && left < *lastRight + gap) continue;
        painter->drawLine(centre, layout.plot.bottom(), centre, layout.plot.bottom() + kTick);
        painter->drawText(left, baseline, DateText(points_[point].localMs));
        lastRight = left + width;
    }
}

void ScoreTimePainter::PaintPoints(QPainter* painter, const Layout& layout) const {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipRect(layout.plot.adjusted(-kBestRadius - 1, -kBestRadius - 1, kBestRadius + 1, 1));
    if (trend_ && trend_->last < points_.size() && trend_->first < trend_->last) {
        painter->setPen(QPen(kTrendColour, 1.5, Qt::DashLine));
        painter->drawLine(QPointF(layout.x(trend_->first), layout.y(trend_->atFirst)),
                          QPointF(layout.x(trend_->last), layout.y(trend_->atLast)));
    }
    if (points_.empty()) {
        painter->restore();
        return;
    }
    const auto at = [&](std::size_t point) { return QPointF(layout.x(point), layout.y(points_[point].value)); };
    painter->setPen(QPen(kTimeColour.lighter(140), 1.5));
    painter->setBrush(Qt::NoBrush);
    if (layout.slot >= 1.0) {
        QPainterPath line(at(0));
        for (std::size_t point = 1; point < points_.size(); ++point) line.lineTo(at(point));
        painter->drawPath(line);
    } else {
        // More points than pixels across: each pixel column draws the span of its points, joined
        // to the next, in one-pixel lines without smoothing, which looks the same and costs a line
        // a column (a smoothed wide line over thousands of points takes the rasterizer a second).
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(kTimeColour.lighter(140), 1));
        QPolygonF spans;
        for (std::size_t point = 0; point < points_.size();) {
            const int column = static_cast<int>(layout.x(point));
            double low = layout.y(points_[point].value);
            double high = low;
            for (; point < points_.size() && static_cast<int>(layout.x(point)) == column; ++point) {
                low = std::max(low, layout.y(points_[point].value));
                high = std::min(high, layout.y(points_[point].value));
            }
            spans << QPointF(column, low) << QPointF(column, high);
        }
        painter->drawPolyline(spans);
        painter->setRenderHint(QPainter::Antialiasing);
    }
    if (layout.slot >= kDotSpacing) {
        painter->setPen(QPen(kTimeColour, 1));
        painter->setBrush(kTimeColour.lighter(140));
        for (std::size_t point = 0; point < points_.size(); ++point) painter->drawEllipse(at(point), 2.0, 2.0);
    }
    const std::size_t last = points_.size() - 1;
    if (last > 0) {
        painter->setPen(QPen(kTimeColour, 1.5));
        painter->setBrush(Qt::white);
        painter->drawEllipse(at(last - 1), kMarkRadius - 0.5, kMarkRadius - 0.5);
    }
    painter->setPen(QPen(kTimeColour, 1));
    painter->setBrush(kTimeColour);
    painter->drawEllipse(at(last), kMarkRadius, kMarkRadius);
    if (best_ && *best_ < points_.size()) {
        painter->setPen(QPen(kBestColour, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(at(*best_), kBestRadius - 1.0, kBestRadius - 1.0);
    }
    painter->restore();
}

} // namespace charts
