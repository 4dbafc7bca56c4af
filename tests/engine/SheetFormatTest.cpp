// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet formats, the seed and the custom form as typed, and the sheets made from a seed.
#include "engine/SheetFormat.h"

#include "engine/Sheet.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using testing::HasSubstr;

namespace {

constexpr std::uint64_t kMinute = 60'000;
constexpr std::uint64_t kSecond = 1'000;

// ---- The presets ----

struct PresetCase {
    const char* name;
    bool practice;
    engine::WorkOrder order;
    engine::ScoreFamily family;
    std::uint32_t units;
    std::uint32_t digitsPerUnit;
    std::uint64_t pairs;
    std::uint32_t secondsPerUnit;
    std::uint32_t breakAfter;
    std::uint32_t breakSeconds;
    std::uint32_t strokeSeconds;
    std::uint64_t durationMs;
    int lowest;
    int highest;
    bool noRepeat;
};

void PrintTo(const PresetCase& c, std::ostream* os) { *os << c.name << (c.practice ? " practice" : ""); }

class PresetTest : public testing::TestWithParam<PresetCase> {};

TEST_P(PresetTest, CarriesEveryNumberOfItsTest) {
    const PresetCase& c = GetParam();
    engine::FormatError error;
    const std::optional<engine::SheetFormat> format = engine::FormatByName(c.name, c.practice, error);
    ASSERT_TRUE(format) << error.Describe();
    EXPECT_EQ(format->name, c.name);
    EXPECT_EQ(format->practice, c.practice);
    EXPECT_EQ(format->order, c.order);
    EXPECT_EQ(format->family, c.family);
    EXPECT_EQ(format->unitCount(), c.units);
    EXPECT_EQ(format->digitsPerUnit, c.digitsPerUnit);
    EXPECT_EQ(format->totalPairs(), c.pairs);
    EXPECT_EQ(format->secondsPerUnit, c.secondsPerUnit);
    EXPECT_EQ(format->breakAfter, c.breakAfter);
    EXPECT_EQ(format->breakSeconds, c.breakSeconds);
    EXPECT_EQ(format->strokeSeconds, c.strokeSeconds);
    EXPECT_EQ(format->durationMs(), c.durationMs);
    EXPECT_EQ(format->lowestDigit, c.lowest);
    EXPECT_EQ(format->highestDigit, c.highest);
    EXPECT_EQ(format->noRepeat, c.noRepeat);
}

using engine::ScoreFamily;
using engine::WorkOrder;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, PresetTest, testing::Values(
    // 50 columns of 27 digits (26 pairs), 15 s each: 12 min 30 s.
    PresetCase{"kraepelin-15", false, WorkOrder::BottomUp, ScoreFamily::Kraepelin, 50, 27, 50 * 26, 15, 0, 0, 0, 12 * kMinute + 30 * kSecond, 1, 9, false},
    PresetCase{"kraepelin-15", true, WorkOrder::BottomUp, ScoreFamily::Kraepelin, 10, 27, 10 * 26, 15, 0, 0, 0, 150 * kSecond, 1, 9, false},
    // 40 columns of 60 digits, 30 s each: 20 min.
    PresetCase{"kraepelin-30", false, WorkOrder::BottomUp, ScoreFamily::Kraepelin, 40, 60, 40 * 59, 30, 0, 0, 0, 20 * kMinute, 0, 9, false},
    PresetCase{"kraepelin-30", true, WorkOrder::BottomUp, ScoreFamily::Kraepelin, 10, 60, 10 * 59, 30, 0, 0, 0, 5 * kMinute, 0, 9, false},
    // 30 lines of 116 digits (115 additions), a minute each, 5 minutes' break after 15: 35 min.
    PresetCase{"uchida", false, WorkOrder::LeftToRight, ScoreFamily::Uchida, 30, 116, 30 * 115, 60, 15, 300, 0, 35 * kMinute, 3, 9, true},
    // 3 lines, a minute's break, 3 lines: 7 min.
    PresetCase{"uchida", true, WorkOrder::LeftToRight, ScoreFamily::Uchida, 6, 116, 6 * 115, 60, 3, 60, 0, 7 * kMinute, 3, 9, true},
    // 4,000 additions in columns of 50 digits: 81 full columns and one of 31 pairs.
    PresetCase{"pauli", false, WorkOrder::TopDown, ScoreFamily::Pauli, 82, 50, 4000, 0, 0, 0, 180, 60 * kMinute, 2, 9, false},
    PresetCase{"pauli", true, WorkOrder::TopDown, ScoreFamily::Pauli, 82, 50, 4000, 0, 0, 0, 180, 9 * kMinute, 2, 9, false}));
// clang-format on

TEST(SheetFormatTest, UchidaScheduleHasTheBreakBetweenItsHalves) {
    engine::FormatError error;
    const engine::SheetFormat uchida = *engine::FormatByName("uchida", false, error);
    EXPECT_EQ(uchida.unitEndMs(0), kMinute);
    EXPECT_EQ(uchida.unitEndMs(14), 15 * kMinute);
    EXPECT_EQ(uchida.breakStartMs(), 15 * kMinute);
    EXPECT_EQ(uchida.breakEndMs(), 20 * kMinute);
    EXPECT_EQ(uchida.unitStartMs(15), 20 * kMinute) << "the second half begins when the break ends";
    EXPECT_EQ(uchida.unitEndMs(15), 21 * kMinute);
    EXPECT_EQ(uchida.unitStartMs(16), 21 * kMinute);
}

// ---- The strokes ----

struct StrokeCase {
    const char* name;
    engine::SheetFormat format;
    std::uint64_t atMs;
    std::uint32_t periods;
    // The period `atMs` falls in: its number from 0, its start and end, whether it is the last.
    std::uint32_t index;
    std::uint64_t startMs;
    std::uint64_t endMs;
    bool last;
};

void PrintTo(const StrokeCase& c, std::ostream* os) { *os << c.name; }

class StrokeScheduleTest : public testing::TestWithParam<StrokeCase> {};

TEST_P(StrokeScheduleTest, GivesThePeriodBetweenTwoStrokes) {
    const StrokeCase& c = GetParam();
    EXPECT_EQ(c.format.strokePeriods(), c.periods);
    const engine::StrokePeriod got = c.format.strokePeriodAt(c.atMs);
    EXPECT_EQ(std::tie(got.index, got.startMs, got.endMs, got.last), std::tie(c.index, c.startMs, c.endMs, c.last));
}

engine::SheetFormat Preset(const char* name, bool practice) {
    engine::FormatError error;
    return *engine::FormatByName(name, practice, error);
}

engine::SheetFormat PauliOfSeconds(std::uint32_t seconds) {
    engine::SheetFormat format = Preset("pauli", true);
    format.durationSeconds = seconds;
    return format;
}

constexpr std::uint64_t kStroke = 3 * kMinute;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sittings, StrokeScheduleTest, testing::Values(
    // An hour of strokes every 3 minutes: 20 periods, the last ended by the end, not by a stroke.
    StrokeCase{"AtTheStart", Preset("pauli", false), 0, 20, 0, 0, kStroke, false},
    StrokeCase{"JustBeforeTheFirstStroke", Preset("pauli", false), kStroke - 1, 20, 0, 0, kStroke, false},
    StrokeCase{"AtTheFirstStroke", Preset("pauli", false), kStroke, 20, 1, kStroke, 2 * kStroke, false},
    StrokeCase{"InTheLastPeriod", Preset("pauli", false), 59 * kMinute, 20, 19, 57 * kMinute, 60 * kMinute, true},
    StrokeCase{"PastTheEnd", Preset("pauli", false), 61 * kMinute, 20, 19, 57 * kMinute, 60 * kMinute, true},
    StrokeCase{"PracticeAtItsLastStroke", Preset("pauli", true), 2 * kStroke, 3, 2, 2 * kStroke, 9 * kMinute, true},
    // An end between two strokes cuts the last period short.
    StrokeCase{"EndCutsTheLastPeriod", PauliOfSeconds(500), 400 * kSecond, 3, 2, 2 * kStroke, 500 * kSecond, true},
    // Without strokes the whole sitting is one last period.
    StrokeCase{"CuedSheetHasNoStrokes", Preset("kraepelin-15", true), 5 * kSecond, 0, 0, 0, 150 * kSecond, true}),
    [](const testing::TestParamInfo<StrokeCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(SheetFormatTest, UnknownNameIsRefusedNamingTheFormats) {
    for (const char* name : {"", "kraepelin", "Pauli ", "uchida-kraepelin"}) {
        engine::FormatError error;
        EXPECT_FALSE(engine::FormatByName(name, false, error)) << name;
        EXPECT_EQ(error.field, engine::FormatError::Field::Format);
        EXPECT_THAT(error.message, HasSubstr(std::string("\"") + name + "\""));
        EXPECT_THAT(error.Describe(), HasSubstr("kraepelin-15, kraepelin-30, uchida, pauli"));
    }
}

// ---- The seed ----

struct SeedCase {
    const char* text;
    std::optional<std::uint64_t> seed;
};

void PrintTo(const SeedCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class SeedTest : public testing::TestWithParam<SeedCase> {};

TEST_P(SeedTest, TakesDecimalWholeNumbersOnly) {
    engine::FormatError error;
    EXPECT_EQ(engine::ParseSeed(GetParam().text, error), GetParam().seed);
    if (GetParam().seed) {
        EXPECT_TRUE(error.message.empty());
    } else {
        EXPECT_EQ(error.field, engine::FormatError::Field::Seed);
        EXPECT_THAT(error.message, HasSubstr("0 to 18446744073709551615"));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, SeedTest,
                         testing::Values(SeedCase{"0", 0}, SeedCase{"42", 42}, SeedCase{" 42\t", 42},
                                         SeedCase{"18446744073709551615", std::numeric_limits<std::uint64_t>::max()},
                                         // One past the largest seed wraps nowhere: it is refused.
                                         SeedCase{"18446744073709551616", std::nullopt}, SeedCase{"", std::nullopt},
                                         SeedCase{"  ", std::nullopt}, SeedCase{"-1", std::nullopt},
                                         SeedCase{"+1", std::nullopt}, SeedCase{"12a", std::nullopt},
                                         SeedCase{"1 2", std::nullopt}, SeedCase{"0x10", std::nullopt},
                                         SeedCase{"1e3", std::nullopt}, SeedCase{"3.0", std::nullopt}));

// ---- The custom form ----

struct CustomCase {
    const char* label;
    engine::CustomFormat values;
    // Empty when the values are accepted.
    const char* field;
    const char* range;
};

void PrintTo(const CustomCase& c, std::ostream* os) { *os << c.label; }

engine::CustomFormat Columns() { return engine::CustomFormat{}; }

engine::CustomFormat With(engine::CustomFormat values, void (*change)(engine::CustomFormat&)) {
    change(values);
    return values;
}

class CustomTest : public testing::TestWithParam<CustomCase> {};

TEST_P(CustomTest, RefusesAValueOutOfRangeNamingFieldAndRange) {
    const CustomCase& c = GetParam();
    engine::FormatError error;
    const std::optional<engine::SheetFormat> format = engine::MakeCustomFormat(c.values, error);
    if (std::string(c.field).empty()) {
        ASSERT_TRUE(format) << error.Describe();
        EXPECT_EQ(format->units, c.values.units);
        EXPECT_EQ(format->digitsPerUnit, c.values.digitsPerUnit);
        EXPECT_EQ(format->durationMs(), std::uint64_t{c.values.units} * c.values.secondsPerUnit * kSecond +
                                            std::uint64_t{c.values.breakSeconds} * kSecond);
        return;
    }
    EXPECT_FALSE(format);
    EXPECT_STREQ(engine::WordingOf(error.field).english, c.field);
    EXPECT_THAT(error.message, HasSubstr(c.range));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, CustomTest, testing::Values(
    CustomCase{"defaults", Columns(), "", ""},
    CustomCase{"lines with a break", With(Columns(), [](engine::CustomFormat& v) { v.order = engine::WorkOrder::LeftToRight; v.units = 4; v.breakAfter = 2; v.breakSeconds = 60; v.noRepeat = true; }), "", ""},
    CustomCase{"no columns", With(Columns(), [](engine::CustomFormat& v) { v.units = 0; }), "columns", "1 to 100"},
    CustomCase{"101 lines", With(Columns(), [](engine::CustomFormat& v) { v.order = engine::WorkOrder::LeftToRight; v.units = 101; }), "lines", "1 to 100"},
    CustomCase{"two digits", With(Columns(), [](engine::CustomFormat& v) { v.digitsPerUnit = 2; }), "digits per column", "3 to 200"},
    CustomCase{"201 digits", With(Columns(), [](engine::CustomFormat& v) { v.order = engine::WorkOrder::LeftToRight; v.digitsPerUnit = 201; }), "digits per line", "3 to 200"},
    CustomCase{"4 seconds", With(Columns(), [](engine::CustomFormat& v) { v.secondsPerUnit = 4; }), "seconds per column", "5 to 600"},
    CustomCase{"601 seconds", With(Columns(), [](engine::CustomFormat& v) { v.secondsPerUnit = 601; }), "seconds per column", "5 to 600"},
    CustomCase{"break after the last", With(Columns(), [](engine::CustomFormat& v) { v.breakAfter = 10; v.breakSeconds = 60; }), "break after", "1 to 9"},
    CustomCase{"break of one column", With(Columns(), [](engine::CustomFormat& v) { v.units = 1; v.breakAfter = 1; v.breakSeconds = 60; }), "break after", "at least 2"},
    CustomCase{"break too short", With(Columns(), [](engine::CustomFormat& v) { v.breakAfter = 5; v.breakSeconds = 9; }), "break seconds", "10 to 1800"},
    CustomCase{"break seconds without a break", With(Columns(), [](engine::CustomFormat& v) { v.breakSeconds = 60; }), "break seconds", "must be 0 without a break"},
    CustomCase{"lowest 9", With(Columns(), [](engine::CustomFormat& v) { v.lowestDigit = 9; }), "lowest digit", "0 to 8"},
    CustomCase{"lowest -1", With(Columns(), [](engine::CustomFormat& v) { v.lowestDigit = -1; }), "lowest digit", "0 to 8"},
    CustomCase{"one digit", With(Columns(), [](engine::CustomFormat& v) { v.lowestDigit = 4; v.highestDigit = 4; }), "highest digit", "5 to 9"},
    CustomCase{"highest 10", With(Columns(), [](engine::CustomFormat& v) { v.highestDigit = 10; }), "highest digit", "2 to 9"}));
// clang-format on

TEST(CustomFormatTest, ColumnsAreScoredAsKraepelinAndLinesAsUchida) {
    engine::FormatError error;
    engine::CustomFormat values;
    values.order = engine::WorkOrder::TopDown;
    EXPECT_EQ(engine::MakeCustomFormat(values, error)->family, engine::ScoreFamily::Kraepelin);
    values.order = engine::WorkOrder::LeftToRight;
    const std::optional<engine::SheetFormat> lines = engine::MakeCustomFormat(values, error);
    EXPECT_EQ(lines->family, engine::ScoreFamily::Uchida);
    EXPECT_TRUE(lines->cued()) << "every custom unit has its cue";
}

// ---- Generation ----

// The published test vector of SplitMix64: the first outputs from the seed 1234567.
TEST(SheetRandomTest, IsSplitMix64) {
    engine::SheetRandom random(1234567);
    for (const std::uint64_t expected : {6457827717110365317ull, 3203168211198807973ull, 9817491932198370423ull,
                                         4593380528125082431ull, 16408922859458223821ull})
        EXPECT_EQ(random.Next(), expected);
}

std::vector<int> DigitsOf(const engine::Sheet& sheet) {
    std::vector<int> digits;
    for (std::uint32_t unit = 0; unit < sheet.unitCount(); ++unit)
        for (std::uint32_t i = 0; i < sheet.digitCount(unit); ++i) digits.push_back(sheet.digit(unit, i));
    return digits;
}

struct GenerationCase {
    const char* name;
    bool practice;
};

void PrintTo(const GenerationCase& c, std::ostream* os) { *os << c.name << (c.practice ? " practice" : ""); }

class GenerationTest : public testing::TestWithParam<GenerationCase> {
protected:
    engine::SheetFormat Format() const {
        engine::FormatError error;
        return *engine::FormatByName(GetParam().name, GetParam().practice, error);
    }
};

TEST_P(GenerationTest, LaysOutTheFormatsUnitsAndPairs) {
    const engine::SheetFormat format = Format();
    const engine::Sheet sheet = engine::MakeSheet(format, 7);
    ASSERT_EQ(sheet.unitCount(), format.unitCount());
    std::uint64_t pairs = 0;
    for (std::uint32_t unit = 0; unit < sheet.unitCount(); ++unit) {
        pairs += sheet.pairCount(unit);
        if (unit + 1 < sheet.unitCount()) {
            EXPECT_EQ(sheet.digitCount(unit), format.digitsPerUnit) << "unit " << unit;
        }
    }
    EXPECT_EQ(pairs, format.totalPairs());
    EXPECT_EQ(sheet.seed(), 7u);
}

TEST_P(GenerationTest, DrawsEveryDigitOfTheRangeAndNoOther) {
    const engine::SheetFormat format = Format();
    for (const std::uint64_t seed : {0ull, 1ull, 0xFFFFFFFFFFFFFFFFull}) {
        const std::vector<int> digits = DigitsOf(engine::MakeSheet(format, seed));
        std::vector<int> counts(10, 0);
        for (const int digit : digits) {
            ASSERT_GE(digit, format.lowestDigit);
            ASSERT_LE(digit, format.highestDigit);
            ++counts[static_cast<std::size_t>(digit)];
        }
        // Each digit about equally often: within half of its share either way.
        const double share = static_cast<double>(digits.size()) / (format.highestDigit - format.lowestDigit + 1);
        for (int digit = format.lowestDigit; digit <= format.highestDigit; ++digit) {
            EXPECT_GT(counts[static_cast<std::size_t>(digit)], share / 2) << "digit " << digit << ", seed " << seed;
            EXPECT_LT(counts[static_cast<std::size_t>(digit)], share * 3 / 2) << "digit " << digit << ", seed " << seed;
        }
    }
}

TEST_P(GenerationTest, RepeatsNoDigitWhereTheFormatForbidsIt) {
    const engine::SheetFormat format = Format();
    const engine::Sheet sheet = engine::MakeSheet(format, 99);
    int repeats = 0;
    for (std::uint32_t unit = 0; unit < sheet.unitCount(); ++unit)
        for (std::uint32_t pair = 0; pair < sheet.pairCount(unit); ++pair)
            repeats += sheet.digit(unit, pair) == sheet.digit(unit, pair + 1) ? 1 : 0;
    if (format.noRepeat) {
        EXPECT_EQ(repeats, 0);
    } else {
        EXPECT_GT(repeats, 0) << "a digit may follow itself on this sheet, and in thousands of pairs some do";
    }
}

TEST_P(GenerationTest, SameSeedSameSheetOtherSeedOtherSheet) {
    const engine::SheetFormat format = Format();
    EXPECT_EQ(DigitsOf(engine::MakeSheet(format, 2026)), DigitsOf(engine::MakeSheet(format, 2026)));
    std::set<std::vector<int>> sheets;
    constexpr std::uint64_t kSeeds = 20;
    for (std::uint64_t seed = 0; seed < kSeeds; ++seed) sheets.insert(DigitsOf(engine::MakeSheet(format, seed)));
    EXPECT_EQ(sheets.size(), kSeeds);
}

INSTANTIATE_TEST_SUITE_P(Formats, GenerationTest,
                         testing::Values(GenerationCase{"kraepelin-15", false}, GenerationCase{"kraepelin-30", false},
                                         GenerationCase{"uchida", false}, GenerationCase{"uchida", true},
                                         GenerationCase{"pauli", false}));

TEST(SheetLayoutTest, PauliLastColumnHoldsTheAdditionsLeft) {
    engine::FormatError error;
    const engine::Sheet sheet = engine::MakeSheet(*engine::FormatByName("pauli", false, error), 1);
    // 4,000 = 81 × 49 + 31.
    EXPECT_EQ(sheet.pairCount(80), 49u);
    EXPECT_EQ(sheet.pairCount(81), 31u);
    EXPECT_EQ(sheet.totalDigits(), 81u * 50 + 32);
}

TEST(SheetLayoutTest, NoRepeatHoldsInTheNarrowestRange) {
    engine::CustomFormat values;
    values.lowestDigit = 0;
    values.highestDigit = 1;
    values.noRepeat = true;
    values.digitsPerUnit = 200;
    engine::FormatError error;
    const engine::Sheet sheet = engine::MakeSheet(*engine::MakeCustomFormat(values, error), 5);
    // Two digits that never repeat alternate.
    for (std::uint32_t i = 0; i + 1 < sheet.digitCount(0); ++i)
        ASSERT_NE(sheet.digit(0, i), sheet.digit(0, i + 1)) << "at " << i;
}

} // namespace
