// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CurveOverlayPainter.h"

#include "charts/ChartColours.h"
#include "charts/ChartMargin.h"
#include "charts/ChartScale.h"

#include <QCoreApplication>
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
constexpr double kMarkSize = 3.0;
constexpr double kMarkSpacing = 8.0;
// A legend's swatch: the curve's line with its mark in the middle, long enough to show a dash
// and its gap either side of the mark, as the curves narrower than kMarkSpacing show no marks.
constexpr int kSwatchWidth = 3 * kLegendSwatch;

enum class Mark { Dot, Square, Triangle };

struct CurveStyle {
    QColor colour;
    Qt::PenStyle line;
    Mark mark;
};

const CurveStyle kStyles[CurveOverlayPainter::kMaxOverlaidCurves] = {
    {kTimeColour, Qt::SolidLine, Mark::Dot},
    {kBestColour, Qt::DashLine, Mark::Square},
    {kTrueColour, Qt::DotLine, Mark::Triangle},
};

void DrawMark(QPainter* painter, Mark mark, const QPointF& at, double size) {
    switch (mark) {
    case Mark::Dot: painter->drawEllipse(at, size, size); break;
    case Mark::Square: painter->drawRect(QRectF(at.x() - size, at.y() - size, 2 * size, 2 * size)); break;
    case Mark::Triangle:
        painter->drawPolygon(QPolygonF({QPointF(at.x(), at.y() - size - 1), QPointF(at.x() + size + 0.5, at.y() + size),
                                        QPointF(at.x() - size - 0.5, at.y() + size)}));
        break;
    }
}

QString StyleWords(std::size_t curve) {
    switch (curve) {
    //: A curve of the overlay in words, where its legend is left out: the first sitting's line.
    case 0: return QCoreApplication::translate("charts::CurveOverlayPainter", "blue solid line");
    //: The second sitting's line.
    case 1: return QCoreApplication::translate("charts::CurveOverlayPainter", "orange dashed line");
    //: The third sitting's line.
    default: return QCoreApplication::translate("charts::CurveOverlayPainter", "green dotted line");
    }
}

} // namespace

struct CurveOverlayPainter::Layout {
    QRect plot;
    std::vector<QPoint> legend;
    ChartScale scale;
    double slot = 0.0;
    int labelEvery = 1;

    double x(std::size_t period) const { return plot.left() + (static_cast<double>(period) + 0.5) * slot; }
    double y(double value) const { return plot.bottom() - value / scale.top * plot.height(); }
    int columnLeft(std::size_t period) const {
        return plot.left() + static_cast<int>(std::floor(static_cast<double>(period) * slot));
    }
};

void CurveOverlayPainter::setCurves(std::vector<OverlayCurve> curves) {
    if (curves.size() > kMaxOverlaidCurves) curves.resize(kMaxOverlaidCurves);
    curves_ = std::move(curves);
}

std::size_t CurveOverlayPainter::periodCount() const {
    std::size_t most = 0;
    for (const OverlayCurve& curve : curves_) most = std::max(most, curve.values.size());
    return most;
}

CurveOverlayPainter::Layout CurveOverlayPainter::MakeLayout(const QRect& rect, const QFontMetrics& metrics) const {
    Layout layout;
    double most = 0.0;
    for (const OverlayCurve& curve : curves_)
        for (const double value : curve.values) most = std::max(most, value);
    layout.scale = NiceScale(most, 5, 1.0);
    QStringList words;
    for (const OverlayCurve& curve : curves_) words << curve.label;
    const LegendFlow legend = FlowLegend(rect, metrics, words, kSwatchWidth);
    layout.legend = legend.at;
    const int lineHeight = metrics.height();
    const int top = rect.top() + kChartMargin + legend.height + lineHeight / 2 + kChartMargin;
    const int left =
        rect.left() + kChartMargin + metrics.horizontalAdvance(QString::number(layout.scale.top, 'g', 10)) + kTick + 2;
    const int right = rect.left() + rect.width() - kChartMargin - 1;
    const int bottom = rect.top() + rect.height() - kChartMargin - lineHeight - kTick;
    layout.plot = QRect(QPoint(left, top), QPoint(std::max(left + 1, right), std::max(top + 1, bottom)));
    const std::size_t periods = std::max<std::size_t>(periodCount(), 1);
    layout.slot = static_cast<double>(layout.plot.width()) / static_cast<double>(periods);
    const double labelWidth = metrics.horizontalAdvance(QString::number(periods)) + 6.0;
    for (const int every : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}) {
        layout.labelEvery = every;
        if (layout.slot * every >= labelWidth) break;
    }
    return layout;
}

std::optional<std::size_t> CurveOverlayPainter::periodAt(const QRect& rect, const QFontMetrics& metrics,
                                                         const QPoint& point) const {
    const std::size_t periods = periodCount();
    if (periods == 0) return std::nullopt;
    const Layout layout = MakeLayout(rect, metrics);
    if (point.x() < layout.plot.left() || point.x() > layout.plot.right()) return std::nullopt;
    if (point.y() < layout.plot.top() || point.y() > layout.plot.bottom() + kTick) return std::nullopt;
    auto period = std::min(static_cast<std::size_t>((point.x() - layout.plot.left()) / layout.slot), periods - 1);
    while (period + 1 < periods && layout.columnLeft(period + 1) <= point.x()) ++period;
    while (period > 0 && layout.columnLeft(period) > point.x()) --period;
    return period;
}

QRect CurveOverlayPainter::periodRect(const QRect& rect, const QFontMetrics& metrics, std::size_t period) const {
    if (period >= periodCount()) return {};
    const Layout layout = MakeLayout(rect, metrics);
    return QRect(QPoint(layout.columnLeft(period), layout.plot.top()),
                 QPoint(layout.columnLeft(period + 1) - 1, layout.plot.bottom()));
}

QRect CurveOverlayPainter::plotRect(const QRect& rect, const QFontMetrics& metrics) const {
    return MakeLayout(rect, metrics).plot;
}

std::vector<LegendPlace> CurveOverlayPainter::legendPlaces(const QRect& rect, const QFontMetrics& metrics) const {
    QStringList words;
    for (const OverlayCurve& curve : curves_) words << curve.label;
    return SwatchLegendPlaces(MakeLayout(rect, metrics).legend, metrics, words, kSwatchWidth);
}

QString CurveOverlayPainter::legendInWords() const {
    QStringList entries;
    for (std::size_t curve = 0; curve < curves_.size(); ++curve) {
        //: One curve of the overlay in words and the sitting it stands for: "blue solid line: 2026-03-12 09:30".
        entries << QCoreApplication::translate("charts::CurveOverlayPainter", "%1: %2")
                       .arg(StyleWords(curve), curves_[curve].label);
    }
    //: Between the curves of the legend in words.
    return entries.join(QCoreApplication::translate("charts::CurveOverlayPainter", "; "));
}

void CurveOverlayPainter::paint(QPainter* painter, const QRect& rect, const QColor& textColour,
                                std::optional<std::size_t> selected) const {
    painter->save();
    painter->fillRect(rect, Qt::white);
    const Layout layout = MakeLayout(rect, painter->fontMetrics());
    PaintLegend(painter, rect, layout, textColour);
    PaintScale(painter, rect, layout, textColour);
    if (selected && *selected < periodCount())
        painter->fillRect(QRect(QPoint(layout.columnLeft(*selected), layout.plot.top()),
                                QPoint(layout.columnLeft(*selected + 1) - 1, layout.plot.bottom() - 1)),
                          kSelectionColour);
    PaintCurves(painter, layout);
    if (curves_.empty()) {
        painter->setPen(textColour);
        //: Written across the overlay of curves while no sitting is chosen for it.
        painter->drawText(
            layout.plot, Qt::AlignCenter | Qt::TextWordWrap,
            QCoreApplication::translate("charts::CurveOverlayPainter",
                                        "Select up to three sittings to lay their curves over one another"));
    }
    painter->restore();
}

void CurveOverlayPainter::PaintLegend(QPainter* painter, const QRect& rect, const Layout& layout,
                                      const QColor& textColour) const {
    const QFontMetrics metrics = painter->fontMetrics();
    int x = rect.left() + kChartMargin;
    painter->setRenderHint(QPainter::Antialiasing);
    for (std::size_t curve = 0; curve < layout.legend.size(); ++curve) {
        const QPoint at = layout.legend[curve];
        const CurveStyle& style = kStyles[curve];
        const QRectF swatch(at.x(), at.y() - kLegendSwatch, kSwatchWidth, kLegendSwatch);
        // Its square caps reach past its ends: a pixel short of the swatch's edges.
        painter->setPen(QPen(style.colour, 1.5, style.line));
        painter->drawLine(QPointF(swatch.left() + 1, swatch.center().y()),
                          QPointF(swatch.right() - 1, swatch.center().y()));
        painter->setPen(QPen(style.colour, 1.5));
        painter->setBrush(Qt::white);
        DrawMark(painter, style.mark, swatch.center(), kMarkSize);
        painter->setPen(textColour);
        x = at.x() + kSwatchWidth + kLegendSwatchGap;
        painter->drawText(x, at.y(), curves_[curve].label);
        x += metrics.horizontalAdvance(curves_[curve].label) + kLegendGap;
    }
    painter->setRenderHint(QPainter::Antialiasing, false);
    if (!periodWord_.isEmpty() && !layout.legend.empty()) {
        //: Written at the right of the overlay's legend: what one step across stands for, as "per column".
        const QString per = QCoreApplication::translate("charts::CurveOverlayPainter", "per %1").arg(periodWord_);
        const int right = rect.left() + rect.width() - kChartMargin;
        if (right - metrics.horizontalAdvance(per) >= x) {
            painter->setPen(textColour);
            painter->drawText(right - metrics.horizontalAdvance(per), layout.legend.back().y(), per);
        }
    }
}

void CurveOverlayPainter::PaintScale(QPainter* painter, const QRect& rect, const Layout& layout,
                                     const QColor& textColour) const {
    const QFontMetrics metrics = painter->fontMetrics();
    const QRect& plot = layout.plot;
    for (int step = 0; step <= layout.scale.steps; ++step) {
        const double value = layout.scale.step * step;
        const int y = static_cast<int>(std::lround(layout.y(value)));
        painter->setPen(step == 0 ? textColour : kGridColour);
        painter->drawLine(plot.left(), y, plot.right(), y);
        painter->setPen(textColour);
        const int labelsLeft = rect.left() + kChartMargin;
        painter->drawText(
            QRect(labelsLeft, y - metrics.height() / 2, plot.left() - kTick - 2 - labelsLeft, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(value, 'g', 10));
    }
    for (std::size_t period = 0; period < periodCount(); ++period) {
        const std::size_t number = period + 1;
        if (number % static_cast<std::size_t>(layout.labelEvery) != 0 && period != 0) continue;
        const int centre = static_cast<int>(std::lround(layout.x(period)));
        painter->drawLine(centre, plot.bottom(), centre, plot.bottom() + kTick);
        const QString text = QString::number(number);
        painter->drawText(centre - metrics.horizontalAdvance(text) / 2, plot.bottom() + kTick + metrics.ascent() + 1,
                          text);
    }
}

void CurveOverlayPainter::PaintCurves(QPainter* painter, const Layout& layout) const {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipRect(layout.plot.adjusted(-4, -4, 4, 1));
    for (std::size_t curve = 0; curve < curves_.size(); ++curve) {
        const CurveStyle& style = kStyles[curve];
        const std::vector<double>& values = curves_[curve].values;
        if (values.empty()) continue;
        QPainterPath line(QPointF(layout.x(0), layout.y(values[0])));
        for (std::size_t period = 1; period < values.size(); ++period)
            line.lineTo(layout.x(period), layout.y(values[period]));
        painter->setPen(QPen(style.colour, 1.5, style.line));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(line);
        if (layout.slot < kMarkSpacing) continue;
        painter->setPen(QPen(style.colour, 1.2));
        painter->setBrush(Qt::white);
        for (std::size_t period = 0; period < values.size(); ++period)
            DrawMark(painter, style.mark, QPointF(layout.x(period), layout.y(values[period])), kMarkSize - 0.5);
    }
    painter->restore();
}

} // namespace charts
