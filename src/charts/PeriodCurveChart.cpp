// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/PeriodCurveChart.h"

#include <QPainter>

namespace charts {

PeriodCurveChart::PeriodCurveChart(QWidget* parent) : StepChart(parent) {}

PeriodCurveChart::~PeriodCurveChart() = default;

QSize PeriodCurveChart::minimumSizeHint() const { return {120, 120}; }

std::optional<std::size_t> PeriodCurveChart::periodAt(const QPoint& point) const {
    return painter_.periodAt(rect(), fontMetrics(), point);
}

QRect PeriodCurveChart::barRect(std::size_t period) const { return painter_.barRect(rect(), fontMetrics(), period); }

QRect PeriodCurveChart::legendRect() const { return painter_.legendRect(rect(), fontMetrics()); }

std::vector<LegendPlace> PeriodCurveChart::legendPlaces() const { return painter_.legendPlaces(rect(), fontMetrics()); }

QRect PeriodCurveChart::plotRect() const { return painter_.plotRect(rect(), fontMetrics()); }

void PeriodCurveChart::CurveChanged() {
    ClearSelection();
    UpdateDescription();
    update();
}

void PeriodCurveChart::UpdateDescription() {
    legendInWords_ = LegendLeftOut();
    setAccessibleDescription(Description());
}

bool PeriodCurveChart::LegendLeftOut() const { return legendRect().isEmpty(); }

QString PeriodCurveChart::LegendInWords() const { return legendInWords_ ? painter_.legendInWords() : QString(); }

void PeriodCurveChart::PaintChart(QPainter* painter, std::optional<std::size_t> selected) const {
    painter_.paint(painter, rect(), palette().color(QPalette::WindowText), selected);
}

void PeriodCurveChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (LegendLeftOut() != legendInWords_) UpdateDescription();
}

} // namespace charts
