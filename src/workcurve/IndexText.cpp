// SPDX-License-Identifier: GPL-3.0-or-later
#include "workcurve/IndexText.h"

#include "charts/FigureText.h"

#include <QCoreApplication>
#include <cmath>

namespace workcurve {

using charts::NoFigure;
using charts::SecondsText;

namespace {

// The figures' words are translated; their numbers keep the one format they have in every
// language (a point, the same digits), so that a figure reads the same in a saved file.
QString Translate(const char* text) { return QCoreApplication::translate("workcurve::IndexText", text); }

} // namespace

QString SpeedText(std::optional<double> answersPerMinute) {
    if (!answersPerMinute) return NoFigure();
    //: The Speed row's figure: the mean of answers per complete minute, as "4.0".
    return QCoreApplication::translate("workcurve::IndexText", "%1 a minute")
        .arg(QString::asprintf("%.1f", *answersPerMinute));
}

QString FluctuationText(std::optional<std::uint32_t> answers) {
    if (!answers) return NoFigure();
    //: The Fluctuation row's figure: most minus fewest answered in a complete minute.
    return *answers == 1 ? QCoreApplication::translate("workcurve::IndexText", "1 answer")
                         : QCoreApplication::translate("workcurve::IndexText", "%1 answers").arg(*answers);
}

QString TrendText(std::optional<double> slope) {
    if (!slope) return NoFigure();
    // A slope that rounds to zero has no sign: "-0.00" would claim a slowing down.
    const double shown = std::round(*slope * 100.0) / 100.0;
    //: The trend's figure: answers per minute gained each minute, as "+1.25" or "-0.50".
    const QString perMinute = QCoreApplication::translate("workcurve::IndexText", "%1 answers/min");
    if (shown == 0.0) return perMinute.arg(QStringLiteral("0.00"));
    return perMinute.arg(QString::asprintf("%+.2f", shown));
}

QString AnsweredText(const engine::WorkCurve& curve) {
    //: The Answered row's figure: all answers, then how many were true and how many false.
    return QCoreApplication::translate("workcurve::IndexText", "%1 (%2 true, %3 false)")
        .arg(curve.answered)
        .arg(curve.correct)
        .arg(curve.wrong);
}

QString DurationText(const engine::RunLength& length) {
    return QStringLiteral("%1:%2").arg(length.minutes).arg(length.seconds, 2, 10, QLatin1Char('0'));
}

QString MinuteText(std::size_t index, const engine::MinuteFigures& minute) {
    //: A minute's figures in the chart's tooltip and for screen readers: the minute's number,
    //: answered, true, false, the median answer time and the 90th percentile (as "0.30 s").
    const char* whole = QT_TRANSLATE_NOOP("workcurve::IndexText",
                                          "Minute %1: %2 answered, %3 true, %4 false, median %5, 90th percentile %6");
    //: The same for the minute the run was stopped inside.
    const char* partial = QT_TRANSLATE_NOOP(
        "workcurve::IndexText", "Minute %1 (partial): %2 answered, %3 true, %4 false, median %5, 90th percentile %6");
    return Translate(minute.partial ? partial : whole)
        .arg(index + 1)
        .arg(minute.answered)
        .arg(minute.correct)
        .arg(minute.wrong)
        .arg(SecondsText(minute.times.median), SecondsText(minute.times.percentile90));
}

} // namespace workcurve
