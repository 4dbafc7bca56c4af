// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "test/WorkCurve.h"
#include "workcurve/CurveChartPainter.h"

#include <QWidget>
#include <cstddef>
#include <optional>
#include <vector>

namespace workcurve {

// The work curve as a bar chart: answered per minute with true and false stacked, the
// partial minute hatched, the median answer time of each minute as a line on a second
// axis, and the trend line over the complete minutes. A tooltip gives a minute's figures;
// with the focus, Left and Right (Home, End) step through the minutes. Screen readers
// get every minute's figures in the accessible description. Where the chart is too small
// for its legend, the tooltip beside the bars and the description give it in words.
class CurveChart final : public QWidget {
    Q_OBJECT
public:
    explicit CurveChart(QWidget* parent = nullptr);
    ~CurveChart() override;

    void setCurve(const test::WorkCurve& curve);

    // The minute whose bar column holds `point`, counted from 0.
    std::optional<std::size_t> minuteAt(const QPoint& point) const;
    // The bar of a minute, true and false answers together, in widget coordinates.
    QRect barRect(std::size_t minute) const;
    // Where the legend's swatches and words are drawn, in widget coordinates: all of it, and
    // each entry.
    QRect legendRect() const;
    std::vector<LegendPlace> legendPlaces() const;
    // The plot between the scales, in widget coordinates.
    QRect plotRect() const;
    std::optional<std::size_t> selectedMinute() const { return selected_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Select(std::size_t minute);
    void UpdateDescription();
    bool LegendLeftOut() const;

    test::WorkCurve curve_;
    std::optional<std::size_t> selected_;
    CurveChartPainter painter_;
    // Whether the description gives the legend in words.
    bool legendInWords_ = false;
};

} // namespace workcurve
