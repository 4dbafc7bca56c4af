// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetresults/PeriodChart.h"

#include "sheetresults/ScoreText.h"
#include "test/PeriodCurve.h"
#include "workcurve/ChartTips.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <vector>

namespace sheetresults {

PeriodChart::PeriodChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Curve"));
    UpdateDescription();
}

PeriodChart::~PeriodChart() = default;

void PeriodChart::setScores(const test::SheetFormat& format, const test::SheetScores& scores) {
    format_ = format;
    scores_ = scores;
    selected_.reset();
    painter_.setCurve(test::CurveOfSitting(scores_));
    //: The chart's legend: the lower and upper parts of a bar and the least-squares line.
    painter_.setTexts(
        {tr("right", "legend"), tr("wrong or blank", "legend"), tr("least squares", "legend"), PeriodName(format_)});
    //: %1 is what one period is: "column", "line", "3 min".
    setAccessibleName(tr("Curve per %1").arg(PeriodName(format_)));
    UpdateDescription();
    update();
}

QSize PeriodChart::sizeHint() const { return {360, 230}; }
QSize PeriodChart::minimumSizeHint() const { return {120, 120}; }

std::optional<std::size_t> PeriodChart::periodAt(const QPoint& point) const {
    return painter_.periodAt(rect(), fontMetrics(), point);
}

QRect PeriodChart::barRect(std::size_t period) const { return painter_.barRect(rect(), fontMetrics(), period); }

std::vector<workcurve::LegendPlace> PeriodChart::legendPlaces() const {
    return painter_.legendPlaces(rect(), fontMetrics());
}

QRect PeriodChart::plotRect() const { return painter_.plotRect(rect(), fontMetrics()); }

QString PeriodChart::Text(std::size_t period) const { return PeriodText(format_, period, scores_.periods[period]); }

void PeriodChart::paintEvent(QPaintEvent*) {
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

bool PeriodChart::LegendLeftOut() const { return painter_.legendRect(rect(), fontMetrics()).isEmpty(); }

void PeriodChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (LegendLeftOut() != legendInWords_) UpdateDescription();
}

bool PeriodChart::event(QEvent* event) {
    const auto tipAt = [this](const QPoint& point) -> std::optional<workcurve::ChartTip> {
        const auto period = periodAt(point);
        if (!period && legendInWords_) return workcurve::ChartTip{painter_.legendInWords(), rect()};
        if (!period) return std::nullopt;
        return workcurve::ChartTip{Text(*period), barRect(*period)};
    };
    if (workcurve::HandleChartEvent(this, event, tipAt)) return true;
    return QWidget::event(event);
}

void PeriodChart::keyPressEvent(QKeyEvent* event) {
    if (scores_.periods.empty()) return QWidget::keyPressEvent(event);
    const std::size_t last = scores_.periods.size() - 1;
    const std::size_t current = selected_.value_or(0);
    switch (event->key()) {
    case Qt::Key_Left: Select(selected_ ? (current == 0 ? 0 : current - 1) : 0); break;
    case Qt::Key_Right: Select(selected_ ? std::min(current + 1, last) : 0); break;
    case Qt::Key_Home: Select(0); break;
    case Qt::Key_End: Select(last); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void PeriodChart::Select(std::size_t period) {
    selected_ = period;
    UpdateDescription();
    update();
    const QRect bar = barRect(period);
    workcurve::ShowChartTip(this, QPoint(bar.center().x(), bar.top()), {Text(period), bar});
}

void PeriodChart::UpdateDescription() {
    QStringList parts;
    if (selected_ && *selected_ < scores_.periods.size()) parts << tr("Selected: %1.").arg(Text(*selected_));
    parts << tr("Pairs reached per %1, right and wrong or blank stacked, with the median answer time of each; Left "
                "and Right step through them.")
                 .arg(PeriodName(format_));
    legendInWords_ = LegendLeftOut();
    //: The chart's legend in words, where the chart is too small to draw it: "green: right; red: wrong or blank".
    if (legendInWords_) parts << tr("Legend: %1.").arg(painter_.legendInWords());
    for (std::size_t period = 0; period < scores_.periods.size(); ++period) parts << Text(period) + QLatin1Char('.');
    setAccessibleDescription(parts.join(QLatin1Char(' ')));
}

} // namespace sheetresults
