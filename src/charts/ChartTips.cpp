// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChartTips.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace charts {

bool HandleChartEvent(QWidget* chart, QEvent* event, const ChartTipAt& tipAt) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const std::optional<ChartTip> tip = tipAt(help->pos()))
            QToolTip::showText(help->globalPos(), tip->text, chart, tip->rect);
        else
            QToolTip::hideText();
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) chart->update();
    return false;
}

void ShowChartTip(QWidget* chart, const QPoint& anchor, const ChartTip& tip) {
    QToolTip::showText(chart->mapToGlobal(anchor), tip.text, chart, tip.rect);
}

} // namespace charts
