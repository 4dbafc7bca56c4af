// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChartLegend.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>

namespace charts {

namespace {

// Blank pixels kept between the letters of two rows.
constexpr int kRowGap = 2;

} // namespace

int LegendRowPitch(const QFontMetrics& metrics, const QStringList& words) {
    int top = -metrics.ascent();
    int bottom = metrics.descent() - 1;
    for (const QString& text : words) {
        const QRect ink = metrics.tightBoundingRect(text);
        if (ink.isEmpty()) continue;
        top = std::min(top, ink.top());
        bottom = std::max(bottom, ink.bottom());
    }
    return std::max(metrics.height(), bottom - top + 1 + kRowGap);
}

void AddWords(LegendPlace& place, const QFontMetrics& metrics, const QString& text, int left, int baseline) {
    const QRect line(QPoint(left, baseline - metrics.ascent()),
                     QPoint(left + metrics.horizontalAdvance(text) - 1, baseline + metrics.descent() - 1));
    place.box |= line;
    place.words.push_back(line);
    place.letters.push_back(metrics.tightBoundingRect(text).translated(left, baseline));
}

} // namespace charts
