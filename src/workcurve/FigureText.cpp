// SPDX-License-Identifier: GPL-3.0-or-later
#include "workcurve/FigureText.h"

#include <cmath>

namespace workcurve {

QString NoFigure() { return QStringLiteral("\u2013"); }

QString SecondsText(std::optional<std::uint32_t> milliseconds) {
    if (!milliseconds) return NoFigure();
    return QString::asprintf("%.2f s", static_cast<double>(*milliseconds) / 1000.0);
}

QString SpeedText(std::optional<double> answersPerMinute) {
    if (!answersPerMinute) return NoFigure();
    return QString::asprintf("%.1f a minute", *answersPerMinute);
}

QString AccuracyText(std::optional<double> percent) {
    if (!percent) return NoFigure();
    return QString::asprintf("%.1f %%", *percent);
}

QString FluctuationText(std::optional<std::uint32_t> answers) {
    if (!answers) return NoFigure();
    return *answers == 1 ? QStringLiteral("1 answer") : QStringLiteral("%1 answers").arg(*answers);
}

QString TrendText(std::optional<double> slope) {
    if (!slope) return NoFigure();
    // A slope that rounds to zero has no sign: "-0.00" would claim a slowing down.
    const double shown = std::round(*slope * 100.0) / 100.0;
    if (shown == 0.0) return QStringLiteral("0.00 answers/min");
    return QString::asprintf("%+.2f answers/min", shown);
}

QString AnsweredText(const test::WorkCurve& curve) {
    return QStringLiteral("%1 (%2 true, %3 false)").arg(curve.answered).arg(curve.correct).arg(curve.wrong);
}

QString DurationText(const test::RunLength& length) {
    return QStringLiteral("%1:%2").arg(length.minutes).arg(length.seconds, 2, 10, QLatin1Char('0'));
}

QString MinuteText(std::size_t index, const test::MinuteFigures& minute) {
    return QStringLiteral("Minute %1%2: %3 answered, %4 true, %5 false, median %6, 90th percentile %7")
        .arg(index + 1)
        .arg(minute.partial ? QStringLiteral(" (partial)") : QString())
        .arg(minute.answered)
        .arg(minute.correct)
        .arg(minute.wrong)
        .arg(SecondsText(minute.times.median), SecondsText(minute.times.percentile90));
}

QString PairText(int operand1, int operand2, const test::PairFigures& pair) {
    const QString sum = QStringLiteral("%1 + %2").arg(operand1).arg(operand2);
    if (pair.answered == 0) return sum + QStringLiteral(": no answers");
    return QStringLiteral("%1: %2 %3, %4 false, median %5")
        .arg(sum)
        .arg(pair.answered)
        .arg(pair.answered == 1 ? QStringLiteral("answer") : QStringLiteral("answers"))
        .arg(pair.errors)
        .arg(SecondsText(pair.medianMilliseconds));
}

} // namespace workcurve
