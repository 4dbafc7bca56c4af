// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CurveOverlayChart.h"

#include <QPainter>

namespace charts {

CurveOverlayChart::CurveOverlayChart(QWidget* parent) : SummarizedChart(parent) { setSummary({}); }

CurveOverlayChart::~CurveOverlayChart() = default;

QSize CurveOverlayChart::sizeHint() const { return {360, 200}; }

QSize CurveOverlayChart::minimumSizeHint() const { return {160, 110}; }

void CurveOverlayChart::setContent(Content content) {
    painter_.setCurves(std::move(content.curves));
    painter_.setPeriodWord(content.periodWord);
    periodText_ = std::move(content.periodText);
    ClearSelection();
    setSummary(std::move(content.summary));
    update();
}

std::optional<std::size_t> CurveOverlayChart::ItemAt(const QPoint& point) const {
    return painter_.periodAt(rect(), fontMetrics(), point);
}

QRect CurveOverlayChart::ItemRect(std::size_t period) const {
    return painter_.periodRect(rect(), fontMetrics(), period);
}

QString CurveOverlayChart::ItemText(std::size_t period) const { return periodText_ ? periodText_(period) : QString(); }

QString CurveOverlayChart::LegendInWords() const {
    return painter_.legendPlaces(rect(), fontMetrics()).empty() ? painter_.legendInWords() : QString();
}

void CurveOverlayChart::PaintChart(QPainter* painter, std::optional<std::size_t> selected) const {
    painter_.paint(painter, rect(), palette().color(QPalette::WindowText), selected);
}

} // namespace charts
