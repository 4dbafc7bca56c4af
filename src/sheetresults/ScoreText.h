// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"
#include "engine/SheetSitting.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// A sitting's scores as the results window writes them: the same text in its tables, its
// tooltips and what it tells screen readers, in the language installed. Numbers use a point,
// like the work curve.
namespace sheetresults {

// One row of the scores table: the score's name, its value ("–" where it cannot be worked
// out, never 0) and how it is computed.
struct ScoreRow {
    QString name;
    QString value;
    QString formula;
};

// The title of a sheet's format as windows show it, in the language installed: the engine's
// title of a preset or of the custom form ("Kraepelin 50 × 15 s", "Custom 10 columns")
// translated, the own title of a format made by hand as it is.
QString SheetTitle(const engine::SheetFormat& format);

// What one column, line or period is called: "column", "line", "3 min".
QString PeriodName(const engine::SheetFormat& format);

// The sitting's rows: what was sat and how it ended, the family's own scores, then the
// answer times.
std::vector<ScoreRow> ScoreRows(const engine::SheetFormat& format, const engine::SheetScores& scores,
                                std::optional<std::uint64_t> seed, engine::SittingEnd end, std::uint64_t elapsedMs);

// The headings of the per-period table for the format's family ("Column", "Height",
// "Right", ...), and one period's cells in the same order; `index` counts from 0.
QStringList PeriodHeadings(const engine::SheetFormat& format);
QStringList PeriodCells(const engine::SheetFormat& format, std::size_t index, const engine::PeriodScores& period);

// "Column 3: height 20, 18 right, 2 wrong or blank, 1 correction, median 0.85 s", with
// "(partial)" after the name of a period the sitting was stopped inside.
QString PeriodText(const engine::SheetFormat& format, std::size_t index, const engine::PeriodScores& period);

} // namespace sheetresults
