// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Marks.h"
#include "engine/MarksFile.h"
#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"

#include <QString>
#include <vector>

// Where a sitting stands against the published marks of its test (engine/Marks.h), worded in
// the language installed: each mark with its verdict, the lines, columns or periods it
// involves, and the reference to its sources, the same in the Marks part, its tooltips and
// what screen readers are told.
namespace sheetresults {

// The marks file of each test.
struct MarkFiles {
    const engine::MarksFile* kraepelin = nullptr;
    const engine::MarksFile* uchida = nullptr;
    const engine::MarksFile* pauli = nullptr;
};

// The files built into the program (data/marks/), read once.
const MarkFiles& BuiltInMarkFiles();

// One row of the Marks part.
struct MarkRow {
    enum class Kind {
        // What the rows after it are: "Typical curve (定型曲線)".
        Heading,
        // A mark and its verdict.
        Mark,
        // A statement about the marks, such as that no source publishes a band table.
        Note,
    };
    Kind kind = Kind::Mark;
    // "Line 15 second only to line 1: not met (lines 12, 15)".
    QString text;
    // "reference from SOURCES — practice figure, not a norm and not a psychological
    // assessment", naming each source with its date, or the program's own figure; empty for
    // headings and notes.
    QString reference;
    // Each source with its address, date and what it says, for the tooltip and the
    // description screen readers read.
    QString sources;
    // The lines, columns or periods involved, counted from 1.
    engine::Places places;
    // A feature of the typical curve or a mark not met, a non-typical feature found.
    bool missed = false;
};

struct SittingMarks {
    // Why the sitting gets no verdict, in one line; empty where it gets one.
    QString noVerdict;
    // The marks: for a verdict, and Kraepelin's other formulas also without one.
    std::vector<MarkRow> rows;
};

SittingMarks MarkRows(const engine::SheetFormat& format, const engine::SheetScores& scores, const MarkFiles& files);

// Places as a list, runs of three or more as a range: "1–3, 12, 15".
QString PlacesText(const engine::Places& places);

} // namespace sheetresults
