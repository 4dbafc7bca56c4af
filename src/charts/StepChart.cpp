// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/StepChart.h"

#include "charts/ChartTips.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <utility>

namespace charts {

StepChart::StepChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

StepChart::~StepChart() = default;

void StepChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChart(&painter, selected_);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        option.backgroundColor = Qt::white;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

bool StepChart::event(QEvent* event) {
    const auto tipAt = [this](const QPoint& point) -> std::optional<ChartTip> {
        const auto item = ItemAt(point);
        if (!item) {
            const QString legend = LegendInWords();
            if (legend.isEmpty()) return std::nullopt;
            return ChartTip{legend, rect()};
        }
        return ChartTip{ItemText(*item), ItemRect(*item)};
    };
    if (HandleChartEvent(this, event, tipAt)) return true;
    return QWidget::event(event);
}

void StepChart::keyPressEvent(QKeyEvent* event) {
    if (ItemCount() == 0) return QWidget::keyPressEvent(event);
    const std::size_t last = ItemCount() - 1;
    const std::size_t current = std::min(selected_.value_or(0), last);
    switch (event->key()) {
    case Qt::Key_Left: Select(selected_ ? (current == 0 ? 0 : current - 1) : 0); break;
    case Qt::Key_Right: Select(selected_ ? std::min(current + 1, last) : 0); break;
    case Qt::Key_Home: Select(0); break;
    case Qt::Key_End: Select(last); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void StepChart::Select(std::size_t item) {
    selected_ = item;
    SelectionChanged();
    update();
    const QRect place = ItemRect(item);
    ShowChartTip(this, QPoint(place.center().x(), place.top()), {ItemText(item), place});
}

void StepChart::Describe(const QString& summary) {
    QStringList parts;
    if (selected_ && *selected_ < ItemCount())
        //: A chart's description: the item selected with the keyboard.
        parts << tr("Selected: %1.").arg(ItemText(*selected_));
    if (!summary.isEmpty()) parts << summary;
    if (const QString legend = LegendInWords(); !legend.isEmpty()) {
        //: A chart's legend in words, where the chart is too small to draw it.
        parts << tr("Legend: %1.").arg(legend);
    }
    setAccessibleDescription(parts.join(QLatin1Char(' ')));
}

SummarizedChart::SummarizedChart(QWidget* parent) : StepChart(parent) {}

SummarizedChart::~SummarizedChart() = default;

void SummarizedChart::setSummary(QString summary) {
    summary_ = std::move(summary);
    Describe(summary_);
}

void SummarizedChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Describe(summary_);
}

} // namespace charts
