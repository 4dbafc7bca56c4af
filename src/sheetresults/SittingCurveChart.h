// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/PeriodCurveChart.h"
#include "engine/Marks.h"
#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"

#include <QString>
#include <QStringList>

namespace sheetresults {

// Where a sitting's marks sit on its curve (the Marks part gives them): the columns, lines or
// periods, counted from 1, of every mark missed and of the mark chosen, with what the marks
// say for the description screen readers read.
struct CurveMarks {
    // The sitting has a verdict whose marks the curve shows: its legend names flag and frame.
    bool shown = false;
    engine::Places missed;
    QStringList missedTexts;
    engine::Places chosen;
    QString chosenText;
};

// A sitting's curve: a bar per column, line or period with right answers at the bottom and
// wrong ones and blanks on top, the median answer time of each where timed, the least-squares line
// where the test has one, and an Uchida-Kraepelin sheet's break between its halves. A
// tooltip gives a period's figures; with the focus, Left and Right (Home, End) step
// through them. Screen readers get every period's figures in the accessible description.
// Where the chart is too small for its legend, the tooltip beside the bars and the
// description give it in words. Where the sitting's marks are shown, a flag stands over each
// bar where a mark was missed and a frame around the chosen mark's bars, and the description
// names them.
class SittingCurveChart final : public charts::PeriodCurveChart {
    Q_OBJECT
public:
    explicit SittingCurveChart(QWidget* parent = nullptr);
    ~SittingCurveChart() override;

    // The sitting, without marks.
    void setScores(const engine::SheetFormat& format, const engine::SheetScores& scores);
    void setMarks(const CurveMarks& marks);

    QSize sizeHint() const override;

protected:
    std::size_t PeriodCount() const override { return scores_.periods.size(); }
    QString PeriodText(std::size_t period) const override;
    QString Description() const override;

private:
    engine::SheetFormat format_;
    engine::SheetScores scores_;
    CurveMarks marks_;
};

} // namespace sheetresults
