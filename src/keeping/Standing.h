// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Figures.h"
#include "engine/HistoryStore.h"
#include "engine/KeptSitting.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Where a sitting stands against the user's own earlier sittings of the same format, and which
// of a test's figures lead: plain C++, no Qt.
namespace keeping {

// A sitting's figure against the earlier sittings of its format that have it.
struct Standing {
    engine::FigureKey key = engine::FigureKey::Reached;
    double value = 0.0;
    // The newest earlier sitting's value.
    double previous = 0.0;
    // The best earlier value (by the figure's better side) and when its sitting ended.
    double best = 0.0;
    engine::SittingTime bestAt;
    // Whether this sitting's value is at least as good as the best earlier one.
    bool newBest = false;
    std::size_t earlier = 0;
};

// Where `figures` stand against `sittings` (of the sitting's format, newest first, as
// HistoryStore::List gives them): only those that ended before `endedAt`, the sitting `self`
// itself left out (0 for a sitting not kept), count. Led by the first of the format's leading
// figures the sitting has; none where no earlier sitting has it, or for a figure that is
// better neither way.
std::optional<Standing> StandingOf(std::span<const engine::SittingSummary> sittings, engine::SittingId self,
                                   const engine::SittingTime& endedAt, const engine::Figures& figures);

// The figures in the order a history shows them: those that change most with practice first
// (the work amount, then its fluctuation), then the rest effect, the initial effort and the
// errors, then the rest in the order of FigureKey. Only the figures `present` holds.
std::vector<engine::FigureKey> InShowingOrder(std::span<const engine::FigureKey> present);

// The figures a table of one format's sittings shows in columns: its main figures
// (FigureInfo::main) among `present`, in showing order.
std::vector<engine::FigureKey> MainFigures(std::span<const engine::FigureKey> present);

} // namespace keeping
