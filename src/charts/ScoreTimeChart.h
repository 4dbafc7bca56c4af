// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/ScoreTimePainter.h"
#include "charts/StepChart.h"

#include <functional>

namespace charts {

// A score against date, a point per sitting (ScoreTimePainter), stepped through as a
// StepChart: a sitting's date and value in the tooltip over its point, Left and Right (Home,
// End) stepping through the sittings with the focus. Screen readers get what the chart shows,
// the selected sitting and, where the chart is too small to draw it, the legend in words in
// the accessible description.
class ScoreTimeChart final : public SummarizedChart {
    Q_OBJECT
public:
    // What the chart shows: the points, oldest first, the best one, the trend and the
    // legend's words; `summary`, the figures in words for screen readers; `pointText`, a
    // sitting's date and value for its tooltip.
    struct Content {
        std::vector<ScorePoint> points;
        std::optional<std::size_t> best;
        std::optional<ScoreLine> trend;
        ScoreTimeTexts texts;
        QString summary;
        std::function<QString(std::size_t point)> pointText;
    };

    explicit ScoreTimeChart(QWidget* parent = nullptr);
    ~ScoreTimeChart() override;

    void setContent(Content content);
    const ScoreTimePainter& painter() const { return painter_; }
    QRect pointRect(std::size_t point) const { return painter_.pointRect(rect(), fontMetrics(), point); }
    QRect plotRect() const { return painter_.plotRect(rect(), fontMetrics()); }
    std::vector<LegendPlace> legendPlaces() const { return painter_.legendPlaces(rect(), fontMetrics()); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    std::size_t ItemCount() const override { return painter_.points().size(); }
    std::optional<std::size_t> ItemAt(const QPoint& point) const override;
    QRect ItemRect(std::size_t point) const override { return pointRect(point); }
    QString ItemText(std::size_t point) const override;
    QString LegendInWords() const override;
    void PaintChart(QPainter* painter, std::optional<std::size_t> selected) const override;

private:
    ScoreTimePainter painter_;
    std::function<QString(std::size_t)> pointText_;
};

} // namespace charts
