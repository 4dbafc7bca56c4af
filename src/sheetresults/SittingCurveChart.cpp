// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetresults/SittingCurveChart.h"

#include "engine/PeriodCurve.h"
#include "sheetresults/ScoreText.h"

namespace sheetresults {

SittingCurveChart::SittingCurveChart(QWidget* parent) : PeriodCurveChart(parent) {
    setAccessibleName(tr("Curve"));
    UpdateDescription();
}

SittingCurveChart::~SittingCurveChart() = default;

void SittingCurveChart::setScores(const engine::SheetFormat& format, const engine::SheetScores& scores) {
    format_ = format;
    scores_ = scores;
    marks_ = {};
    curvePainter().setCurve(engine::CurveOfSitting(scores_));
    curvePainter().setMarks({});
    //: The chart's legend: the lower and upper parts of a bar and the least-squares line.
    curvePainter().setTexts(
        {tr("right", "legend"), tr("wrong or blank", "legend"), tr("least squares", "legend"), PeriodName(format_)});
    //: %1 is what one period is: "column", "line", "3 min".
    setAccessibleName(tr("Curve per %1").arg(PeriodName(format_)));
    CurveChanged();
}

void SittingCurveChart::setMarks(const CurveMarks& marks) {
    marks_ = marks;
    const auto fromZero = [](const engine::Places& places) {
        std::vector<std::size_t> periods;
        for (const std::uint32_t place : places)
            if (place > 0) periods.push_back(place - 1);
        return periods;
    };
    charts::ChartMarks chart{fromZero(marks.missed), fromZero(marks.chosen), {}, {}};
    if (marks.shown) {
        //: The chart's legend: the flag over a bar where a published mark was missed.
        chart.flag = tr("mark missed", "legend");
        //: The chart's legend: the frame around the bars of the mark chosen in the Marks part.
        chart.frame = tr("chosen mark", "legend");
    }
    curvePainter().setMarks(std::move(chart));
    UpdateDescription();
    update();
}

QSize SittingCurveChart::sizeHint() const { return {360, 230}; }

QString SittingCurveChart::PeriodText(std::size_t period) const {
    return sheetresults::PeriodText(format_, period, scores_.periods[period]);
}

QString SittingCurveChart::Description() const {
    QStringList parts;
    if (const auto selected = selectedPeriod(); selected && *selected < scores_.periods.size())
        parts << tr("Selected: %1.").arg(PeriodText(*selected));
    if (scores_.untimed)
        parts << tr("Pairs reached per %1, right and wrong or blank stacked; Left and Right step through them.")
                     .arg(PeriodName(format_));
    else
        parts << tr("Pairs reached per %1, right and wrong or blank stacked, with the median answer time of each; "
                    "Left and Right step through them.")
                     .arg(PeriodName(format_));
    //: The chart's legend in words, where the chart is too small to draw it: "green: right; red: wrong or blank".
    if (legendInWords()) parts << tr("Legend: %1.").arg(painter().legendInWords());
    //: The marks missed, each with its lines, flagged on the curve: "Marks missed, flagged: Line 15 second only to
    //: line 1: not met (lines 12, 15)."
    if (!marks_.missedTexts.isEmpty())
        parts << tr("Marks missed, flagged: %1.").arg(marks_.missedTexts.join(tr("; ", "between marks")));
    //: The mark chosen in the Marks part, whose lines the curve frames.
    if (!marks_.chosenText.isEmpty()) parts << tr("Framed: %1.").arg(marks_.chosenText);
    for (std::size_t period = 0; period < scores_.periods.size(); ++period)
        parts << PeriodText(period) + QLatin1Char('.');
    return parts.join(QLatin1Char(' '));
}

} // namespace sheetresults
