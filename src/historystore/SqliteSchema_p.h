// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

// The history's schema, version by version. PRAGMA user_version is the version a file is at:
// 0 for a new (empty) file. Step i brings a file from version i to i + 1, inside the one
// transaction that also raises user_version, so a file is at one version or the next, never
// between. A new schema is a new step at the end; a step is never changed once released.
namespace historystore::schema {

// Version 1.
//   sittings       one row per kept sitting or drill run
//     kind         'sheet' or 'drill'
//     ended_utc_ms, utc_offset_minutes   when it ended, and the local offset from UTC then
//     ended        'time-up', 'stopped', 'worked-through' or 'not-recorded' (imported)
//     origin       'sat' or 'imported'
//     format_key   the format's key (engine::FormatKeyOf; 'drill' for the drill)
//     format_name … no_repeat   a sheet's format, every parameter (NULL for a drill run)
//     seed         a sheet's seed as decimal text (an unsigned 64-bit number), NULL where not known
//     elapsed_ms   a sheet's time, break included; a drill run's clock in ms
//     run_minutes, run_seconds, planned_minutes   a drill run's clock and asked-for minutes
//     answer_count the rows of its record
//     figures      its scores as computed then, "name=value;…" (engine::FiguresText)
//   sheet_answers  a sheet's record, one row per pair in the order of the record (idx from 0),
//                  with the fields of the CSV file and the pair's column or line (unit);
//                  outcome 'answered', 'skipped' or 'withdrawn'; answer, correct and answer_ms
//                  NULL unless answered
//   drill_answers  a drill run's record; answer NULL where the typed text was not a digit
// Answers go with their sitting (ON DELETE CASCADE).
inline constexpr const char* kVersion1[] = {
    R"(CREATE TABLE sittings (
         id INTEGER PRIMARY KEY,
         kind TEXT NOT NULL CHECK (kind IN ('sheet', 'drill')),
         ended_utc_ms INTEGER NOT NULL,
         utc_offset_minutes INTEGER NOT NULL,
         ended TEXT NOT NULL CHECK (ended IN ('time-up', 'stopped', 'worked-through', 'not-recorded')),
         origin TEXT NOT NULL CHECK (origin IN ('sat', 'imported')),
         format_key TEXT NOT NULL,
         format_name TEXT,
         practice INTEGER,
         family TEXT,
         work_order TEXT,
         units INTEGER,
         digits_per_unit INTEGER,
         additions INTEGER,
         seconds_per_unit INTEGER,
         break_after INTEGER,
         break_seconds INTEGER,
         stroke_seconds INTEGER,
         duration_seconds INTEGER,
         lowest_digit INTEGER,
         highest_digit INTEGER,
         no_repeat INTEGER,
         seed TEXT,
         elapsed_ms INTEGER NOT NULL,
         run_minutes INTEGER,
         run_seconds INTEGER,
         planned_minutes INTEGER,
         answer_count INTEGER NOT NULL,
         figures TEXT NOT NULL))",
    "CREATE INDEX sittings_by_time ON sittings (ended_utc_ms DESC, id DESC)",
    "CREATE INDEX sittings_by_format ON sittings (format_key, ended_utc_ms DESC, id DESC)",
    R"(CREATE TABLE sheet_answers (
         sitting_id INTEGER NOT NULL REFERENCES sittings (id) ON DELETE CASCADE,
         idx INTEGER NOT NULL,
         unit INTEGER NOT NULL,
         period INTEGER NOT NULL,
         position INTEGER NOT NULL,
         operand1 INTEGER NOT NULL,
         operand2 INTEGER NOT NULL,
         outcome TEXT NOT NULL CHECK (outcome IN ('answered', 'skipped', 'withdrawn')),
         answer INTEGER,
         correct INTEGER,
         corrections INTEGER NOT NULL,
         answer_ms INTEGER,
         PRIMARY KEY (sitting_id, idx)) WITHOUT ROWID)",
    R"(CREATE TABLE drill_answers (
         sitting_id INTEGER NOT NULL REFERENCES sittings (id) ON DELETE CASCADE,
         idx INTEGER NOT NULL,
         minute INTEGER NOT NULL,
         operand1 INTEGER NOT NULL,
         operand2 INTEGER NOT NULL,
         answer INTEGER,
         correct INTEGER NOT NULL,
         answer_ms INTEGER NOT NULL,
         PRIMARY KEY (sitting_id, idx)) WITHOUT ROWID)",
};

// The steps, from version 0 on.
inline constexpr std::span<const char* const> kSteps[] = {kVersion1};
inline constexpr int kVersion = static_cast<int>(std::size(kSteps));

} // namespace historystore::schema
