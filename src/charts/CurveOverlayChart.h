// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/CurveOverlayPainter.h"
#include "charts/StepChart.h"

#include <functional>

namespace charts {

// Up to three sittings' curves over one another (CurveOverlayPainter), stepped through as a
// StepChart: a period's value in each sitting in the tooltip over its column, Left and Right
// (Home, End) stepping through the periods with the focus. Screen readers get what the chart
// shows, the selected period and, where the chart is too small to draw it, the legend in
// words in the accessible description.
class CurveOverlayChart final : public SummarizedChart {
    Q_OBJECT
public:
    // What the chart shows: the curves, what a period is ("column"), the curves in words for
    // screen readers, and a period's values in every curve for its tooltip.
    struct Content {
        std::vector<OverlayCurve> curves;
        QString periodWord;
        QString summary;
        std::function<QString(std::size_t period)> periodText;
    };

    explicit CurveOverlayChart(QWidget* parent = nullptr);
    ~CurveOverlayChart() override;

    void setContent(Content content);
    const CurveOverlayPainter& painter() const { return painter_; }
    QRect plotRect() const { return painter_.plotRect(rect(), fontMetrics()); }
    std::vector<LegendPlace> legendPlaces() const { return painter_.legendPlaces(rect(), fontMetrics()); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    std::size_t ItemCount() const override { return painter_.periodCount(); }
    std::optional<std::size_t> ItemAt(const QPoint& point) const override;
    QRect ItemRect(std::size_t period) const override;
    QString ItemText(std::size_t period) const override;
    QString LegendInWords() const override;
    void PaintChart(QPainter* painter, std::optional<std::size_t> selected) const override;

private:
    CurveOverlayPainter painter_;
    std::function<QString(std::size_t)> periodText_;
};

} // namespace charts
