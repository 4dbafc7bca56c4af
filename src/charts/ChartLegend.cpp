// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChartLegend.h"

#include "charts/ChartMargin.h"
#include "charts/LegendRows.h"

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

LegendFlow FlowLegend(const QRect& rect, const QFontMetrics& metrics, const QStringList& words, int swatch) {
    std::vector<int> widths;
    for (const QString& text : words) widths.push_back(swatch + kLegendSwatchGap + metrics.horizontalAdvance(text));
    const std::vector<int> rows = FlowIntoRows(widths, rect.width() - 2 * kChartMargin, kLegendGap);
    const int lineHeight = metrics.height();
    const int pitch = RowCount(rows) > 1 ? LegendRowPitch(metrics, words) : lineHeight;
    LegendFlow flow;
    flow.height = RowCount(rows) == 0 ? 0 : lineHeight + (RowCount(rows) - 1) * pitch;
    // Rows taking more than half the chart would crush its plot.
    if (flow.height > rect.height() / 2) return {};
    int x = rect.left() + kChartMargin;
    for (std::size_t entry = 0; entry < rows.size(); ++entry) {
        if (entry > 0 && rows[entry] != rows[entry - 1]) x = rect.left() + kChartMargin;
        flow.at.emplace_back(x, rect.top() + kChartMargin + metrics.ascent() + rows[entry] * pitch);
        x += widths[entry] + kLegendGap;
    }
    return flow;
}

void AddWords(LegendPlace& place, const QFontMetrics& metrics, const QString& text, int left, int baseline) {
    const QRect line(QPoint(left, baseline - metrics.ascent()),
                     QPoint(left + metrics.horizontalAdvance(text) - 1, baseline + metrics.descent() - 1));
    place.box |= line;
    place.words.push_back(line);
    place.letters.push_back(metrics.tightBoundingRect(text).translated(left, baseline));
}

std::vector<LegendPlace> SwatchLegendPlaces(const std::vector<QPoint>& at, const QFontMetrics& metrics,
                                            const QStringList& words, int swatch) {
    std::vector<LegendPlace> places;
    for (std::size_t entry = 0; entry < at.size() && entry < static_cast<std::size_t>(words.size()); ++entry) {
        const QPoint start = at[entry];
        LegendPlace place{QRect(start.x(), start.y() - kLegendSwatch, swatch, kLegendSwatch), {}, {}};
        AddWords(place, metrics, words[static_cast<qsizetype>(entry)], start.x() + swatch + kLegendSwatchGap,
                 start.y());
        places.push_back(std::move(place));
    }
    return places;
}

} // namespace charts
