// SPDX-License-Identifier: GPL-3.0-or-later
#include "keeping/Standing.h"

#include <algorithm>

namespace keeping {

namespace {

using engine::FigureKey;

// How early a history shows a figure: the figures a study of repeated sittings found to
// change most with practice come first.
int Rank(FigureKey key) {
    switch (key) {
    // The work amount.
    case FigureKey::Panker:
    case FigureKey::UchidaMean:
    case FigureKey::PauliTotal:
    case FigureKey::DrillSpeed: return 0;
    // Its fluctuation.
    case FigureKey::JankerRange:
    case FigureKey::JankerAverageDeviation:
    case FigureKey::UchidaFirstFluctuation:
    case FigureKey::UchidaSecondFluctuation:
    case FigureKey::PauliAverageDeviation:
    case FigureKey::DrillFluctuation: return 1;
    case FigureKey::UchidaRestEffect: return 2;
    case FigureKey::UchidaFirstInitialEffort:
    case FigureKey::UchidaSecondInitialEffort: return 3;
    // The errors.
    case FigureKey::Tianker:
    case FigureKey::UchidaErrorPercent:
    case FigureKey::PauliErrorPercent:
    case FigureKey::DrillAccuracy:
    case FigureKey::DrillWrong: return 4;
    default: return 5;
    }
}

bool Better(engine::Better side, double value, double than) {
    return side == engine::Better::Higher ? value > than : value < than;
}

} // namespace

std::vector<FigureKey> InShowingOrder(std::span<const FigureKey> present) {
    std::vector<FigureKey> keys(present.begin(), present.end());
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::stable_sort(keys.begin(), keys.end(), [](FigureKey a, FigureKey b) { return Rank(a) < Rank(b); });
    return keys;
}

std::vector<FigureKey> MainFigures(std::span<const FigureKey> present) {
    std::vector<FigureKey> keys = InShowingOrder(present);
    std::erase_if(keys, [](FigureKey key) { return !engine::InfoOf(key).main; });
    return keys;
}

std::optional<Standing> StandingOf(std::span<const engine::SittingSummary> sittings, engine::SittingId self,
                                   const engine::SittingTime& endedAt, const engine::Figures& figures) {
    std::vector<FigureKey> present;
    for (const engine::Figure& figure : figures.items) present.push_back(figure.key);
    const std::vector<FigureKey> order = InShowingOrder(present);
    const auto lead = std::find_if(order.begin(), order.end(),
                                   [](FigureKey key) { return engine::InfoOf(key).better != engine::Better::Neither; });
    if (lead == order.end()) return std::nullopt;
    Standing standing;
    standing.key = *lead;
    standing.value = *figures.get(*lead);
    const engine::Better side = engine::InfoOf(*lead).better;
    for (const engine::SittingSummary& sitting : sittings) {
        if (sitting.id == self || sitting.endedAt.utcMs > endedAt.utcMs) continue;
        // A sitting kept at the same moment counts as earlier only where it was kept before.
        if (sitting.endedAt.utcMs == endedAt.utcMs && (self == 0 || sitting.id > self)) continue;
        const std::optional<double> value = sitting.figures.get(*lead);
        if (!value) continue;
        if (standing.earlier == 0) {
            standing.previous = *value;
            standing.best = *value;
            standing.bestAt = sitting.endedAt;
        } else if (Better(side, *value, standing.best)) {
            standing.best = *value;
            standing.bestAt = sitting.endedAt;
        }
        ++standing.earlier;
    }
    if (standing.earlier == 0) return std::nullopt;
    standing.newBest = !Better(side, standing.best, standing.value);
    return standing;
}

} // namespace keeping
