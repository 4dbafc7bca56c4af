// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/KeptSitting.h"
#include "engine/RecordedAnswer.h"
#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The CSV files the program saves (SheetCsv.h, AnswersCsv.h) read back into a history, and a
// history written out as such files. The files are untrusted text: anything that is not
// exactly what the program writes is refused with its line and the reason.
namespace engine {

// Why a file was refused: its line (from 1; 0 for the file as a whole or its name) and what
// is wrong, in English.
struct CsvError {
    std::size_t line = 0;
    std::string message;
    // "line 12: ..." in English.
    std::string Describe() const;
};

// A sheet's CSV: its format's stable name and the pairs of its record. A pair's unit is its
// period where the format has a cue; ImportCsv works it out otherwise.
struct SheetCsv {
    std::string formatName;
    std::vector<SheetAnswer> record;
};

// Reads a sheet's CSV as FormatSheetCsv writes it: its header, then records numbered from 1,
// one format in all of them, digits 0 to 9, an answer's `correct` as its sum says, a passed or
// withdrawn pair without answer, `correct` and time, positions rising within each column or
// line. A pair worked on paper has no time (kUntimed, its sitting's passes too), and one
// answered wrong on paper no digit either. A pair without answer or `correct` is withdrawn
// (taken back and not given again) when it has corrections and only such pairs follow it in
// its column or line; otherwise passed. (A pair passed after Backspace that only withdrawn
// pairs follow reads as withdrawn too: the file does not tell the two apart.) Lines may end
// with CR LF or LF; a UTF-8 byte order mark is skipped.
std::optional<SheetCsv> ParseSheetCsv(std::string_view text, CsvError& error);
// Reads the drill's CSV as FormatAnswersCsv writes it, with the same care.
std::optional<std::vector<RecordedAnswer>> ParseAnswersCsv(std::string_view text, CsvError& error);

// What a file name the program suggests says: "tavrendale-pauli-practice-1234-20261208-093000.csv"
// for a sheet, "tavrendale-20261208-093000.csv" for the drill (the local time it ended).
struct CsvFileName {
    // Empty for the drill.
    std::string format;
    bool practice = false;
    std::optional<std::uint64_t> seed;
    // Milliseconds since 1970-01-01 00:00 of the local time in the name.
    std::int64_t localMs = 0;
};
std::optional<CsvFileName> ParseCsvFileName(std::string_view name);

// What the file itself may not say, which the caller gives.
struct ImportHints {
    // The file's name without its folder; where it is a name the program suggests, it gives the
    // practice version, the seed and the time.
    std::string fileName;
    // Practice version or not, where the name does not say.
    std::optional<bool> practice;
    // The seed, where the name does not say.
    std::optional<std::uint64_t> seed;
    // A custom sheet's values, which no file says.
    std::optional<CustomFormat> custom;
    // When it ended, where the name does not say (the file's modification time, say).
    SittingTime fallbackTime;
    // The offset from UTC to read the name's local time with (the user's now).
    std::int32_t utcOffsetMinutes = 0;
};

// A CSV file the program saved, as a kept sitting (KeptOrigin::Imported, KeptEnd::NotRecorded),
// its scores worked out again by the engine. The file does not say how the sitting ended:
// every column, line, period or minute that holds an answer counts as complete. Refused:
// anything ParseSheetCsv or ParseAnswersCsv refuses; a pair outside its format's sheet (a
// column past its last, a digit it does not print); a custom sheet without `custom`; and a
// preset whose name does not say whether it was the practice version, without `practice`,
// where its answers would fit the practice version. A seed neither the name nor the caller
// gives is kept as not known.
std::optional<KeptSitting> ImportCsv(std::string_view text, const ImportHints& hints, CsvError& error);

// A kept sitting as the CSV file the program saves for it, and the name it suggests for that
// file (the local time it ended; the seed where it is known), which ImportCsv reads back.
std::string ExportCsv(const KeptSitting& sitting);
std::string ExportFileName(const KeptSitting& sitting);

} // namespace engine
