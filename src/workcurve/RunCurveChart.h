// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/PeriodCurveChart.h"
#include "engine/WorkCurve.h"

namespace workcurve {

// The work curve as a bar chart: answered per minute with true and false stacked, the
// partial minute hatched, the median answer time of each minute as a line on a second
// axis, and the trend line over the complete minutes. A tooltip gives a minute's figures;
// with the focus, Left and Right (Home, End) step through the minutes. Screen readers
// get every minute's figures in the accessible description. Where the chart is too small
// for its legend, the tooltip beside the bars and the description give it in words.
class RunCurveChart final : public charts::PeriodCurveChart {
    Q_OBJECT
public:
    explicit RunCurveChart(QWidget* parent = nullptr);
    ~RunCurveChart() override;

    void setCurve(const engine::WorkCurve& curve);

    QSize sizeHint() const override;

protected:
    std::size_t PeriodCount() const override { return curve_.minutes.size(); }
    QString PeriodText(std::size_t minute) const override;
    QString Description() const override;

private:
    engine::WorkCurve curve_;
};

} // namespace workcurve
