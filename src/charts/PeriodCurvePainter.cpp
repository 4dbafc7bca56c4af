// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/PeriodCurvePainter.h"

#include "charts/ChartColours.h"
#include "charts/ChartMargin.h"
#include "charts/ChartScale.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace charts {

namespace {

constexpr int kTick = 3;
constexpr int kSwatch = kLegendSwatch;
constexpr int kSwatchGap = kLegendSwatchGap;

std::uint32_t MostAnswered(const std::vector<ChartPeriod>& periods) {
    std::uint32_t most = 0;
    for (const ChartPeriod& period : periods) most = std::max(most, period.answered);
    return most;
}

// Whether some period has a median answer time: a sheet worked on paper has none.
bool HasTimes(const std::vector<ChartPeriod>& periods) {
    return std::any_of(periods.begin(), periods.end(), [](const ChartPeriod& p) { return p.medianMilliseconds; });
}

double SlowestMedianSeconds(const std::vector<ChartPeriod>& periods) {
    std::uint32_t slowest = 0;
    for (const ChartPeriod& period : periods)
        if (period.medianMilliseconds) slowest = std::max(slowest, *period.medianMilliseconds);
    return slowest / 1000.0;
}

QString SecondsLabel(double seconds) {
    return seconds < 10 && std::floor(seconds) != seconds ? QString::asprintf("%.1f s", seconds)
                                                          : QString::asprintf("%.0f s", seconds);
}

// A flag `width` wide (made odd) whose point stands on (`centre`, `tip`), pointing down.
void PaintFlag(QPainter* painter, int centre, int tip, int width) {
    const int half = std::max(1, width / 2);
    const QPoint corners[] = {{centre - half, tip - half - 1}, {centre + half, tip - half - 1}, {centre, tip}};
    painter->setPen(QPen(ChartMarks::kColour, 1));
    painter->setBrush(ChartMarks::kColour);
    painter->drawPolygon(corners, 3);
}

} // namespace

// Where everything goes for one rectangle, font and set of figures: computed for each paint
// and for each question about a point, so it always matches what is drawn.
struct PeriodCurvePainter::Layout {
    QRect plot;
    // Where each legend entry's swatch starts and the baseline of its row; none where the
    // legend is left out.
    std::vector<QPoint> legend;
    double slot = 0.0; // width of one period's column
    int barWidth = 0;
    ChartScale answered; // left axis
    ChartScale seconds;  // right axis, on the same grid lines
    int labelEvery = 1;  // period numbers written under every n-th bar

    int columnLeft(std::size_t period) const {
        return plot.left() + static_cast<int>(std::floor(static_cast<double>(period) * slot));
    }
    int barLeft(std::size_t period) const {
        const int column = columnLeft(period);
        const int next = columnLeft(period + 1);
        return column + (next - column - barWidth) / 2;
    }
    int y(double value, const ChartScale& scale) const {
        return plot.bottom() - static_cast<int>(std::lround(value / scale.top * plot.height()));
    }
    double yExact(double value, const ChartScale& scale) const {
        return plot.bottom() - value / scale.top * plot.height();
    }
    double xCentre(std::size_t period) const { return plot.left() + (static_cast<double>(period) + 0.5) * slot; }
};

PeriodCurvePainter::Layout PeriodCurvePainter::MakeLayout(const QRect& rect, const QFontMetrics& metrics) const {
    Layout layout;
    const int lineHeight = metrics.height();
    const std::size_t periods = std::max<std::size_t>(periods_.size(), 1);

    layout.answered = NiceScale(MostAnswered(periods_), 5, 1.0);
    layout.seconds = NiceScaleWithSteps(SlowestMedianSeconds(periods_), layout.answered.steps, 0.1);
    const int leftLabels = metrics.horizontalAdvance(QString::number(layout.answered.top));
    // The seconds' scale on the right, where there are times.
    const int rightLabels =
        HasTimes(periods_) ? metrics.horizontalAdvance(SecondsLabel(layout.seconds.top)) + kTick + 2 : 1;

    // The legend flows onto as many rows as it needs, or is left out (the widgets tell what
    // each colour means in words as well).
    QStringList words;
    for (const LegendEntry& entry : Legend()) words << entry.text;
    const LegendFlow legend = FlowLegend(rect, metrics, words);
    layout.legend = legend.at;
    const int top = rect.top() + kChartMargin + legend.height + lineHeight / 2 + kChartMargin;
    const int left = rect.left() + kChartMargin + leftLabels + kTick + 2;
    const int right = rect.left() + rect.width() - kChartMargin - rightLabels;
    const int bottom = rect.top() + rect.height() - kChartMargin - lineHeight - kTick;
    layout.plot = QRect(QPoint(left, top), QPoint(std::max(left + 1, right), std::max(top + 1, bottom)));

    layout.slot = static_cast<double>(layout.plot.width()) / static_cast<double>(periods);
    // Bars fill most of their column while there is room for a gap, all of it after.
    constexpr int kWidestBar = 40;
    layout.barWidth = layout.slot >= 4.0 ? std::clamp(static_cast<int>(layout.slot * 0.7), 1, kWidestBar)
                                         : std::max(1, static_cast<int>(layout.slot));
    const double labelWidth = metrics.horizontalAdvance(QString::number(periods)) + 6.0;
    for (const int every : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 100000}) {
        layout.labelEvery = every;
        if (layout.slot * every >= labelWidth) break;
    }
    return layout;
}

std::optional<std::size_t> PeriodCurvePainter::periodAt(const QRect& rect, const QFontMetrics& metrics,
                                                        const QPoint& point) const {
    if (periods_.empty()) return std::nullopt;
    const Layout layout = MakeLayout(rect, metrics);
    if (point.x() < layout.plot.left() || point.x() > layout.plot.right()) return std::nullopt;
    if (point.y() < layout.plot.top() || point.y() > layout.plot.bottom() + kTick) return std::nullopt;
    auto period =
        std::min(static_cast<std::size_t>((point.x() - layout.plot.left()) / layout.slot), periods_.size() - 1);
    // The division can land a column's first pixel in the column before it (10 x 2.1 is a
    // little over 21): settle it by the columns as they are drawn.
    while (period + 1 < periods_.size() && layout.columnLeft(period + 1) <= point.x()) ++period;
    while (period > 0 && layout.columnLeft(period) > point.x()) --period;
    return period;
}

QRect PeriodCurvePainter::barRect(const QRect& rect, const QFontMetrics& metrics, std::size_t period) const {
    if (period >= periods_.size()) return {};
    const Layout layout = MakeLayout(rect, metrics);
    const int top = layout.y(periods_[period].answered, layout.answered);
    return QRect(QPoint(layout.barLeft(period), top),
                 QPoint(layout.barLeft(period) + layout.barWidth - 1, layout.plot.bottom()));
}

bool PeriodCurvePainter::HasBreak() const {
    return breakBefore_ && *breakBefore_ > 0 && *breakBefore_ < periods_.size();
}

std::vector<PeriodCurvePainter::LegendEntry> PeriodCurvePainter::Legend() const {
    std::vector<LegendEntry> legend = {{Swatch::True, texts_.lower}, {Swatch::False, texts_.upper}};
    if (!periods_.empty() && periods_.back().partial) {
        //: The chart's legend: a hatched bar, the period the run was stopped inside.
        legend.push_back({Swatch::Partial, QCoreApplication::translate("charts::PeriodCurvePainter", "partial")});
    }
    //: The chart's legend: the line of each period's median answer time, on the right scale in seconds.
    if (HasTimes(periods_))
        legend.push_back({Swatch::Time, QCoreApplication::translate("charts::PeriodCurvePainter", "median time")});
    if (trend_) legend.push_back({Swatch::Trend, texts_.trend});
    //: The chart's legend: the line between the two halves of a test, where its break was.
    if (HasBreak())
        legend.push_back({Swatch::Break, QCoreApplication::translate("charts::PeriodCurvePainter", "break")});
    if (!marks_.flag.isEmpty()) legend.push_back({Swatch::Flag, marks_.flag});
    if (!marks_.frame.isEmpty()) legend.push_back({Swatch::Frame, marks_.frame});
    return legend;
}

std::vector<LegendPlace> PeriodCurvePainter::legendPlaces(const QRect& rect, const QFontMetrics& metrics) const {
    const Layout layout = MakeLayout(rect, metrics);
    const std::vector<LegendEntry> legend = Legend();
    std::vector<LegendPlace> places;
    for (std::size_t entry = 0; entry < layout.legend.size(); ++entry) {
        const QPoint at = layout.legend[entry];
        // A line's square caps reach a pixel past its ends; the trend's dashes run on a little.
        QRect swatch(at.x(), at.y() - kSwatch, kSwatch, kSwatch);
        if (legend[entry].swatch == Swatch::Time) swatch.adjust(-1, 0, 1, 0);
        if (legend[entry].swatch == Swatch::Trend) swatch.adjust(0, 0, 2, 0);
        LegendPlace place{swatch, {}, {}};
        AddWords(place, metrics, legend[entry].text, at.x() + kSwatch + kSwatchGap, at.y());
        places.push_back(std::move(place));
    }
    return places;
}

QRect PeriodCurvePainter::legendRect(const QRect& rect, const QFontMetrics& metrics) const {
    QRect box;
    for (const LegendPlace& place : legendPlaces(rect, metrics)) box |= place.box;
    return box;
}

QRect PeriodCurvePainter::plotRect(const QRect& rect, const QFontMetrics& metrics) const {
    return MakeLayout(rect, metrics).plot;
}

QString PeriodCurvePainter::legendInWords() const {
    QStringList entries;
    for (const LegendEntry& entry : Legend()) {
        QString mark;
        switch (entry.swatch) {
        //: A mark of the chart's legend in words, where the legend is left out: the true answers' colour.
        case Swatch::True: mark = QCoreApplication::translate("charts::PeriodCurvePainter", "green"); break;
        //: The false answers' colour.
        case Swatch::False: mark = QCoreApplication::translate("charts::PeriodCurvePainter", "red"); break;
        //: The partial period's bar.
        case Swatch::Partial: mark = QCoreApplication::translate("charts::PeriodCurvePainter", "hatched"); break;
        //: The median answer time's line.
        case Swatch::Time: mark = QCoreApplication::translate("charts::PeriodCurvePainter", "blue line"); break;
        //: The trend's line.
        case Swatch::Trend: mark = QCoreApplication::translate("charts::PeriodCurvePainter", "dashed line"); break;
        //: The break's line.
        case Swatch::Break: mark = QCoreApplication::translate("charts::PeriodCurvePainter", "dash-dotted line"); break;
        //: The flag over a period where a mark was missed.
        case Swatch::Flag: mark = QCoreApplication::translate("charts::PeriodCurvePainter", "violet flag"); break;
        //: The frame around the periods of the chosen mark.
        case Swatch::Frame: mark = QCoreApplication::translate("charts::PeriodCurvePainter", "violet frame"); break;
        }
        //: One mark of the legend in words and what it stands for: "green: true".
        entries << QCoreApplication::translate("charts::PeriodCurvePainter", "%1: %2").arg(mark, entry.text);
    }
    //: Between the marks of the legend in words.
    return entries.join(QCoreApplication::translate("charts::PeriodCurvePainter", "; "));
}

void PeriodCurvePainter::setCurve(const engine::PeriodCurve& curve) {
    periods_.clear();
    periods_.reserve(curve.periods.size());
    for (const engine::CurvePeriod& period : curve.periods)
        periods_.push_back({period.reached, period.right, period.medianMilliseconds, period.partial});
    // The line runs over the complete periods, which come first, numbered from 1.
    trend_.reset();
    if (curve.line && curve.completePeriods >= 2)
        trend_ = ChartTrend{curve.completePeriods - 1, curve.line->at(1.0),
                            curve.line->at(static_cast<double>(curve.completePeriods))};
    breakBefore_ = curve.breakBefore;
}

void PeriodCurvePainter::paint(QPainter* painter, const QRect& rect, const QColor& textColour,
                               std::optional<std::size_t> selected) const {
    painter->save();
    // The hatching of a partial period keeps its place in the chart wherever the chart lies.
    painter->setBrushOrigin(rect.topLeft());
    painter->fillRect(rect, Qt::white);
    const Layout layout = MakeLayout(rect, painter->fontMetrics());
    const QRect& plot = layout.plot;
    PaintLegend(painter, rect, layout, textColour);
    PaintScales(painter, rect, layout, textColour);
    // The selected period's column, behind its bar.
    if (selected && *selected < periods_.size()) {
        const int left = layout.columnLeft(*selected);
        painter->fillRect(
            QRect(QPoint(left, plot.top()), QPoint(layout.columnLeft(*selected + 1) - 1, plot.bottom() - 1)),
            kSelectionColour);
    }
    PaintBars(painter, layout);
    // The break, between the periods before it and after it.
    if (HasBreak()) {
        const int breakX = layout.columnLeft(*breakBefore_);
        painter->setPen(QPen(kTrendColour, 1, Qt::DashDotLine));
        painter->drawLine(breakX, plot.top(), breakX, plot.bottom());
    }
    PaintPeriodNumbers(painter, layout, textColour);
    PaintLines(painter, layout);
    PaintMarks(painter, layout);
    if (periods_.empty()) {
        painter->setPen(textColour);
        //: Written across a chart that has no periods at all.
        painter->drawText(plot, Qt::AlignCenter,
                          QCoreApplication::translate("charts::PeriodCurvePainter", "No answers"));
    }
    painter->restore();
}

void PeriodCurvePainter::PaintLegend(QPainter* painter, const QRect& rect, const Layout& layout,
                                     const QColor& textColour) const {
    const QFontMetrics metrics = painter->fontMetrics();
    // Legend across the top, on as many rows as it takes.
    const std::vector<LegendEntry> legend = Legend();
    // Just past the last entry, where the "per column" may start.
    int x = rect.left() + kChartMargin;
    for (std::size_t index = 0; index < layout.legend.size(); ++index) {
        const LegendEntry& entry = legend[index];
        const int baseline = layout.legend[index].y();
        x = layout.legend[index].x();
        const QRect r(x, baseline - kSwatch, kSwatch, kSwatch);
        switch (entry.swatch) {
        case Swatch::True: painter->fillRect(r, kTrueColour); break;
        case Swatch::False: painter->fillRect(r, kFalseColour); break;
        case Swatch::Partial:
            painter->fillRect(r, kTrueColour.lighter(150));
            painter->fillRect(r, QBrush(Qt::white, Qt::BDiagPattern));
            break;
        case Swatch::Time:
            painter->setPen(QPen(kTimeColour, 2));
            painter->drawLine(r.left(), r.center().y(), r.right(), r.center().y());
            break;
        case Swatch::Trend:
            painter->setPen(QPen(kTrendColour, 1, Qt::DashLine));
            painter->drawLine(r.left(), r.center().y(), r.right() + 2, r.center().y());
            break;
        case Swatch::Break:
            painter->setPen(QPen(kTrendColour, 1, Qt::DashDotLine));
            painter->drawLine(r.center().x(), r.top(), r.center().x(), r.bottom());
            break;
        case Swatch::Flag: PaintFlag(painter, r.center().x(), r.bottom(), kSwatch - 1); break;
        case Swatch::Frame:
            painter->setPen(QPen(ChartMarks::kColour, 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(r.adjusted(1, 1, -1, -1));
            break;
        }
        x += kSwatch + kSwatchGap;
        painter->setPen(textColour);
        painter->drawText(x, baseline, entry.text);
        x += metrics.horizontalAdvance(entry.text) + kLegendGap;
    }
    if (!texts_.period.isEmpty() && !layout.legend.empty()) {
        //: Written at the right of the chart's legend: what one bar stands for, as "per column".
        const QString per = QCoreApplication::translate("charts::PeriodCurvePainter", "per %1").arg(texts_.period);
        const int right = rect.left() + rect.width() - kChartMargin;
        if (right - metrics.horizontalAdvance(per) >= x) {
            painter->setPen(textColour);
            painter->drawText(right - metrics.horizontalAdvance(per), layout.legend.back().y(), per);
        }
    }
}

void PeriodCurvePainter::PaintScales(QPainter* painter, const QRect& rect, const Layout& layout,
                                     const QColor& textColour) const {
    const QFontMetrics metrics = painter->fontMetrics();
    const QRect& plot = layout.plot;
    // Grid lines with the answered scale on the left and the time scale on the right.
    for (int step = 0; step <= layout.answered.steps; ++step) {
        const double answered = layout.answered.step * step;
        const int y = layout.y(answered, layout.answered);
        painter->setPen(step == 0 ? textColour : kGridColour);
        painter->drawLine(plot.left(), y, plot.right(), y);
        painter->setPen(textColour);
        const QString left = QString::number(answered, 'g', 10);
        const int labelsLeft = rect.left() + kChartMargin;
        painter->drawText(
            QRect(labelsLeft, y - metrics.height() / 2, plot.left() - kTick - 2 - labelsLeft, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, left);
        if (!HasTimes(periods_)) continue;
        painter->setPen(kTimeColour);
        painter->drawText(QRect(plot.right() + kTick + 2, y - metrics.height() / 2, rect.width(), metrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, SecondsLabel(layout.seconds.step * step));
    }
}

void PeriodCurvePainter::PaintBars(QPainter* painter, const Layout& layout) const {
    const QRect& plot = layout.plot;
    // The bars: true answers at the bottom, false ones on top; a partial period hatched.
    for (std::size_t period = 0; period < periods_.size(); ++period) {
        const ChartPeriod& figures = periods_[period];
        const int left = layout.barLeft(period);
        const int base = plot.bottom();
        const int trueTop = layout.y(figures.correct, layout.answered);
        const int allTop = layout.y(figures.answered, layout.answered);
        const QRect trueBar(QPoint(left, trueTop), QPoint(left + layout.barWidth - 1, base - 1));
        const QRect falseBar(QPoint(left, allTop), QPoint(left + layout.barWidth - 1, trueTop - 1));
        const QColor trueColour = figures.partial ? kTrueColour.lighter(150) : kTrueColour;
        const QColor falseColour = figures.partial ? kFalseColour.lighter(140) : kFalseColour;
        if (trueTop < base) painter->fillRect(trueBar, trueColour);
        if (allTop < trueTop) painter->fillRect(falseBar, falseColour);
        if (figures.partial && allTop < base) {
            const QRect whole(QPoint(left, allTop), QPoint(left + layout.barWidth - 1, base - 1));
            painter->fillRect(whole, QBrush(Qt::white, Qt::BDiagPattern));
            painter->setPen(QPen(kTrendColour, 1, Qt::DotLine));
            painter->drawRect(whole);
        }
    }
}

void PeriodCurvePainter::PaintPeriodNumbers(QPainter* painter, const Layout& layout, const QColor& textColour) const {
    const QFontMetrics metrics = painter->fontMetrics();
    const QRect& plot = layout.plot;
    painter->setPen(textColour);
    for (std::size_t period = 0; period < periods_.size(); ++period) {
        const std::size_t number = period + 1;
        if (number % static_cast<std::size_t>(layout.labelEvery) != 0 && period != 0) continue;
        const int centre = static_cast<int>(std::lround(layout.xCentre(period)));
        painter->drawLine(centre, plot.bottom(), centre, plot.bottom() + kTick);
        const QString text = QString::number(number);
        const int textWidth = metrics.horizontalAdvance(text);
        painter->drawText(centre - textWidth / 2, plot.bottom() + kTick + metrics.ascent() + 1, text);
    }
}

void PeriodCurvePainter::PaintLines(QPainter* painter, const Layout& layout) const {
    const QRect& plot = layout.plot;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipRect(plot.adjusted(0, -2, 1, 1));

    if (trend_ && trend_->last >= 1) {
        painter->setPen(QPen(kTrendColour, 1.5, Qt::DashLine));
        painter->drawLine(QPointF(layout.xCentre(0), layout.yExact(trend_->atFirst, layout.answered)),
                          QPointF(layout.xCentre(trend_->last), layout.yExact(trend_->atLast, layout.answered)));
    }

    // The median answer time of each period, joined where periods follow each other.
    QPainterPath line;
    bool joined = false;
    std::vector<QPointF> points;
    for (std::size_t period = 0; period < periods_.size(); ++period) {
        const auto& median = periods_[period].medianMilliseconds;
        if (!median) {
            joined = false;
            continue;
        }
        const QPointF point(layout.xCentre(period), layout.yExact(*median / 1000.0, layout.seconds));
        if (joined)
            line.lineTo(point);
        else
            line.moveTo(point);
        joined = true;
        points.push_back(point);
    }
    painter->setPen(QPen(kTimeColour, 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(line);
    if (layout.slot >= 6.0) {
        painter->setBrush(Qt::white);
        painter->setPen(QPen(kTimeColour, 1.5));
        for (const QPointF& point : points) painter->drawEllipse(point, 2.5, 2.5);
    }
    painter->restore();
}

void PeriodCurvePainter::PaintMarks(QPainter* painter, const Layout& layout) const {
    const QRect& plot = layout.plot;
    const auto within = [this](std::vector<std::size_t> periods) {
        std::sort(periods.begin(), periods.end());
        periods.erase(std::unique(periods.begin(), periods.end()), periods.end());
        periods.erase(std::lower_bound(periods.begin(), periods.end(), periods_.size()), periods.end());
        return periods;
    };
    painter->save();
    // One frame around each run of neighbouring periods, inside their columns: a pen of 2
    // pixels covers the pixel before each corner point and the point itself.
    const std::vector<std::size_t> framed = within(marks_.framed);
    painter->setPen(QPen(ChartMarks::kColour, 2));
    painter->setBrush(Qt::NoBrush);
    for (std::size_t first = 0; first < framed.size();) {
        std::size_t last = first;
        while (last + 1 < framed.size() && framed[last + 1] == framed[last] + 1) ++last;
        painter->drawRect(QRect(QPoint(layout.columnLeft(framed[first]) + 1, plot.top() + 1),
                                QPoint(layout.columnLeft(framed[last] + 1) - 2, plot.bottom() - 1)));
        first = last + 1;
    }
    // A flag over each flagged bar, pointing at its top: as wide as the column leaves room for.
    const int width = std::clamp(static_cast<int>(layout.slot) - 2, 3, 9);
    for (const std::size_t period : within(marks_.flagged)) {
        const int top = layout.y(periods_[period].answered, layout.answered);
        PaintFlag(painter, static_cast<int>(std::lround(layout.xCentre(period))), top - 2, width);
    }
    painter->restore();
}

} // namespace charts
