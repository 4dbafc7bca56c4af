// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SheetFormat.h"

#include "engine/FieldNames.h"
#include "engine/SheetTitles.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <ostream>
#include <system_error>
#include <utility>

namespace engine {
namespace {

constexpr std::uint64_t kMsPerSecond = 1000;

SheetFormat Kraepelin15(bool practice) {
    SheetFormat format;
    format.name = "kraepelin-15";
    format.practice = practice;
    format.family = ScoreFamily::Kraepelin;
    format.order = WorkOrder::BottomUp;
    format.units = practice ? 10 : 50;
    format.digitsPerUnit = 27;
    format.secondsPerUnit = 15;
    format.lowestDigit = 1;
    format.highestDigit = 9;
    return format;
}

SheetFormat Kraepelin30(bool practice) {
    SheetFormat format;
    format.name = "kraepelin-30";
    format.practice = practice;
    format.family = ScoreFamily::Kraepelin;
    format.order = WorkOrder::BottomUp;
    format.units = practice ? 10 : 40;
    format.digitsPerUnit = 60;
    format.secondsPerUnit = 30;
    format.lowestDigit = 0;
    format.highestDigit = 9;
    return format;
}

SheetFormat Uchida(bool practice) {
    SheetFormat format;
    format.name = "uchida";
    format.practice = practice;
    format.family = ScoreFamily::Uchida;
    format.order = WorkOrder::LeftToRight;
    // Two halves of 15 lines with a five-minute break; the practice halves have 3 lines
    // and a one-minute break.
    format.units = practice ? 6 : 30;
    format.breakAfter = format.units / 2;
    format.breakSeconds = practice ? 60 : 300;
    format.digitsPerUnit = 116;
    format.secondsPerUnit = 60;
    format.lowestDigit = 3;
    format.highestDigit = 9;
    format.noRepeat = true;
    return format;
}

SheetFormat Pauli(bool practice) {
    SheetFormat format;
    format.name = "pauli";
    format.practice = practice;
    format.family = ScoreFamily::Pauli;
    format.order = WorkOrder::TopDown;
    // The practice sheet is as long as the hour's, so no one works through it sooner.
    format.digitsPerUnit = 50;
    format.additions = 4000;
    format.strokeSeconds = 180;
    format.durationSeconds = practice ? 9 * 60 : 60 * 60;
    format.lowestDigit = 2;
    format.highestDigit = 9;
    return format;
}

// Gives a preset its title from the table, by its stable name.
SheetFormat Titled(SheetFormat format) {
    for (const PresetTitles& titles : wording::kPresetTitles) {
        if (format.name == titles.name) format.title = FormatTitle(format.practice ? titles.practice : titles.full);
    }
    return format;
}

std::string Range(std::uint64_t low, std::uint64_t high) { return std::to_string(low) + " to " + std::to_string(high); }

using Field = FormatError::Field;

bool Refuse(FormatError& error, Field field, std::string message, FormatError::Problem problem, std::string value,
            std::uint64_t low = 0, std::uint64_t high = 0) {
    error.field = field;
    error.message = std::move(message);
    error.problem = problem;
    error.value = std::move(value);
    error.low = low;
    error.high = high;
    return false;
}

bool InRange(FormatError& error, Field field, std::uint64_t value, std::uint64_t low, std::uint64_t high) {
    if (value >= low && value <= high) return true;
    return Refuse(error, field, "must be " + Range(low, high) + ", not " + std::to_string(value),
                  FormatError::Problem::OutOfRange, std::to_string(value), low, high);
}

bool CheckCustom(const CustomFormat& values, FormatError& error) {
    using Limits = CustomLimits;
    const bool columns = values.order != WorkOrder::LeftToRight;
    const char* unitsWord = columns ? "columns" : "lines";
    if (!InRange(error, columns ? Field::Columns : Field::Lines, values.units, 1, Limits::kMaxUnits)) return false;
    if (!InRange(error, columns ? Field::DigitsPerColumn : Field::DigitsPerLine, values.digitsPerUnit,
                 Limits::kMinDigits, Limits::kMaxDigits))
        return false;
    if (!InRange(error, columns ? Field::SecondsPerColumn : Field::SecondsPerLine, values.secondsPerUnit,
                 Limits::kMinSeconds, Limits::kMaxSeconds))
        return false;
    if (values.breakAfter > 0) {
        if (values.units < 2)
            return Refuse(error, Field::BreakAfter, std::string("needs at least 2 ") + unitsWord + "; 0 for no break",
                          FormatError::Problem::BreakNeedsUnits, unitsWord, 2);
        if (!InRange(error, Field::BreakAfter, values.breakAfter, 1, values.units - 1)) return false;
        if (!InRange(error, Field::BreakSeconds, values.breakSeconds, Limits::kMinBreakSeconds,
                     Limits::kMaxBreakSeconds))
            return false;
    } else if (values.breakSeconds != 0) {
        return Refuse(error, Field::BreakSeconds,
                      "must be 0 without a break, not " + std::to_string(values.breakSeconds),
                      FormatError::Problem::NotZeroWithoutBreak, std::to_string(values.breakSeconds));
    }
    if (values.lowestDigit < 0 || values.lowestDigit > 8)
        return Refuse(error, Field::LowestDigit, "must be 0 to 8, not " + std::to_string(values.lowestDigit),
                      FormatError::Problem::OutOfRange, std::to_string(values.lowestDigit), 0, 8);
    if (values.highestDigit <= values.lowestDigit || values.highestDigit > 9) {
        const std::uint64_t lowest = static_cast<std::uint64_t>(values.lowestDigit) + 1;
        return Refuse(error, Field::HighestDigit,
                      "must be " + Range(lowest, 9) + ", not " + std::to_string(values.highestDigit),
                      FormatError::Problem::OutOfRange, std::to_string(values.highestDigit), lowest, 9);
    }
    return true;
}

} // namespace

FormatTitle::FormatTitle(const Wording& wording, std::string figure)
    : text_(figure.empty() ? Worded(wording) : Worded(wording, {figure})), wording_(&wording),
      figure_(std::move(figure)) {}

FormatTitle& FormatTitle::operator=(std::string text) {
    text_ = std::move(text);
    wording_ = nullptr;
    figure_.clear();
    return *this;
}

std::ostream& operator<<(std::ostream& out, const FormatTitle& title) { return out << title.text_; }

const char* const kFormatNames = "kraepelin-15, kraepelin-30, uchida, pauli";

std::uint32_t SheetFormat::unitCount() const {
    if (additions == 0) return units;
    const std::uint32_t pairs = pairsPerUnit();
    return (additions + pairs - 1) / pairs;
}

std::uint64_t SheetFormat::totalPairs() const {
    return additions > 0 ? additions : std::uint64_t{units} * pairsPerUnit();
}

std::uint64_t SheetFormat::durationMs() const {
    if (!cued()) return std::uint64_t{durationSeconds} * kMsPerSecond;
    return unitEndMs(units - 1);
}

std::uint64_t SheetFormat::unitEndMs(std::uint32_t unit) const {
    std::uint64_t end = (std::uint64_t{unit} + 1) * secondsPerUnit * kMsPerSecond;
    if (hasBreak() && unit >= breakAfter) end += std::uint64_t{breakSeconds} * kMsPerSecond;
    return end;
}

std::uint64_t SheetFormat::unitStartMs(std::uint32_t unit) const {
    if (unit == 0) return 0;
    if (hasBreak() && unit == breakAfter) return breakEndMs();
    return unitEndMs(unit - 1);
}

std::uint32_t SheetFormat::strokePeriods() const {
    if (strokeSeconds == 0) return 0;
    const std::uint64_t period = std::uint64_t{strokeSeconds} * kMsPerSecond;
    return static_cast<std::uint32_t>((durationMs() + period - 1) / period);
}

StrokePeriod SheetFormat::strokePeriodAt(std::uint64_t ms) const {
    const std::uint32_t periods = strokePeriods();
    if (periods == 0) return {0, 0, durationMs(), true};
    const std::uint64_t length = std::uint64_t{strokeSeconds} * kMsPerSecond;
    StrokePeriod period;
    period.index = static_cast<std::uint32_t>(std::min<std::uint64_t>(ms / length, periods - 1));
    period.startMs = period.index * length;
    period.endMs = std::min(period.startMs + length, durationMs());
    period.last = period.index + 1 == periods;
    return period;
}

const Wording& WordingOf(FormatError::Field field) {
    static constexpr Wording kNoField{"FormatError", ""};
    for (const FieldName& name : wording::kFieldNames) {
        if (name.field == field) return name.name;
    }
    return kNoField;
}

std::string FormatError::Describe() const {
    if (field == Field::None) return message;
    return std::string(WordingOf(field).english) + ": " + message;
}

std::optional<SheetFormat> FormatByName(std::string_view name, bool practice, FormatError& error) {
    if (name == "kraepelin-15") return Titled(Kraepelin15(practice));
    if (name == "kraepelin-30") return Titled(Kraepelin30(practice));
    if (name == "uchida") return Titled(Uchida(practice));
    if (name == "pauli") return Titled(Pauli(practice));
    Refuse(error, Field::Format,
           "unknown sheet format \"" + std::string(name) + "\"; the formats are " + std::string(kFormatNames),
           FormatError::Problem::UnknownFormat, std::string(name));
    return std::nullopt;
}

std::optional<std::uint64_t> ParseSeed(std::string_view text, FormatError& error) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    std::uint64_t seed = 0;
    const char* end = text.data() + text.size();
    // from_chars takes no sign and no blanks, but reads a prefix: it must read everything.
    const auto [stop, failure] = std::from_chars(text.data(), end, seed);
    if (text.empty() || failure != std::errc() || stop != end) {
        constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();
        Refuse(error, Field::Seed,
               "must be a whole number from 0 to " + std::to_string(kLargest) + ", not \"" + std::string(text) + "\"",
               FormatError::Problem::NotASeed, std::string(text), 0, kLargest);
        return std::nullopt;
    }
    return seed;
}

std::optional<SheetFormat> MakeCustomFormat(const CustomFormat& values, FormatError& error) {
    if (!CheckCustom(values, error)) return std::nullopt;
    SheetFormat format;
    format.name = "custom";
    const bool columns = values.order != WorkOrder::LeftToRight;
    format.title =
        FormatTitle(columns ? wording::kCustomColumnsTitle : wording::kCustomLinesTitle, std::to_string(values.units));
    format.family = columns ? ScoreFamily::Kraepelin : ScoreFamily::Uchida;
    format.order = values.order;
    format.units = values.units;
    format.digitsPerUnit = values.digitsPerUnit;
    format.secondsPerUnit = values.secondsPerUnit;
    format.breakAfter = values.breakAfter;
    format.breakSeconds = values.breakSeconds;
    format.lowestDigit = values.lowestDigit;
    format.highestDigit = values.highestDigit;
    format.noRepeat = values.noRepeat;
    return format;
}

} // namespace engine
