// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Wording.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// How a sheet is worked, which also lays out its digits.
enum class WorkOrder {
    // Columns, each added from the bottom up; the cue moves the user to the next column.
    BottomUp,
    // Lines, each added left to right; the cue moves the user to the next line.
    LeftToRight,
    // Columns added from the top down and worked one after another without a cue.
    TopDown,
};

// Which test's figures a sheet is scored with.
enum class ScoreFamily {
    // Per column: heights, speed, accuracy, steadiness and endurance.
    Kraepelin,
    // Per line: amounts and errors; per half: mean, initial effort, fluctuation; the rest effect.
    Uchida,
    // Per period between two strokes: additions, errors, corrections; totals over the sitting.
    Pauli,
};

// Without a cue, the sitting is cut into periods by a stroke every `strokeSeconds`; the end
// of the sitting closes the last period and draws no stroke.
struct StrokePeriod {
    // 0 for the first.
    std::uint32_t index = 0;
    // In milliseconds from the start: it begins with the stroke before it (the first at 0)
    // and ends with its own (the last with the sitting).
    std::uint64_t startMs = 0;
    std::uint64_t endMs = 0;
    bool last = false;
};

// A format's title: the engine's, from its table of titles (SheetTitles.h), which a window
// words in the user's language, or a text of its own, set by hand and shown as it is. It
// reads as its English text.
class FormatTitle {
public:
    FormatTitle() = default;
    // The engine's title: its wording and the figure it takes as %1, if any.
    explicit FormatTitle(const Wording& wording, std::string figure = {});
    // A title of its own.
    FormatTitle& operator=(std::string text);

    const std::string& text() const { return text_; }
    operator const std::string&() const { return text_; }
    // The engine's wording and its figure; no wording for a title of its own.
    const Wording* wording() const { return wording_; }
    const std::string& figure() const { return figure_; }

    bool operator==(const FormatTitle& other) const = default;
    friend bool operator==(const FormatTitle& title, std::string_view text) { return title.text_ == text; }
    friend std::ostream& operator<<(std::ostream& out, const FormatTitle& title);

private:
    std::string text_;
    const Wording* wording_ = nullptr;
    std::string figure_;
};

// The layout and the timing of one sheet. A "unit" is a column or a line; a pair is two
// neighbouring digits of one unit, so a unit of n digits holds n - 1 pairs.
struct SheetFormat {
    // The stable name the command line takes ("kraepelin-15", "kraepelin-30", "uchida",
    // "pauli", or "custom"), and the title a window shows ("Kraepelin 50 × 15 s").
    std::string name;
    FormatTitle title;
    bool practice = false;
    ScoreFamily family = ScoreFamily::Kraepelin;
    WorkOrder order = WorkOrder::BottomUp;

    // Columns or lines, and the digits of each. With `additions` set the sheet holds
    // exactly that many pairs: as many units of `digitsPerUnit` as they need, the last
    // one shorter when they do not fill it.
    std::uint32_t units = 0;
    std::uint32_t digitsPerUnit = 0;
    std::uint32_t additions = 0;

    // The cue: each unit lasts this long, then the user moves to the next. 0: no cue, the
    // units follow one another as the user works (the sitting then lasts `durationSeconds`).
    std::uint32_t secondsPerUnit = 0;
    // A break after this many units (0: none), lasting `breakSeconds`; input is refused
    // during it and the next unit starts by itself when it ends.
    std::uint32_t breakAfter = 0;
    std::uint32_t breakSeconds = 0;
    // Without a cue: a stroke is drawn after the last answer every `strokeSeconds`, and the
    // sitting ends after `durationSeconds`.
    std::uint32_t strokeSeconds = 0;
    std::uint32_t durationSeconds = 0;

    // The digits printed, both inclusive; with `noRepeat` no digit follows itself in a unit.
    int lowestDigit = 0;
    int highestDigit = 9;
    bool noRepeat = false;

    bool cued() const { return secondsPerUnit > 0; }
    // Units of the sheet, counting the shorter last one of a sheet made to `additions`.
    std::uint32_t unitCount() const;
    std::uint32_t pairsPerUnit() const { return digitsPerUnit - 1; }
    std::uint64_t totalPairs() const;
    // The whole sitting, break included, in milliseconds.
    std::uint64_t durationMs() const;
    // When the cue ends `unit` (0 for the first), in milliseconds from the start, break
    // included. Only for a cued format.
    std::uint64_t unitEndMs(std::uint32_t unit) const;
    // When `unit` begins: the end of the one before, or of the break before it.
    std::uint64_t unitStartMs(std::uint32_t unit) const;
    bool hasBreak() const { return breakAfter > 0 && breakSeconds > 0; }
    std::uint64_t breakStartMs() const { return unitEndMs(breakAfter - 1); }
    std::uint64_t breakEndMs() const { return breakStartMs() + std::uint64_t{breakSeconds} * 1000; }
    // Periods of `strokeSeconds` in the sitting (the last one may be cut by the end).
    std::uint32_t strokePeriods() const;
    // The period between strokes that `ms` (from the start) falls in; from the last one's
    // start on, the last. Without strokePeriods(), the whole sitting is one last period.
    StrokePeriod strokePeriodAt(std::uint64_t ms) const;

    bool operator==(const SheetFormat& other) const = default;
};

// Why a format, a seed or a custom value was refused: the field and what it allows. The
// message says it in English; `problem` and the values it names let a window say the same
// in the user's language.
struct FormatError {
    // The field at fault.
    enum class Field {
        None,
        Format,
        Seed,
        Columns,
        Lines,
        DigitsPerColumn,
        DigitsPerLine,
        SecondsPerColumn,
        SecondsPerLine,
        BreakAfter,
        BreakSeconds,
        LowestDigit,
        HighestDigit,
        // The printed digits' size in points.
        DigitSize,
    };
    enum class Problem {
        None,
        // `value` is none of kFormatNames.
        UnknownFormat,
        // `value` is not a seed; a seed is a whole number from 0 to `high`.
        NotASeed,
        // `value` is no whole number.
        NotAWholeNumber,
        // `value` lies outside `low` to `high`.
        OutOfRange,
        // A break needs at least `low` of the units `value` names ("columns" or "lines"); 0
        // for no break.
        BreakNeedsUnits,
        // `value` must be 0 without a break.
        NotZeroWithoutBreak,
        // At a digit size of `value` points the sheet does not fit the paper; it does at
        // `high` points and below, and at no size when `high` is 0.
        DoesNotFit,
    };
    Field field = Field::None;
    std::string message;
    Problem problem = Problem::None;
    std::string value;
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    // "columns: must be 1 to 100, not 150": the field's English name, then the message.
    std::string Describe() const;
};

// A field's name before it is worded ("digits per column", FieldNames.h); the English is
// empty for no field.
const Wording& WordingOf(FormatError::Field field);

// The names `FormatByName` takes, comma-separated, for help texts and messages.
extern const char* const kFormatNames;

// The preset of that stable name, or its short practice version: Kraepelin 10 columns,
// Uchida-Kraepelin 3 lines, a 1-minute break and 3 lines, Pauli 9 minutes. An unknown
// name gives no format and says which names there are.
std::optional<SheetFormat> FormatByName(std::string_view name, bool practice, FormatError& error);

// A seed as typed: decimal digits only, 0 to 18446744073709551615, blanks around them
// allowed. Anything else gives no seed and says what a seed is.
std::optional<std::uint64_t> ParseSeed(std::string_view text, FormatError& error);

// The values of the custom form. Their allowed ranges:
//   units            1 to 100 columns or lines
//   digitsPerUnit    3 to 200 (at least two pairs)
//   secondsPerUnit   5 to 600
//   breakAfter       0 (no break) or 1 to units - 1
//   breakSeconds     0 without a break; 10 to 1800 with one
//   lowestDigit      0 to 8
//   highestDigit     lowestDigit + 1 to 9 (at least two digits, which no-repeat needs)
// Columns are worked bottom-up or top-down, lines left to right; every unit has its cue.
struct CustomFormat {
    WorkOrder order = WorkOrder::BottomUp;
    std::uint32_t units = 10;
    std::uint32_t digitsPerUnit = 27;
    std::uint32_t secondsPerUnit = 15;
    std::uint32_t breakAfter = 0;
    std::uint32_t breakSeconds = 0;
    int lowestDigit = 1;
    int highestDigit = 9;
    bool noRepeat = false;
};

struct CustomLimits {
    static constexpr std::uint32_t kMaxUnits = 100;
    static constexpr std::uint32_t kMinDigits = 3;
    static constexpr std::uint32_t kMaxDigits = 200;
    static constexpr std::uint32_t kMinSeconds = 5;
    static constexpr std::uint32_t kMaxSeconds = 600;
    static constexpr std::uint32_t kMinBreakSeconds = 10;
    static constexpr std::uint32_t kMaxBreakSeconds = 1800;
};

// The custom format, or the first value out of its range named with the range. Columns
// are scored as Kraepelin's, lines as Uchida-Kraepelin's.
std::optional<SheetFormat> MakeCustomFormat(const CustomFormat& values, FormatError& error);

} // namespace engine
