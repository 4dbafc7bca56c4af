// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Figures.h"
#include "engine/RecordedAnswer.h"
#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"
#include "engine/SheetSitting.h"
#include "engine/Wording.h"
#include "engine/WorkCurve.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// What the history keeps of a finished exam sheet or logged drill run: when it ended, what
// was sat, how it ended, every answer of its record and its scores as they were computed
// then. Plain data, written and read by a HistoryStore (HistoryStore.h).
namespace engine {

// A kept sitting's number in its store; 0 for one not kept yet.
using SittingId = std::int64_t;

// When a sitting ended: the moment, in milliseconds since 1970-01-01 00:00 UTC, and how far
// the user's local time stood from UTC then (+420 minutes in Jakarta, +540 in Tokyo), so that
// it is shown at the time of day the user saw.
struct SittingTime {
    std::int64_t utcMs = 0;
    std::int32_t utcOffsetMinutes = 0;

    // Milliseconds since 1970-01-01 00:00 of the local time of day.
    std::int64_t localMs() const { return utcMs + std::int64_t{utcOffsetMinutes} * 60'000; }
    bool operator==(const SittingTime& other) const = default;
};

enum class SittingKind {
    // An exam sheet: a preset, its practice version or a custom sheet.
    Sheet,
    // A logged run of the drill of the main window.
    Drill,
};

// How a kept sitting ended.
enum class KeptEnd {
    // Its time ran out.
    TimeUp,
    // The user stopped it.
    Stopped,
    // A sheet without a cue was worked to its last pair.
    WorkedThrough,
    // Imported from a file, which does not say.
    NotRecorded,
};

KeptEnd KeptEndOf(SittingEnd end);

// Where a kept sitting came from.
enum class KeptOrigin {
    // Kept when its results opened.
    Sat,
    // Imported from a CSV file the program saved (HistoryCsv.h).
    Imported,
};

// A format's key, for filtering a history by format and for the trend: a preset's stable name
// ("uchida"), its practice version's with "/practice" ("uchida/practice"), a custom sheet's
// with every parameter that changes its scores ("custom/lines/30x116/60s/break15+300/3-9/norepeat"),
// and "drill" for the drill. Sittings of one key are sittings of the same test.
std::string FormatKeyOf(const SheetFormat& format);
inline constexpr std::string_view kDrillFormatKey = "drill";

// A sheet as kept: its format with every parameter, the seed it was made from (absent where
// an imported file did not say), how long it lasted (break included) and its record.
struct KeptSheet {
    SheetFormat format;
    std::optional<std::uint64_t> seed;
    std::uint64_t elapsedMs = 0;
    std::vector<SheetAnswer> record;
};

// A drill run as kept: its length as the clock showed it at the end, the minutes the user
// asked for (0 where not known) and its record.
struct KeptDrill {
    RunLength length;
    std::uint64_t plannedMinutes = 0;
    std::vector<RecordedAnswer> record;
};

// One kept sitting, whole.
struct KeptSitting {
    SittingId id = 0;
    SittingTime endedAt;
    KeptEnd end = KeptEnd::Stopped;
    KeptOrigin origin = KeptOrigin::Sat;
    std::variant<KeptSheet, KeptDrill> content;
    // The scores as computed when it was kept.
    Figures figures;

    SittingKind kind() const {
        return std::holds_alternative<KeptSheet>(content) ? SittingKind::Sheet : SittingKind::Drill;
    }
    const KeptSheet* sheet() const { return std::get_if<KeptSheet>(&content); }
    const KeptDrill* drill() const { return std::get_if<KeptDrill>(&content); }
    std::string formatKey() const;
};

// What a history lists of a kept sitting: everything but its record, so that a list of
// thousands needs no answers.
struct SittingSummary {
    SittingId id = 0;
    SittingKind kind = SittingKind::Sheet;
    SittingTime endedAt;
    KeptEnd end = KeptEnd::Stopped;
    KeptOrigin origin = KeptOrigin::Sat;
    std::string formatKey;
    // A sheet's format with every parameter and its title; for a drill run, empty.
    SheetFormat format;
    std::optional<std::uint64_t> seed;
    // A sheet's time, break included; a drill run's clock (minutes and seconds) in ms.
    std::uint64_t elapsedMs = 0;
    std::uint64_t answerCount = 0;
    Figures figures;
};

// The figures of a scored sheet, as KeepSheet keeps them.
Figures FiguresOf(const SheetFormat& format, const SheetScores& scores);
// The figures of a drill run's work curve.
Figures FiguresOf(const WorkCurve& curve);

// A finished sheet as the history keeps it, its scores computed by ScoreSheet.
KeptSitting KeepSheet(const SheetFormat& format, std::span<const SheetAnswer> record, std::optional<std::uint64_t> seed,
                      SittingEnd end, std::uint64_t elapsedMs, SittingTime endedAt);
// A finished logged drill run as the history keeps it, its figures from AnalyseWorkCurve.
// `end` is TimeUp or Stopped.
KeptSitting KeepDrill(std::span<const RecordedAnswer> record, RunLength length, KeptEnd end, SittingTime endedAt,
                      std::uint64_t plannedMinutes = 0);

// A kept format's parameters back as a format: a preset's title from the engine's table of
// titles (SheetTitles.h), a custom sheet's by its layout, a format this version does not know
// (kept by a newer one) titled by its name.
SheetFormat RestoredFormat(SheetFormat parameters);

namespace wording {

//: A history's name for a logged run of the drill, where an exam sheet shows its title.
inline constexpr Wording kDrillTitle = TranslatableText("History", "Drill");

} // namespace wording

} // namespace engine
