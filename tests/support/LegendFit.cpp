// SPDX-License-Identifier: GPL-3.0-or-later
#include "LegendFit.h"

#include "charts/ChartMargin.h"
#include "charts/PairMap.h"
#include "charts/PeriodCurveChart.h"

#include <QFontMetrics>
#include <QMargins>
#include <algorithm>

namespace testsupport {

namespace {

QString Text(const QRect& rect) {
    return QStringLiteral("(%1, %2)-(%3, %4)").arg(rect.left()).arg(rect.top()).arg(rect.right()).arg(rect.bottom());
}

// Everything an entry draws: its box and its letters, which may reach past it.
std::vector<QRect> Drawn(const charts::LegendPlace& place) {
    std::vector<QRect> drawn{place.box};
    for (const QRect& letters : place.letters)
        if (!letters.isEmpty()) drawn.push_back(letters);
    return drawn;
}

} // namespace

std::vector<QString> LegendFaults(const QRect& chart, const std::vector<charts::LegendPlace>& places,
                                  const QRect& data) {
    std::vector<QString> faults;
    if (places.empty()) faults.push_back(QStringLiteral("the legend is left out"));
    constexpr int kMargin = charts::kChartMargin;
    const QRect room = chart.marginsRemoved(QMargins(kMargin, kMargin, kMargin, kMargin));
    for (std::size_t entry = 0; entry < places.size(); ++entry) {
        const charts::LegendPlace& place = places[entry];
        const QString name = QStringLiteral("entry %1").arg(entry);
        if (!chart.contains(place.box))
            faults.push_back(name +
                             QStringLiteral(": its box %1 leaves the chart %2").arg(Text(place.box), Text(chart)));
        for (const QRect& words : place.words) {
            if (!place.box.contains(words))
                faults.push_back(name +
                                 QStringLiteral(": its words %1 leave its box %2").arg(Text(words), Text(place.box)));
            if (!room.contains(words))
                faults.push_back(
                    name + QStringLiteral(": its words %1 leave the chart's margins %2").arg(Text(words), Text(room)));
        }
        for (const QRect& letters : place.letters)
            if (!chart.contains(letters))
                faults.push_back(name +
                                 QStringLiteral(": its letters %1 leave the chart %2").arg(Text(letters), Text(chart)));
        for (const QRect& drawn : Drawn(place)) {
            if (drawn.intersects(data))
                faults.push_back(name + QStringLiteral(": %1 reaches into the data %2").arg(Text(drawn), Text(data)));
            for (std::size_t other = entry + 1; other < places.size(); ++other)
                for (const QRect& theirs : Drawn(places[other]))
                    if (drawn.intersects(theirs))
                        faults.push_back(
                            name +
                            QStringLiteral(": %1 meets entry %2's %3").arg(Text(drawn)).arg(other).arg(Text(theirs)));
        }
    }
    return faults;
}

std::vector<QString> ChartLegendFaults(const QWidget& window, bool oneRow) {
    const auto* curve = window.findChild<const charts::PeriodCurveChart*>(QStringLiteral("picCurve"));
    const auto* map = window.findChild<const charts::PairMap*>(QStringLiteral("picPairs"));
    if (curve == nullptr || map == nullptr) return {QStringLiteral("the window has no curve or no pair map")};
    std::vector<QString> faults;
    const auto check = [&](const QString& chart, const std::vector<charts::LegendPlace>& legend, const QRect& rect,
                           const QRect& data) {
        for (const QString& fault : LegendFaults(rect, legend, data)) faults.push_back(chart + ": " + fault);
        const auto below = [&](const charts::LegendPlace& place) {
            return place.box.bottom() != legend.front().box.bottom();
        };
        if (oneRow && std::any_of(legend.begin(), legend.end(), below))
            faults.push_back(chart + QStringLiteral(": more than one row"));
    };
    // The top line's figures stand centred on the plot's top edge.
    const QRect plot = curve->plotRect();
    const int above = curve->fontMetrics().height() / 2 + 2;
    check(QStringLiteral("curve"), curve->legendPlaces(), curve->rect(),
          QRect(0, plot.top() - above, curve->width(), plot.height() + above));
    // The grid with its digits, its frame a pixel past its last cell.
    const QRect grid = map->cellRect(0, 0) | map->cellRect(9, 9);
    check(QStringLiteral("map"), map->legendPlaces(), map->rect(), QRect(0, 0, map->width(), grid.bottom() + 2));
    return faults;
}

} // namespace testsupport
