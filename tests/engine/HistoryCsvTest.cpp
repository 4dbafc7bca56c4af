// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV files the program writes, read back into kept sittings: real sittings of each format
// saved and imported whole, the drill's answers, file names, and broken files refused with
// their line.
#include "engine/HistoryCsv.h"

#include "../support/ScriptedClock.h"
#include "engine/AnswersCsv.h"
#include "engine/PaperSitting.h"
#include "engine/Sheet.h"
#include "engine/SheetCsv.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using engine::ImportHints;

// Tuesday 8 December 2026, 09:30:00 in Jakarta (UTC+7), 02:30 UTC.
constexpr std::int64_t kEndedUtcMs = 1'796'697'000'000;
constexpr std::int64_t kEndedLocalMs = 1'796'722'200'000;
constexpr std::int32_t kJakarta = 420;

// Sits `format` (seed 7) by keys: r a right answer, w a wrong one, s a pass, b Backspace, > on
// to the next cue or stroke; then its time runs out.
engine::KeptSitting Sit(const engine::SheetFormat& format, const std::string& keys) {
    ScriptedClock clock;
    engine::SheetSitting sitting(format, engine::MakeSheet(format, 7), clock);
    sitting.Start();
    const std::uint64_t step = 1000ull * (format.cued() ? format.secondsPerUnit : format.strokeSeconds);
    for (const char key : keys) {
        const int sum = (sitting.cursor().operand1 + sitting.cursor().operand2) % 10;
        clock.Advance(key == '>' ? step : 700);
        if (key == 'r' || key == 'w') sitting.TypeDigit(key == 'r' ? sum : (sum + 1) % 10);
        if (key == 's') sitting.Pass();
        if (key == 'b') sitting.Backspace();
        sitting.Poll();
    }
    clock.Advance(format.durationMs() + 1000ull * format.breakSeconds);
    sitting.Poll();
    return engine::KeepSheet(format, sitting.record(), 7, *sitting.endReason(), sitting.elapsedMs(),
                             {kEndedUtcMs, kJakarta});
}

engine::SheetFormat Preset(const char* name, bool practice) {
    engine::FormatError error;
    return *engine::FormatByName(name, practice, error);
}

void ExpectImportedWhole(const engine::KeptSitting& sat, const ImportHints& hints) {
    engine::CsvError error;
    const std::optional<engine::KeptSitting> imported = engine::ImportCsv(engine::ExportCsv(sat), hints, error);
    ASSERT_TRUE(imported) << error.Describe();
    EXPECT_EQ(imported->origin, engine::KeptOrigin::Imported);
    EXPECT_EQ(imported->end, engine::KeptEnd::NotRecorded);
    EXPECT_EQ(imported->endedAt, sat.endedAt) << "from the file's name, read in the user's offset";
    EXPECT_EQ(engine::FiguresText(imported->figures), engine::FiguresText(sat.figures))
        << "the scores worked out again are the scores kept";
    if (const engine::KeptSheet* sheet = sat.sheet()) {
        EXPECT_EQ(imported->sheet()->format, sheet->format);
        EXPECT_EQ(imported->sheet()->seed, sheet->seed);
        EXPECT_EQ(imported->sheet()->record, sheet->record) << "units, periods, passes and withdrawn pairs as sat";
    } else {
        EXPECT_EQ(imported->drill()->record, sat.drill()->record);
    }
}

TEST(ImportCsvTest, ReadsBackEachSheetThePresetsWrite) {
    // Every kind of pair: right, wrong, passed, corrected, passed after Backspace, and taken
    // back at the cue (withdrawn), in every column, line or period.
    const std::string unit = "rrwsrbrbsrrrbb>";
    std::string kraepelin, uchida, pauli;
    for (int i = 0; i < 10; ++i) kraepelin += unit;
    for (int i = 0; i < 6; ++i) uchida += unit;
    uchida.insert(3 * unit.size(), ">"); // the break
    for (int i = 0; i < 3; ++i) pauli += std::string(60, 'r') + "wsbb>";
    for (const auto& [name, keys] : {std::pair{"kraepelin-15", kraepelin}, std::pair{"kraepelin-30", kraepelin},
                                     std::pair{"uchida", uchida}, std::pair{"pauli", pauli}}) {
        SCOPED_TRACE(name);
        const engine::KeptSitting sat = Sit(Preset(name, true), keys);
        ExpectImportedWhole(sat, {engine::ExportFileName(sat), {}, {}, {}, {}, kJakarta});
    }
    // On paper: no times, and a wrong answer's digit not known.
    const engine::SheetFormat format = Preset("kraepelin-15", true);
    const engine::PaperEntry entry{engine::PaperEntry::Detail::Counts,
                                   std::vector<engine::PaperRow>(10, {{1, 20}, {}, {}, 2, 1})};
    engine::PaperError refusal;
    const auto paper = engine::MakePaperRecord(format, engine::MakeSheet(format, 7), entry, {}, refusal).value();
    const engine::KeptSitting sat = engine::KeepSheet(format, paper.record, 7, paper.end, paper.elapsedMs, {});
    ExpectImportedWhole(sat, {engine::ExportFileName(sat), {}, {}, {}, {}, 0});
}

TEST(ImportCsvTest, TakesWhatTheFileDoesNotSayFromTheCaller) {
    engine::FormatError refusal;
    const engine::CustomFormat values{engine::WorkOrder::TopDown, 4, 8, 20, 0, 0, 0, 9, false};
    const engine::KeptSitting custom = Sit(*engine::MakeCustomFormat(values, refusal), "rrwr>rsr>rbr>rr");
    ImportHints hints{"answers.csv", {}, 7, values, {kEndedUtcMs, kJakarta}, 0};
    ExpectImportedWhole(custom, hints);
    hints.custom.reset();
    engine::CsvError error;
    EXPECT_FALSE(engine::ImportCsv(engine::ExportCsv(custom), hints, error)) << "a custom sheet's layout is in no file";

    // A practice sheet under another name: the caller says which version it was.
    // Columns, lines or periods after the last answer are not in the file: each has one here.
    const engine::KeptSitting practice = Sit(Preset("uchida", true), "rrr>rr>r>>rr>rr>r");
    ExpectImportedWhole(practice, {"renamed.csv", true, 7, {}, {kEndedUtcMs, kJakarta}, 0});
    EXPECT_FALSE(engine::ImportCsv(engine::ExportCsv(practice), {"renamed.csv", {}, {}, {}, {}, 0}, error));
    EXPECT_EQ(error.line, 0u) << error.Describe();
}

TEST(ImportCsvTest, ReadsTheDrillsAnswers) {
    std::vector<engine::RecordedAnswer> answers;
    for (std::uint32_t i = 0; i < 40; ++i)
        answers.push_back(engine::MakeRecordedAnswer(i % 10, 7, i % 7 == 0 ? "x" : std::to_string((i % 10 + 7) % 10),
                                                     i % 7 != 0, i / 15, 900 + i));
    const engine::KeptSitting run =
        engine::KeepDrill(answers, {3, 0}, engine::KeptEnd::TimeUp, {kEndedUtcMs, kJakarta}, 3);
    EXPECT_EQ(engine::ExportFileName(run), "tavrendale-20261208-093000.csv");
    ExpectImportedWhole(run, {engine::ExportFileName(run), {}, {}, {}, {}, kJakarta});
}

struct NameCase {
    const char* name;
    const char* format;
    bool practice;
    std::optional<std::uint64_t> seed;
};

TEST(CsvFileNameTest, ReadsTheNamesTheProgramSuggests) {
    // clang-format off
    const NameCase names[] = {
        {"tavrendale-20261208-093000.csv", "", false, std::nullopt},
        {"tavrendale-kraepelin-15-20261208-093000.csv", "kraepelin-15", false, std::nullopt},
        {"tavrendale-kraepelin-15-42-20261208-093000.csv", "kraepelin-15", false, 42},
        {"tavrendale-pauli-practice-18446744073709551615-20261208-093000.csv", "pauli", true, 18446744073709551615ull},
        {"tavrendale-uchida-practice-20261208-093000.csv", "uchida", true, std::nullopt},
        {"tavrendale-pauli-7-20261208-093000-2.csv", "pauli", false, 7},
    };
    // clang-format on
    for (const NameCase& c : names) {
        const std::optional<engine::CsvFileName> name = engine::ParseCsvFileName(c.name);
        ASSERT_TRUE(name) << c.name;
        EXPECT_EQ(name->format, c.format) << c.name;
        EXPECT_EQ(name->practice, c.practice) << c.name;
        EXPECT_EQ(name->seed, c.seed) << c.name;
        EXPECT_EQ(name->localMs, kEndedLocalMs) << c.name;
    }
    for (const char* other : {"tavrendale-20261308-093000.csv", "tavrendale-bourdon-20261208-093000.csv",
                              "tavrendale-pauli-x-20261208-093000.csv", "answers.csv", "tavrendale-20261208-0930.csv"})
        EXPECT_FALSE(engine::ParseCsvFileName(other)) << other;
}

struct BrokenCase {
    const char* label;
    std::string text;
    std::size_t line;
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.label; }

class BrokenCsvTest : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenCsvTest, IsRefusedWithItsLine) {
    engine::CsvError error;
    const ImportHints hints{"tavrendale-uchida-7-20261208-093000.csv", {}, {}, {}, {}, kJakarta};
    EXPECT_FALSE(engine::ImportCsv(GetParam().text, hints, error));
    EXPECT_EQ(error.line, GetParam().line) << error.Describe();
    EXPECT_FALSE(error.message.empty());
}

const std::string kSheet = std::string(engine::kSheetCsvHeader) + "\r\n";
const std::string kDrill = std::string(engine::kAnswersCsvHeader) + "\r\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, BrokenCsvTest, testing::Values(
    BrokenCase{"an empty file", "", 1},
    BrokenCase{"a spreadsheet of something else", "name,score\r\nAni,12\r\n", 1},
    BrokenCase{"a record short of a field", kSheet + "1,uchida,1,1,3,4,7,TRUE,0\r\n", 2},
    BrokenCase{"an index skipped", kSheet + "1,uchida,1,1,3,4,7,TRUE,0,800\r\n3,uchida,1,2,4,5,9,TRUE,0,800\r\n", 3},
    BrokenCase{"a wrong sum called right", kSheet + "1,uchida,1,1,3,4,8,TRUE,0,800\r\n", 2},
    BrokenCase{"a pass with a time", kSheet + "1,uchida,1,1,3,4,,,0,800\r\n", 2},
    BrokenCase{"two formats", kSheet + "1,uchida,1,1,3,4,7,TRUE,0,800\r\n2,pauli,1,2,4,5,9,TRUE,0,800\r\n", 3},
    BrokenCase{"positions going back", kSheet + "1,uchida,1,2,3,4,7,TRUE,0,800\r\n2,uchida,1,1,4,5,9,TRUE,0,800\r\n", 3},
    BrokenCase{"a digit Uchida-Kraepelin never prints", kSheet + "1,uchida,1,1,2,4,6,TRUE,0,800\r\n", 2},
    BrokenCase{"a line past the sheet's 30", kSheet + "1,uchida,31,1,3,4,7,TRUE,0,800\r\n", 2},
    BrokenCase{"an unclosed quote", kSheet + "1,\"uchida,1,1,3,4,7,TRUE,0,800\r\n", 2},
    BrokenCase{"the drill's minute as a word", kDrill + "1,one,3,4,7,TRUE,800\r\n", 2},
    BrokenCase{"the drill's sum wrong", kDrill + "1,0,3,4,7,TRUE,800\r\n2,0,3,4,8,TRUE,800\r\n", 3}));
// clang-format on

} // namespace
