// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Sheet.h"
#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"
#include "engine/SheetSitting.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A sheet worked on paper, entered by hand afterwards: per column or line where the work
// ended and which pairs were wrong or left blank, made into the record a typed sitting
// leaves, so that ScoreSheet scores it by the same rules. Its pairs have no answer times
// (SheetAnswer::kUntimed).
namespace engine {

// A pair of the sheet, both counted from 1 as the printed sheet numbers them: the column or
// line, and the pair in it in the order of work (the bottom pair of a column worked
// bottom-up is pair 1).
struct PaperPlace {
    std::uint32_t unit = 0;
    std::uint32_t pair = 0;
    bool operator==(const PaperPlace& other) const = default;
};

// One row of the entry. A sheet with a cue has a row per column or line: `end.pair` is the
// last pair reached in it (0 for none; `end.unit` is the row's own). A sheet without a cue
// (Pauli) has a row per period between two strokes: `end` is where its stroke was drawn,
// after the last pair reached (the last row's at the end of the time); pair 0 of a column
// is the place before its first pair.
struct PaperRow {
    PaperPlace end;
    // The pairs written wrong and those left blank, in any order.
    std::vector<PaperPlace> wrong;
    std::vector<PaperPlace> skipped;
    // Or only how many, where the entry gives counts.
    std::uint32_t wrongCount = 0;
    std::uint32_t skippedCount = 0;
};

struct PaperEntry {
    enum class Detail {
        // Which pairs were wrong and blank.
        Pairs,
        // Only how many: the record takes the blanks as the last pairs reached and the wrong
        // answers as those before them, which no score depends on.
        Counts,
    };
    Detail detail = Detail::Pairs;
    std::vector<PaperRow> rows;
};

// How the sitting on paper ended: by its time (the default), or stopped `elapsedMs` after
// its start (break included), where an examiner sitting was stopped. No column, line or
// period begun after the stop can have work in it.
struct PaperEnd {
    SittingEnd end = SittingEnd::TimeUp;
    std::optional<std::uint64_t> elapsedMs;
};

// Why an entry was refused: the row (from 0) and the field at fault, and what was wrong.
// `message` says it in English; `problem` and the values let a window say it in the
// user's language.
struct PaperError {
    enum class Field {
        None,
        // The last pair reached (Pauli: the stroke's place).
        End,
        Wrong,
        Skipped,
    };
    enum class Problem {
        None,
        // The entry has `value` rows; the sheet has `high`.
        RowCount,
        // The field is empty and must be filled in.
        Missing,
        // `value` is not a whole number.
        NotANumber,
        // `value` is not a place "column/pair".
        NotAPlace,
        // `value` lies outside `low` to `high`: the pair's number, or the last pair reached.
        OutOfRange,
        // The column of the place `value` lies outside `low` to `high`.
        ColumnOutOfRange,
        // The place `value` is beyond the last pair reached, `high`.
        BeyondEnd,
        // Pauli: the stroke `value` stands before the one of the period before, at `high`
        // pairs into the sheet.
        BeforePreviousStroke,
        // The place `value` lies in another period than this row's.
        OutsidePeriod,
        // The pair `value` is named twice, or both wrong and blank.
        Twice,
        // Wrong and blank pairs `value` are more than the pairs reached, `high`.
        TooMany,
        // The row began after the sitting was stopped; it must be empty.
        NotBegun,
    };
    std::size_t row = 0;
    Field field = Field::None;
    Problem problem = Problem::None;
    std::string value;
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    std::string message;
    // "column 4, last pair reached: must be 0 to 26, not 30".
    std::string Describe(const SheetFormat& format) const;
};

// The rows an entry of `format` has: its columns or lines, or its periods between strokes.
std::uint32_t PaperRowCount(const SheetFormat& format);

// What a field of the form holds, as typed: untrusted text. Blanks around it are allowed;
// the refusal names the text (NotANumber) and leaves the row and the field to the caller.
// A whole number; empty gives `empty`.
std::optional<std::uint32_t> ParsePaperNumber(std::string_view text, std::uint32_t empty, PaperError& error);
// A place "column/pair" ("12/30"); NotAPlace otherwise.
std::optional<PaperPlace> ParsePaperPlace(std::string_view text, PaperError& error);
// A list of places: separated by commas or blanks ("3, 17 20"), each a pair number of
// `unit`; with `unit` 0, each "column/pair". Empty gives none.
std::optional<std::vector<PaperPlace>> ParsePaperPlaces(std::string_view text, std::uint32_t unit, PaperError& error);

// The record of `sheet` (of `format`) worked on paper as `entry` says, ended as `end` says,
// in the order of the sheet's units and of the pairs in each: a pair reached is answered
// right, answered wrong or passed, without an answer time. Every value is checked against
// the sheet; the first that contradicts it gives no record and says which row, which field
// and what is wrong.
struct PaperRecord {
    std::vector<SheetAnswer> record;
    SittingEnd end = SittingEnd::TimeUp;
    std::uint64_t elapsedMs = 0;
};
std::optional<PaperRecord> MakePaperRecord(const SheetFormat& format, const Sheet& sheet, const PaperEntry& entry,
                                           const PaperEnd& end, PaperError& error);

} // namespace engine
