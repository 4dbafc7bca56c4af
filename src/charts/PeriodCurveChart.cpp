// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/PeriodCurveChart.h"

#include "charts/ChartTips.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace charts {

PeriodCurveChart::PeriodCurveChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

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
    selected_.reset();
    UpdateDescription();
    update();
}

void PeriodCurveChart::UpdateDescription() {
    legendInWords_ = LegendLeftOut();
    setAccessibleDescription(Description());
}

bool PeriodCurveChart::LegendLeftOut() const { return legendRect().isEmpty(); }

void PeriodCurveChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter_.paint(&painter, rect(), palette().color(QPalette::WindowText), selected_);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        option.backgroundColor = Qt::white;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PeriodCurveChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (LegendLeftOut() != legendInWords_) UpdateDescription();
}

bool PeriodCurveChart::event(QEvent* event) {
    const auto tipAt = [this](const QPoint& point) -> std::optional<ChartTip> {
        const auto period = periodAt(point);
        if (!period && legendInWords_) return ChartTip{painter_.legendInWords(), rect()};
        if (!period) return std::nullopt;
        return ChartTip{PeriodText(*period), barRect(*period)};
    };
    if (HandleChartEvent(this, event, tipAt)) return true;
    return QWidget::event(event);
}

void PeriodCurveChart::keyPressEvent(QKeyEvent* event) {
    if (PeriodCount() == 0) return QWidget::keyPressEvent(event);
    const std::size_t last = PeriodCount() - 1;
    const std::size_t current = selected_.value_or(0);
    switch (event->key()) {
    case Qt::Key_Left: Select(selected_ ? (current == 0 ? 0 : current - 1) : 0); break;
    case Qt::Key_Right: Select(selected_ ? std::min(current + 1, last) : 0); break;
    case Qt::Key_Home: Select(0); break;
    case Qt::Key_End: Select(last); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void PeriodCurveChart::Select(std::size_t period) {
    selected_ = period;
    UpdateDescription();
    update();
    const QRect bar = barRect(period);
    ShowChartTip(this, QPoint(bar.center().x(), bar.top()), {PeriodText(period), bar});
}

} // namespace charts
