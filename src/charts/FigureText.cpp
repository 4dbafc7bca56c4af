// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/FigureText.h"

#include <QCoreApplication>

namespace charts {

QString NoFigure() { return QStringLiteral("\u2013"); }

QString SecondsText(std::optional<std::uint32_t> milliseconds) {
    if (!milliseconds) return NoFigure();
    return QString::asprintf("%.2f s", static_cast<double>(*milliseconds) / 1000.0);
}

QString AccuracyText(std::optional<double> percent) {
    if (!percent) return NoFigure();
    return QString::asprintf("%.1f %%", *percent);
}

QString PairText(int operand1, int operand2, const engine::PairFigures& pair) {
    if (pair.answered == 0) {
        //: A digit pair of the pair map that was never answered: "7 + 5: no answers".
        return QCoreApplication::translate("charts::FigureText", "%1 + %2: no answers").arg(operand1).arg(operand2);
    }
    // The words are translated; the numbers keep the one format they have in every language.
    //: A digit pair's figures: "7 + 5: 1 answer, 0 false, median 1.00 s".
    const char* one = QT_TRANSLATE_NOOP("charts::FigureText", "%1 + %2: %3 answer, %4 false, median %5");
    //: A digit pair's figures: "7 + 5: 3 answers, 1 false, median 1.00 s".
    const char* more = QT_TRANSLATE_NOOP("charts::FigureText", "%1 + %2: %3 answers, %4 false, median %5");
    return QCoreApplication::translate("charts::FigureText", pair.answered == 1 ? one : more)
        .arg(operand1)
        .arg(operand2)
        .arg(pair.answered)
        .arg(pair.errors)
        .arg(SecondsText(pair.medianMilliseconds));
}

} // namespace charts
