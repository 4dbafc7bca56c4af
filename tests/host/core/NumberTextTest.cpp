// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/core/NumberText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace {

struct ParseCase {
    const char* text;
    const char* separator;
    std::optional<double> expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << "\" with '" << c.separator << '\''; }

class ParseNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ConvertsOrFails) {
    const ParseCase& c = GetParam();
    const std::optional<double> result = host::ParseNumber(c.text, c.separator);
    ASSERT_EQ(result.has_value(), c.expected.has_value());
    if (c.expected) {
        EXPECT_DOUBLE_EQ(*result, *c.expected);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Numbers, ParseNumberTest,
                         testing::Values(ParseCase{"1", ".", 1.0}, ParseCase{"99", ".", 99.0},
                                         ParseCase{"05", ".", 5.0}, ParseCase{"0", ".", 0.0},
                                         ParseCase{"+3", ".", 3.0}, ParseCase{"-2", ".", -2.0},
                                         ParseCase{"1.", ".", 1.0}, ParseCase{"0.", ".", 0.0},
                                         ParseCase{".5", ".", 0.5}, ParseCase{"1.5", ".", 1.5},
                                         ParseCase{"1e1", ".", 10.0}, ParseCase{"2.5E-1", ".", 0.25},
                                         ParseCase{"1.e2", ".", 100.0}));

INSTANTIATE_TEST_SUITE_P(Blanks, ParseNumberTest,
                         testing::Values(ParseCase{" 5", ".", 5.0}, ParseCase{"5 ", ".", 5.0},
                                         ParseCase{"  12  ", ".", 12.0}, ParseCase{"\t7\t", ".", 7.0},
                                         ParseCase{"5 5", ".", std::nullopt},
                                         ParseCase{"- 5", ".", std::nullopt},
                                         ParseCase{"1 000", ".", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, ParseNumberTest,
    testing::Values(ParseCase{"", ".", std::nullopt}, ParseCase{" ", ".", std::nullopt},
                    ParseCase{"a", ".", std::nullopt}, ParseCase{"5a", ".", std::nullopt},
                    ParseCase{"a5", ".", std::nullopt}, ParseCase{"-", ".", std::nullopt},
                    ParseCase{"+", ".", std::nullopt}, ParseCase{".", ".", std::nullopt},
                    ParseCase{"+.", ".", std::nullopt}, ParseCase{"1.2.3", ".", std::nullopt},
                    ParseCase{"--1", ".", std::nullopt}, ParseCase{"e5", ".", std::nullopt},
                    ParseCase{"1e", ".", std::nullopt}, ParseCase{"1e+", ".", std::nullopt},
                    ParseCase{"0x10", ".", std::nullopt}, ParseCase{"inf", ".", std::nullopt},
                    ParseCase{"nan", ".", std::nullopt}, ParseCase{"1e999", ".", std::nullopt},
                    ParseCase{"1e-999", ".", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(LocaleSeparators, ParseNumberTest,
                         testing::Values(ParseCase{"1,5", ",", 1.5}, ParseCase{"2,", ",", 2.0},
                                         ParseCase{" 3,25 ", ",", 3.25}, ParseCase{"1.5", ",", std::nullopt},
                                         ParseCase{"1.", ",", std::nullopt},
                                         ParseCase{",", ",", std::nullopt},
                                         ParseCase{"1,5", ".", std::nullopt},
                                         // Arabic decimal separator, two bytes in UTF-8.
                                         ParseCase{"1\xD9\xAB"
                                                   "5",
                                                   "\xD9\xAB", 1.5}));
// clang-format on

class DecimalSeparatorTest : public testing::Test {
protected:
    void TearDown() override { host::SetDecimalSeparator("."); }
};

TEST_F(DecimalSeparatorTest, DefaultsToPoint) {
    EXPECT_EQ(host::DecimalSeparator(), ".");
    EXPECT_EQ(host::ParseNumber("1.5"), 1.5);
}

TEST_F(DecimalSeparatorTest, SetSeparatorGovernsTheConversion) {
    ASSERT_TRUE(host::SetDecimalSeparator(","));
    EXPECT_EQ(host::ParseNumber("1,5"), 1.5);
    EXPECT_EQ(host::ParseNumber("1.5"), std::nullopt);
}

TEST_F(DecimalSeparatorTest, RefusesSeparatorsThatBelongToNumbers) {
    for (const char* bad : {"", "1", " ", "-", "+", "e", "E", "\t"}) {
        EXPECT_FALSE(host::SetDecimalSeparator(bad)) << '"' << bad << '"';
    }
    EXPECT_EQ(host::DecimalSeparator(), ".");
}

TEST(FormatSignedTest, LeavesTheSignPositionBlankForNonNegative) {
    EXPECT_EQ(host::FormatSigned(0), " 0");
    EXPECT_EQ(host::FormatSigned(7), " 7");
    EXPECT_EQ(host::FormatSigned(-7), "-7");
}

TEST(FormatTwoDigitsTest, PadsToTwoDigits) {
    EXPECT_EQ(host::FormatTwoDigits(0), "00");
    EXPECT_EQ(host::FormatTwoDigits(5), "05");
    EXPECT_EQ(host::FormatTwoDigits(10), "10");
    EXPECT_EQ(host::FormatTwoDigits(59), "59");
    EXPECT_EQ(host::FormatTwoDigits(123), "123");
    EXPECT_EQ(host::FormatTwoDigits(-5), "-05");
    EXPECT_EQ(host::FormatTwoDigits(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

struct FixedCase {
    double value;
    const char* expected;
};

void PrintTo(const FixedCase& c, std::ostream* os) { *os << std::hexfloat << c.value; }

class FormatFixed2Test : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixed2Test, RoundsToHundredths) { EXPECT_EQ(host::FormatFixed2(GetParam().value), GetParam().expected); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ordinary, FormatFixed2Test,
                         testing::Values(FixedCase{0.0, "0.00"}, FixedCase{25.0, "25.00"},
                                         FixedCase{25.0 / 60.0, "0.42"}, FixedCase{10.0 / 30.0, "0.33"},
                                         FixedCase{2.0 / 3.0, "0.67"}, FixedCase{0.994, "0.99"},
                                         FixedCase{0.996, "1.00"}, FixedCase{99.999, "100.00"},
                                         FixedCase{1e20, "100000000000000000000.00"},
                                         FixedCase{-1.5, "-1.50"}));

// Half-way values (odd eighths) go away from zero; ties-to-even would give 0.12 and 0.62.
INSTANTIATE_TEST_SUITE_P(ExactlyHalfWay, FormatFixed2Test,
                         testing::Values(FixedCase{0.125, "0.13"}, FixedCase{0.375, "0.38"},
                                         FixedCase{0.625, "0.63"}, FixedCase{0.875, "0.88"},
                                         FixedCase{7.125, "7.13"}, FixedCase{-0.125, "-0.13"},
                                         FixedCase{-2.625, "-2.63"},
                                         FixedCase{562949953421312.125, "562949953421312.13"}));

// Decimal "halves" that binary cannot hold round by the value actually stored.
INSTANTIATE_TEST_SUITE_P(DecimalHalvesNotExact, FormatFixed2Test,
                         testing::Values(FixedCase{1.005, "1.00"}, FixedCase{0.005, "0.01"},
                                         FixedCase{0.015, "0.01"}, FixedCase{2.675, "2.67"}));

INSTANTIATE_TEST_SUITE_P(Special, FormatFixed2Test,
                         testing::Values(FixedCase{-0.0, "0.00"}, FixedCase{-0.001, "0.00"},
                                         FixedCase{std::numeric_limits<double>::infinity(), "inf"},
                                         FixedCase{std::numeric_limits<double>::quiet_NaN(), "nan"}));
// clang-format on

} // namespace
