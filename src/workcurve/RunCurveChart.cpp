// SPDX-License-Identifier: GPL-3.0-or-later
#include "workcurve/RunCurveChart.h"

#include "engine/PeriodCurve.h"
#include "workcurve/IndexText.h"

namespace workcurve {

RunCurveChart::RunCurveChart(QWidget* parent) : PeriodCurveChart(parent) {
    setAccessibleName(tr("Answers per minute"));
    UpdateDescription();
}

RunCurveChart::~RunCurveChart() = default;

void RunCurveChart::setCurve(const engine::WorkCurve& curve) {
    curve_ = curve;
    curvePainter().setCurve(engine::CurveOfRun(curve_));
    CurveChanged();
}

QSize RunCurveChart::sizeHint() const { return {320, 230}; }

QString RunCurveChart::PeriodText(std::size_t minute) const { return MinuteText(minute, curve_.minutes[minute]); }

QString RunCurveChart::Description() const {
    //: Ends a sentence of the chart's description made of a minute's figures.
    const QString sentence = tr("%1.");
    QStringList parts;
    if (const auto selected = selectedPeriod(); selected && *selected < curve_.minutes.size())
        parts << tr("Selected: %1.").arg(PeriodText(*selected));
    parts << tr("Answered per minute, true and false stacked, with the median answer time of each minute and the "
                "trend; Left and Right step through the minutes.");
    //: The chart's legend in words, where the chart is too small to draw it: "green: true; red: false".
    if (legendInWords()) parts << tr("Legend: %1.").arg(painter().legendInWords());
    for (std::size_t minute = 0; minute < curve_.minutes.size(); ++minute) parts << sentence.arg(PeriodText(minute));
    parts << tr("Trend per minute: %1.").arg(TrendText(curve_.trend));
    return parts.join(QLatin1Char(' '));
}

} // namespace workcurve
