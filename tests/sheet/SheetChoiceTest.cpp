// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet chosen on the command line: what opens the sheet window, and what is left to
// the command line's reader to refuse.
#include "sheet/SheetChoice.h"

#include <gtest/gtest.h>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using sheet::SheetChoice;

struct ArgumentsCase {
    const char* name;
    std::vector<std::string_view> arguments;
    std::optional<SheetChoice> choice;
};

void PrintTo(const ArgumentsCase& c, std::ostream* os) { *os << c.name; }

class SheetArgumentsTest : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(SheetArgumentsTest, ReadsAChoiceOrNone) {
    EXPECT_EQ(sheet::ReadSheetArguments(GetParam().arguments), GetParam().choice);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, SheetArgumentsTest,
    testing::Values(ArgumentsCase{"Preset", {"--sheet", "pauli"}, SheetChoice{"pauli", false, std::nullopt}},
                    ArgumentsCase{"WithEquals", {"--sheet=uchida"}, SheetChoice{"uchida", false, std::nullopt}},
                    ArgumentsCase{"AnyOrder",
                                  {"--seed", "42", "--practice", "--sheet", "kraepelin-30"},
                                  SheetChoice{"kraepelin-30", true, 42}},
                    ArgumentsCase{"SeedWithEquals",
                                  {"--sheet", "custom", "--seed=18446744073709551615"},
                                  SheetChoice{"custom", false, 18446744073709551615ull}},
                    ArgumentsCase{"Nothing", {}, std::nullopt},
                    ArgumentsCase{"PracticeAlone", {"--practice"}, std::nullopt},
                    ArgumentsCase{"SeedAlone", {"--seed", "3"}, std::nullopt},
                    ArgumentsCase{"SheetWithoutFormat", {"--sheet"}, std::nullopt},
                    ArgumentsCase{"UnknownFormat", {"--sheet", "raven"}, std::nullopt},
                    ArgumentsCase{"SeedNotANumber", {"--sheet", "pauli", "--seed", "-1"}, std::nullopt},
                    ArgumentsCase{"SeedTooLarge", {"--sheet", "pauli", "--seed", "18446744073709551616"}, std::nullopt},
                    ArgumentsCase{"CustomPractice", {"--sheet", "custom", "--practice"}, std::nullopt},
                    ArgumentsCase{"TwoSheets", {"--sheet", "pauli", "--sheet", "uchida"}, std::nullopt},
                    ArgumentsCase{"TwoSeeds", {"--sheet", "pauli", "--seed", "1", "--seed=2"}, std::nullopt},
                    ArgumentsCase{"AnotherOption", {"--sheet", "pauli", "--help"}, std::nullopt},
                    ArgumentsCase{"AnArgument", {"--sheet", "pauli", "answers.csv"}, std::nullopt}));

struct RefusalCase {
    const char* name;
    const char* format;
    bool practice;
    std::optional<std::string_view> seed;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class SheetChoiceRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(SheetChoiceRefusalTest, NamesTheValueAtFault) {
    std::string error;
    EXPECT_FALSE(sheet::MakeSheetChoice(GetParam().format, GetParam().practice, GetParam().seed, error));
    EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SheetChoiceRefusalTest,
    testing::Values(
        RefusalCase{"UnknownFormat", "kraepelin", false, std::nullopt,
                    "unknown sheet format \"kraepelin\"; the formats are kraepelin-15, kraepelin-30, uchida, pauli, "
                    "custom"},
        RefusalCase{"CustomPractice", "custom", true, std::nullopt,
                    "the custom sheet has no practice version; the formats with one are kraepelin-15, kraepelin-30, "
                    "uchida, pauli"},
        RefusalCase{"SeedWithLetters", "pauli", false, "12ab",
                    "seed: must be a whole number from 0 to 18446744073709551615, not \"12ab\""},
        RefusalCase{"EmptySeed", "uchida", true, "",
                    "seed: must be a whole number from 0 to 18446744073709551615, not \"\""}));

} // namespace
