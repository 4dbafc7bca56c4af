// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ScoreTimeChart.h"

#include <QPainter>

namespace charts {

ScoreTimeChart::ScoreTimeChart(QWidget* parent) : SummarizedChart(parent) { setSummary({}); }

ScoreTimeChart::~ScoreTimeChart() = default;

QSize ScoreTimeChart::sizeHint() const { return {360, 200}; }

QSize ScoreTimeChart::minimumSizeHint() const { return {160, 110}; }

void ScoreTimeChart::setContent(Content content) {
    painter_.setPoints(std::move(content.points));
    painter_.setBest(content.best);
    painter_.setTrend(content.trend);
    painter_.setTexts(std::move(content.texts));
    pointText_ = std::move(content.pointText);
    ClearSelection();
    setSummary(std::move(content.summary));
    update();
}

std::optional<std::size_t> ScoreTimeChart::ItemAt(const QPoint& point) const {
    return painter_.pointAt(rect(), fontMetrics(), point);
}

QString ScoreTimeChart::ItemText(std::size_t point) const { return pointText_ ? pointText_(point) : QString(); }

QString ScoreTimeChart::LegendInWords() const {
    return painter_.legendPlaces(rect(), fontMetrics()).empty() ? painter_.legendInWords() : QString();
}

void ScoreTimeChart::PaintChart(QPainter* painter, std::optional<std::size_t> selected) const {
    painter_.paint(painter, rect(), palette().color(QPalette::WindowText), selected);
}

} // namespace charts
