// SPDX-License-Identifier: GPL-3.0-or-later
// The marks files: the ones built in, broken ones refused with the line and the key, and the
// bands' edges.
#include "engine/MarksFile.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using engine::Band;
using engine::MarkTest;

TEST(BuiltInMarksTest, EachFileParsesWithItsSourcedNumbers) {
    for (const MarkTest test : {MarkTest::Kraepelin, MarkTest::Uchida, MarkTest::Pauli}) {
        engine::MarksError error;
        const std::optional<engine::MarksFile> file = engine::ParseMarksFile(engine::BuiltInMarksText(test), error);
        ASSERT_TRUE(file) << error.Describe();
        EXPECT_EQ(file->test, test);
        for (const engine::MarkSetting& setting : file->settings) EXPECT_TRUE(file->source(setting.source));
    }
    engine::MarksError error;
    const engine::MarksFile uchida = *engine::ParseMarksFile(engine::BuiltInMarksText(MarkTest::Uchida), error);
    EXPECT_EQ(uchida.setting("typical.error_percent_at_most")->value, 1.0);
    EXPECT_EQ(uchida.setting("typical.error_percent_at_most")->source, "hiromi");
    EXPECT_EQ(uchida.setting("level_a.second_half_mean_at_least")->value, 65.0);
    EXPECT_EQ(uchida.setting("level_a.second_half_mean_at_least")->source, "unsourced")
        << "a number no source publishes must not be credited to one";
}

// A whole Pauli file, which each broken case changes in one place.
std::string PauliFile(const std::string& settings) {
    return "# a comment\nmarks = pauli\ndate = 2026-12-08\n"
           "source.own = Ours | - | 2026 | Our choice.\n"
           "feature.first_period = own\nfeature.late_peak = own\nfeature.end_above_dip = own\n" +
           settings;
}
const std::string kSettings =
    "first_period_mark = 130 @ own\nlate_peak_from_share = 0.5 @ own\nearly_dip_periods = 5 @ own\n";

struct BrokenCase {
    const char* label;
    std::string text;
    std::size_t line;
    const char* key;
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.label; }

class BrokenMarksTest : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenMarksTest, IsRefusedWithItsLineAndKey) {
    engine::MarksError error;
    EXPECT_TRUE(engine::ParseMarksFile(PauliFile(kSettings), error)) << "the unbroken file reads";
    ASSERT_FALSE(engine::ParseMarksFile(GetParam().text, error));
    EXPECT_EQ(error.line, GetParam().line) << error.Describe();
    EXPECT_EQ(error.key, GetParam().key) << error.Describe();
    EXPECT_FALSE(error.message.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, BrokenMarksTest, testing::Values(
    BrokenCase{"an empty file", "", 0, "marks"},
    BrokenCase{"a key before the test", "date = 2026-12-08\nmarks = pauli\n", 1, "date"},
    BrokenCase{"another test", "marks = bourdon\n", 1, "marks"},
    BrokenCase{"a line that is no key", PauliFile(kSettings + "first period 130\n"), 11, "first period 130"},
    BrokenCase{"an unknown setting", PauliFile(kSettings + "first_period_mak = 130 @ own\n"), 11, "first_period_mak"},
    BrokenCase{"a number without its source", PauliFile("first_period_mark = 130\n"), 8, "first_period_mark"},
    BrokenCase{"no number", PauliFile("first_period_mark = many @ own\n"), 8, "first_period_mark"},
    BrokenCase{"a source not defined", PauliFile("first_period_mark = 130 @ arnold\nlate_peak_from_share = 0.5 @ own\n"
                                                 "early_dip_periods = 5 @ own\n"), 8, "first_period_mark"},
    BrokenCase{"a key twice", PauliFile(kSettings + "early_dip_periods = 4 @ own\n"), 11, "early_dip_periods"},
    BrokenCase{"a setting missing", PauliFile("first_period_mark = 130 @ own\nearly_dip_periods = 5 @ own\n"), 0,
               "late_peak_from_share"},
    BrokenCase{"a source of three parts", "marks = pauli\nsource.x = A | B | C\n", 2, "source.x"},
    BrokenCase{"bands in a Pauli file", PauliFile("band.own.panker = higher 4 3 2 1\n"), 8, "band.own.panker"},
    BrokenCase{"bands the wrong way", "marks = kraepelin\ndate = 2026-12-08\nsource.s = A | B | C | D\n"
                                      "band.s.tianker = lower 9 6 3 0\n", 4, "band.s.tianker"},
    BrokenCase{"a band of no figure", "marks = kraepelin\nband.s.speed = higher 4 3 2 1\n", 2, "band.s.speed"},
    BrokenCase{"an example of no band", "marks = kraepelin\nexample.s.tianker = 9 good\n", 2, "example.s.tianker"}));
// clang-format on

struct BandCase {
    double value;
    Band band;
};

TEST(BandOfTest, TakesTheBetterBandOnEachCutPoint) {
    const engine::BandTable higher{"s", engine::FigureKey::Panker, engine::Better::Higher, {15, 12, 9, 6}, 1};
    const engine::BandTable lower{"s", engine::FigureKey::Tianker, engine::Better::Lower, {2, 5, 10, 20}, 2};
    // clang-format off
    const BandCase higherCases[] = {{20, Band::BaikSekali}, {15, Band::BaikSekali}, {14.99, Band::Baik}, {12, Band::Baik},
                                    {9, Band::Sedang}, {6, Band::Kurang}, {5.99, Band::KurangSekali}};
    const BandCase lowerCases[] = {{0, Band::BaikSekali}, {2, Band::BaikSekali}, {2.01, Band::Baik}, {10, Band::Sedang},
                                   {20, Band::Kurang}, {20.5, Band::KurangSekali}};
    // clang-format on
    for (const BandCase& c : higherCases) EXPECT_EQ(engine::BandOf(higher, c.value), c.band) << c.value;
    for (const BandCase& c : lowerCases) EXPECT_EQ(engine::BandOf(lower, c.value), c.band) << c.value;
}

} // namespace
