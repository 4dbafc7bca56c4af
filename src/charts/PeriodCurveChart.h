// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/PeriodCurvePainter.h"
#include "charts/StepChart.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace charts {

// A bar per period, drawn by PeriodCurvePainter, stepped through as a StepChart: a period's
// figures in the tooltip over its bar, Left and Right (Home, End) stepping through the
// periods with the focus, and the legend in words (in the tooltip beside the bars and in the
// description) where the chart is too small to draw it. A chart of its own kind gives the
// curve, words a period's figures and describes itself.
class PeriodCurveChart : public StepChart {
    Q_OBJECT
public:
    ~PeriodCurveChart() override;

    const PeriodCurvePainter& painter() const { return painter_; }

    // The period whose bar column holds `point`, counted from 0.
    std::optional<std::size_t> periodAt(const QPoint& point) const;
    // The bar of a period, its lower and upper parts together, in widget coordinates.
    QRect barRect(std::size_t period) const;
    // Where the legend's swatches and words are drawn, in widget coordinates: all of it
    // (empty where it is left out), and each entry.
    QRect legendRect() const;
    std::vector<LegendPlace> legendPlaces() const;
    // The plot between the scales, in widget coordinates.
    QRect plotRect() const;
    std::optional<std::size_t> selectedPeriod() const { return selectedItem(); }

    QSize minimumSizeHint() const override;

protected:
    explicit PeriodCurveChart(QWidget* parent);

    // The painter, for a chart to give it its curve and words.
    PeriodCurvePainter& curvePainter() { return painter_; }
    // After the curve changed: no period is selected, and the description and the bars
    // are made again.
    void CurveChanged();
    // The description again, after what it says changed.
    void UpdateDescription();
    // Whether the description is to give the legend in words.
    bool legendInWords() const { return legendInWords_; }

    // How many periods the chart has, and one period's figures in words.
    virtual std::size_t PeriodCount() const = 0;
    virtual QString PeriodText(std::size_t period) const = 0;
    // The accessible description: the selected period (if any), what the chart shows, the
    // legend in words where legendInWords(), and every period's figures.
    virtual QString Description() const = 0;

    std::size_t ItemCount() const override { return PeriodCount(); }
    std::optional<std::size_t> ItemAt(const QPoint& point) const override { return periodAt(point); }
    QRect ItemRect(std::size_t period) const override { return barRect(period); }
    QString ItemText(std::size_t period) const override { return PeriodText(period); }
    QString LegendInWords() const override;
    void PaintChart(QPainter* painter, std::optional<std::size_t> selected) const override;
    void SelectionChanged() override { UpdateDescription(); }

    void resizeEvent(QResizeEvent* event) override;

private:
    bool LegendLeftOut() const;

    PeriodCurvePainter painter_;
    bool legendInWords_ = false;
};

} // namespace charts
