// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/PeriodCurveChart.h"
#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"

namespace sheetresults {

// A sitting's curve: a bar per column, line or period with right answers at the bottom and
// wrong ones and blanks on top, the median answer time of each, the least-squares line
// where the test has one, and an Uchida-Kraepelin sheet's break between its halves. A
// tooltip gives a period's figures; with the focus, Left and Right (Home, End) step
// through them. Screen readers get every period's figures in the accessible description.
// Where the chart is too small for its legend, the tooltip beside the bars and the
// description give it in words.
class SittingCurveChart final : public charts::PeriodCurveChart {
    Q_OBJECT
public:
    explicit SittingCurveChart(QWidget* parent = nullptr);
    ~SittingCurveChart() override;

    void setScores(const engine::SheetFormat& format, const engine::SheetScores& scores);

    QSize sizeHint() const override;

protected:
    std::size_t PeriodCount() const override { return scores_.periods.size(); }
    QString PeriodText(std::size_t period) const override;
    QString Description() const override;

private:
    engine::SheetFormat format_;
    engine::SheetScores scores_;
};

} // namespace sheetresults
