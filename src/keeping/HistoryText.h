// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Figures.h"
#include "engine/HistoryStore.h"
#include "engine/KeptSitting.h"
#include "keeping/Standing.h"

#include <QString>
#include <string>

class QDateTime;

// A history as the windows write it, in the language installed: the same text in a table, a
// chart's tooltip and what screen readers are told. Numbers use a point, as everywhere.
namespace keeping {

// A figure's name ("Speed (panker)") and its value as the figure is counted: whole numbers
// for counts and answer times (milliseconds), a percentage, two decimals for a ratio, one for a
// mean, a sign for a slope or a rise.
QString FigureTitle(engine::FigureKey key);
QString FigureValue(engine::FigureKey key, double value);
// The difference between two values of a figure, always with its sign: "+0.4", "−2".
QString FigureChange(engine::FigureKey key, double change);

// When a sitting ended, in the local time the user saw: "2026-03-12 09:30", or the date
// alone.
QString SittingTimeText(const engine::SittingTime& time);
QString SittingDateText(const engine::SittingTime& time);

// How a kept sitting ended: "Time up", "Stopped", "Worked through", "Imported".
QString EndText(engine::KeptEnd end);

// "Against your earlier sittings: Speed (panker) 14.2; previous 13.8 (+0.4), best 15.0
// (2026-03-12)".
QString StandingText(const Standing& standing);

// A moment of the local time as the history keeps it: its UTC milliseconds and offset.
engine::SittingTime TimeOf(const QDateTime& moment);

// The results windows' line against the user's history: where a sitting of `formatKey`, kept
// as `self` (0 where it is not kept), ended at `endedAt` with `figures`, stands against the
// earlier sittings of its format in the program's history (StandingText); empty where there
// are none, or where there is no history to read.
QString StandingLine(const std::string& formatKey, engine::SittingId self, const engine::SittingTime& endedAt,
                     const engine::Figures& figures);

// What a fault of the history means, in one line: what happened, with the system's reason,
// and the file ("The history is in use by another Tavrendale (database is locked):
// /home/…/history.sqlite."); `notKept` adds that the sitting on screen was not kept and how
// to keep its answers all the same.
QString FaultText(const engine::StoreFault& fault, bool notKept);

} // namespace keeping
