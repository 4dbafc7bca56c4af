// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QEvent;
class QPoint;
class QWidget;

// What the chart widgets answer alike: the figures of the item under the pointer in a
// tooltip, the same text by the keyboard, and a repaint when the focus comes or goes (they
// draw their selection only while they have it).
namespace charts {

// An item of a chart (a bar, a cell): its figures as text, and where it is drawn.
struct ChartTip {
    QString text;
    QRect rect;
};

using ChartTipAt = std::function<std::optional<ChartTip>(const QPoint& point)>;

// Answers `event` for `chart` where it is a tooltip request (showing the tip of the item
// under the pointer, or hiding any tip where there is none) and returns true; repaints the
// chart when it gains or loses the focus and returns false, as for every other event, so
// that the widget's own handling goes on.
bool HandleChartEvent(QWidget* chart, QEvent* event, const ChartTipAt& tipAt);

// Shows `tip` at `anchor` (in the chart's coordinates) for an item reached by the keyboard.
void ShowChartTip(QWidget* chart, const QPoint& anchor, const ChartTip& tip);

} // namespace charts
