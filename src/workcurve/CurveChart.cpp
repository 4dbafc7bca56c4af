// SPDX-License-Identifier: GPL-3.0-or-later
#include "workcurve/CurveChart.h"

#include "test/PeriodCurve.h"
#include "workcurve/ChartTips.h"
#include "workcurve/FigureText.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace workcurve {

CurveChart::CurveChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Answers per minute"));
    UpdateDescription();
}

CurveChart::~CurveChart() = default;

void CurveChart::setCurve(const test::WorkCurve& curve) {
    curve_ = curve;
    selected_.reset();
    painter_.setCurve(test::CurveOfRun(curve_));
    UpdateDescription();
    update();
}

QSize CurveChart::sizeHint() const { return {320, 230}; }
QSize CurveChart::minimumSizeHint() const { return {120, 120}; }

std::optional<std::size_t> CurveChart::minuteAt(const QPoint& point) const {
    return painter_.periodAt(rect(), fontMetrics(), point);
}

QRect CurveChart::barRect(std::size_t minute) const { return painter_.barRect(rect(), fontMetrics(), minute); }

QRect CurveChart::legendRect() const { return painter_.legendRect(rect(), fontMetrics()); }

std::vector<LegendPlace> CurveChart::legendPlaces() const { return painter_.legendPlaces(rect(), fontMetrics()); }

QRect CurveChart::plotRect() const { return painter_.plotRect(rect(), fontMetrics()); }

void CurveChart::paintEvent(QPaintEvent*) {
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

bool CurveChart::LegendLeftOut() const { return legendRect().isEmpty(); }

void CurveChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (LegendLeftOut() != legendInWords_) UpdateDescription();
}

bool CurveChart::event(QEvent* event) {
    const auto tipAt = [this](const QPoint& point) -> std::optional<ChartTip> {
        const auto minute = minuteAt(point);
        if (!minute && legendInWords_) return ChartTip{painter_.legendInWords(), rect()};
        if (!minute) return std::nullopt;
        return ChartTip{MinuteText(*minute, curve_.minutes[*minute]), barRect(*minute)};
    };
    if (HandleChartEvent(this, event, tipAt)) return true;
    return QWidget::event(event);
}

void CurveChart::keyPressEvent(QKeyEvent* event) {
    if (curve_.minutes.empty()) return QWidget::keyPressEvent(event);
    const std::size_t last = curve_.minutes.size() - 1;
    const std::size_t current = selected_.value_or(0);
    switch (event->key()) {
    case Qt::Key_Left: Select(selected_ ? (current == 0 ? 0 : current - 1) : 0); break;
    case Qt::Key_Right: Select(selected_ ? std::min(current + 1, last) : 0); break;
    case Qt::Key_Home: Select(0); break;
    case Qt::Key_End: Select(last); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void CurveChart::Select(std::size_t minute) {
    selected_ = minute;
    UpdateDescription();
    update();
    const QRect bar = barRect(minute);
    ShowChartTip(this, QPoint(bar.center().x(), bar.top()), {MinuteText(minute, curve_.minutes[minute]), bar});
}

void CurveChart::UpdateDescription() {
    //: Ends a sentence of the chart's description made of a minute's figures.
    const QString sentence = tr("%1.");
    QStringList parts;
    if (selected_ && *selected_ < curve_.minutes.size())
        parts << tr("Selected: %1.").arg(MinuteText(*selected_, curve_.minutes[*selected_]));
    parts << tr("Answered per minute, true and false stacked, with the median answer time of each minute and the "
                "trend; Left and Right step through the minutes.");
    legendInWords_ = LegendLeftOut();
    //: The chart's legend in words, where the chart is too small to draw it: "green: true; red: false".
    if (legendInWords_) parts << tr("Legend: %1.").arg(painter_.legendInWords());
    for (std::size_t minute = 0; minute < curve_.minutes.size(); ++minute)
        parts << sentence.arg(MinuteText(minute, curve_.minutes[minute]));
    parts << tr("Trend per minute: %1.").arg(TrendText(curve_.trend));
    setAccessibleDescription(parts.join(QLatin1Char(' ')));
}

} // namespace workcurve
