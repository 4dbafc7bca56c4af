// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Trend.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace engine {

std::optional<Trend> TrendOf(std::span<const double> values, Better better) {
    if (values.size() < kTrendMinSittings) return std::nullopt;
    values = values.last(std::min(values.size(), kTrendMaxSittings));
    Trend trend;
    trend.sittings = values.size();
    trend.line = *FitLine(values);
    trend.change = trend.line.slope * static_cast<double>(values.size() - 1);
    trend.spread = *ResidualSpread(values, trend.line);
    for (const double value : values) trend.level += std::abs(value);
    trend.level /= static_cast<double>(values.size());

    if (trend.level == 0.0) {
        trend.kind = TrendKind::Steady;
    } else if (std::abs(trend.change) >= kTrendSignal * trend.spread &&
               std::abs(trend.change) >= kTrendMinChange * trend.level) {
        const bool rose = trend.change > 0.0;
        switch (better) {
        case Better::Higher: trend.kind = rose ? TrendKind::Improving : TrendKind::Worsening; break;
        case Better::Lower: trend.kind = rose ? TrendKind::Worsening : TrendKind::Improving; break;
        case Better::Neither: trend.kind = rose ? TrendKind::Rising : TrendKind::Falling; break;
        }
    } else if (trend.spread >= kTrendVariableSpread * trend.level) {
        trend.kind = TrendKind::Variable;
    } else {
        trend.kind = TrendKind::Steady;
    }
    return trend;
}

std::optional<Trend> TrendOf(std::span<const SittingSummary> sittings, FigureKey key) {
    std::vector<double> values;
    for (auto it = sittings.rbegin(); it != sittings.rend(); ++it) {
        if (const std::optional<double> value = it->figures.get(key)) values.push_back(*value);
    }
    return TrendOf(values, InfoOf(key).better);
}

const Wording& WordingOf(TrendKind kind) {
    switch (kind) {
    case TrendKind::Improving: return wording::kTrendImproving;
    case TrendKind::Steady: return wording::kTrendSteady;
    case TrendKind::Variable: return wording::kTrendVariable;
    case TrendKind::Worsening: return wording::kTrendWorsening;
    case TrendKind::Rising: return wording::kTrendRising;
    case TrendKind::Falling: return wording::kTrendFalling;
    }
    return wording::kTrendSteady;
}

} // namespace engine
