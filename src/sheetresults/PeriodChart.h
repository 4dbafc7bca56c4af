// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "test/SheetFormat.h"
#include "test/SheetScores.h"
#include "workcurve/CurveChartPainter.h"

#include <QWidget>
#include <cstddef>
#include <optional>
#include <vector>

namespace sheetresults {

// A sitting's curve: a bar per column, line or period with right answers at the bottom and
// wrong ones and blanks on top, the median answer time of each, the least-squares line
// where the test has one, and an Uchida-Kraepelin sheet's break between its halves. A
// tooltip gives a period's figures; with the focus, Left and Right (Home, End) step
// through them. Screen readers get every period's figures in the accessible description.
// Where the chart is too small for its legend, the tooltip beside the bars and the
// description give it in words.
class PeriodChart final : public QWidget {
    Q_OBJECT
public:
    explicit PeriodChart(QWidget* parent = nullptr);
    ~PeriodChart() override;

    void setScores(const test::SheetFormat& format, const test::SheetScores& scores);
    const workcurve::CurveChartPainter& painter() const { return painter_; }

    std::optional<std::size_t> periodAt(const QPoint& point) const;
    QRect barRect(std::size_t period) const;
    // Where each entry of the legend is drawn, and the plot between the scales, in widget
    // coordinates.
    std::vector<workcurve::LegendPlace> legendPlaces() const;
    QRect plotRect() const;
    std::optional<std::size_t> selectedPeriod() const { return selected_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Select(std::size_t period);
    void UpdateDescription();
    bool LegendLeftOut() const;
    QString Text(std::size_t period) const;

    test::SheetFormat format_;
    test::SheetScores scores_;
    std::optional<std::size_t> selected_;
    workcurve::CurveChartPainter painter_;
    // Whether the description gives the legend in words.
    bool legendInWords_ = false;
};

} // namespace sheetresults
