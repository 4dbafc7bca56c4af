// SPDX-License-Identifier: GPL-3.0-or-later
// A refused format, seed or custom value in the user's language: in English word for word
// what the format's checks say, and in another language with its field named in that
// language too.
#include "sheet/FormatErrorText.h"

#include "../support/PseudoTranslator.h"
#include "engine/SheetFormat.h"
#include "sheet/SheetChoice.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using testsupport::PseudoTranslator;

struct RefusalCase {
    const char* name;
    // The field the refusal names.
    const char* field;
    std::function<engine::FormatError()> refuse;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

engine::FormatError Custom(const std::function<void(engine::CustomFormat&)>& change) {
    engine::CustomFormat values;
    change(values);
    engine::FormatError error;
    EXPECT_FALSE(engine::MakeCustomFormat(values, error).has_value());
    return error;
}

engine::CustomFormat& Lines(engine::CustomFormat& values) {
    values.order = engine::WorkOrder::LeftToRight;
    return values;
}

// Every refusal the format's checks give, for columns and for lines, and the custom form's own.
const RefusalCase kRefusals[] = {
    {"UnknownFormat", "format",
     [] {
         engine::FormatError error;
         EXPECT_FALSE(engine::FormatByName("weekly", false, error));
         return error;
     }},
    {"SeedNotANumber", "seed",
     [] {
         engine::FormatError error;
         EXPECT_FALSE(engine::ParseSeed("12x", error));
         return error;
     }},
    {"NoColumns", "columns", [] { return Custom([](auto& v) { v.units = 0; }); }},
    {"TooManyLines", "lines", [] { return Custom([](auto& v) { Lines(v).units = 101; }); }},
    {"TooFewDigitsPerColumn", "digits per column", [] { return Custom([](auto& v) { v.digitsPerUnit = 2; }); }},
    {"TooManyDigitsPerLine", "digits per line", [] { return Custom([](auto& v) { Lines(v).digitsPerUnit = 201; }); }},
    {"TooFewSecondsPerColumn", "seconds per column", [] { return Custom([](auto& v) { v.secondsPerUnit = 4; }); }},
    {"TooManySecondsPerLine", "seconds per line",
     [] { return Custom([](auto& v) { Lines(v).secondsPerUnit = 601; }); }},
    {"BreakInOneColumn", "break after",
     [] {
         return Custom([](auto& v) {
             v.units = 1;
             v.breakAfter = 1;
         });
     }},
    {"BreakInOneLine", "break after",
     [] {
         return Custom([](auto& v) {
             Lines(v).units = 1;
             v.breakAfter = 1;
         });
     }},
    {"BreakAfterTheLastColumn", "break after", [] { return Custom([](auto& v) { v.breakAfter = 10; }); }},
    {"TooShortABreak", "break seconds",
     [] {
         return Custom([](auto& v) {
             v.breakAfter = 5;
             v.breakSeconds = 9;
         });
     }},
    {"BreakSecondsWithoutABreak", "break seconds", [] { return Custom([](auto& v) { v.breakSeconds = 30; }); }},
    {"LowestDigitNine", "lowest digit", [] { return Custom([](auto& v) { v.lowestDigit = 9; }); }},
    {"HighestBelowLowest", "highest digit", [] { return Custom([](auto& v) { v.highestDigit = 1; }); }},
    {"NotAWholeNumber", "digits per column",
     [] {
         // As the custom form refuses a field it cannot read.
         engine::FormatError error;
         error.field = engine::FormatError::Field::DigitsPerColumn;
         error.message = "must be a whole number, not \"2x\"";
         error.problem = engine::FormatError::Problem::NotAWholeNumber;
         error.value = "2x";
         return error;
     }},
};

class FormatErrorTextTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(FormatErrorTextTest, InEnglishSaysWhatTheChecksSay) {
    const engine::FormatError error = GetParam().refuse();
    ASSERT_STREQ(engine::WordingOf(error.field).english, GetParam().field);
    ASSERT_NE(error.problem, engine::FormatError::Problem::None);
    EXPECT_EQ(sheet::FormatErrorText(error).toStdString(), error.Describe());
}

TEST_P(FormatErrorTextTest, InAnotherLanguageNamesTheFieldInItToo) {
    const engine::FormatError error = GetParam().refuse();
    const PseudoTranslator translator;
    const QString text = sheet::FormatErrorText(error);
    const QString field = QChar(PseudoTranslator::kOpen) + QString::fromUtf8(engine::WordingOf(error.field).english) +
                          QChar(PseudoTranslator::kClose);
    EXPECT_TRUE(text.startsWith(QChar(PseudoTranslator::kOpen) + field)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Refusals, FormatErrorTextTest, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(SheetChoiceTextTest, ARefusedChoiceIsToldInTheLanguageInstalled) {
    struct Case {
        const char* format;
        bool practice;
        std::optional<std::string_view> seed;
    };
    const Case cases[] = {{"weekly", false, std::nullopt}, {"custom", true, std::nullopt}, {"pauli", false, "x1"}};
    const PseudoTranslator translator;
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(sheet::MakeSheetChoice(c.format, c.practice, c.seed, error));
        EXPECT_TRUE(PseudoTranslator::Marked(QString::fromStdString(error))) << error;
    }
}

} // namespace
