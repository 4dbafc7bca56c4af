// SPDX-License-Identifier: GPL-3.0-or-later
// Sheets laid out on paper: every mark inside the printable area, no digit or gap on another,
// the digits in the sheet's order, the pages and sizes of each form; sizes refused by name.
#include "engine/PaperLayout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <vector>

namespace {

using engine::FormatError;
using engine::PaperOrientation;
using engine::PaperSize;

struct LayoutCase {
    const char* name;
    const char* format;
    bool practice;
    PaperSize size;
    std::optional<PaperOrientation> orientation;
    std::size_t pages; // the sheet's own, without the key and the grid
    std::uint32_t digitPoints;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class PaperLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(PaperLayoutTest, PlacesEveryDigitOnceInsideThePrintableArea) {
    const LayoutCase& c = GetParam();
    FormatError error;
    const engine::SheetFormat format = *engine::FormatByName(c.format, c.practice, error);
    const engine::Sheet sheet = engine::MakeSheet(format, 11);
    engine::PaperOptions options{c.size, c.orientation, std::nullopt, true, true};
    const auto layout = engine::LayOutPaper(format, sheet, options, error);
    ASSERT_TRUE(layout) << error.Describe();
    EXPECT_EQ(layout->digitPoints, c.digitPoints);
    // The sheet's pages, as many key pages, one grid.
    ASSERT_EQ(layout->pages.size(), 2 * c.pages + 1);
    EXPECT_EQ(layout->pages.back().kind, engine::PaperPageKind::CurveGrid);

    std::vector<int> digits;
    for (std::size_t index = 0; index < layout->pages.size(); ++index) {
        const engine::PaperPage& page = layout->pages[index];
        std::vector<engine::PaperRect> marks;
        for (const auto& digit : page.digits) marks.push_back(digit.rect);
        for (const auto& gap : page.gaps) marks.push_back(gap.rect);
        for (const auto& label : page.labels)
            EXPECT_TRUE(layout->printable.contains(label.rect)) << "a label of page " << index + 1;
        // From left to right: a mark can meet only those that start before it ends.
        std::sort(marks.begin(), marks.end(), [](const auto& a, const auto& b) { return a.left < b.left; });
        for (std::size_t i = 0; i < marks.size(); ++i) {
            ASSERT_TRUE(layout->printable.contains(marks[i])) << "mark " << i << " of page " << index + 1;
            for (std::size_t j = i + 1; j < marks.size() && marks[j].left < marks[i].right(); ++j)
                ASSERT_FALSE(marks[i].overlaps(marks[j])) << "marks " << i << " and " << j << " of page " << index + 1;
        }
        if (index < c.pages) {
            for (const auto& digit : page.digits) digits.push_back(digit.digit);
        }
    }
    std::vector<int> expected;
    for (std::uint32_t unit = 0; unit < sheet.unitCount(); ++unit)
        for (std::uint32_t i = 0; i < sheet.digitCount(unit); ++i) expected.push_back(sheet.digit(unit, i));
    EXPECT_EQ(digits, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, PaperLayoutTest,
    testing::Values(LayoutCase{"Kraepelin15A4", "kraepelin-15", false, PaperSize::A4, std::nullopt, 2, 11},
                    LayoutCase{"Kraepelin15A3", "kraepelin-15", false, PaperSize::A3, std::nullopt, 1, 11},
                    LayoutCase{"Kraepelin15Letter", "kraepelin-15", false, PaperSize::Letter, std::nullopt, 2, 11},
                    LayoutCase{"Kraepelin30A4", "kraepelin-30", false, PaperSize::A4, std::nullopt, 1, 5},
                    LayoutCase{"Kraepelin30A4Portrait", "kraepelin-30", false, PaperSize::A4,
                               PaperOrientation::Portrait, 2, 8},
                    LayoutCase{"Kraepelin30A3", "kraepelin-30", false, PaperSize::A3, std::nullopt, 1, 8},
                    LayoutCase{"UchidaA4", "uchida", false, PaperSize::A4, std::nullopt, 2, 7},
                    LayoutCase{"UchidaA3", "uchida", false, PaperSize::A3, std::nullopt, 1, 8},
                    LayoutCase{"UchidaPracticeLetter", "uchida", true, PaperSize::Letter, std::nullopt, 1, 6},
                    LayoutCase{"PauliA4", "pauli", false, PaperSize::A4, std::nullopt, 4, 10},
                    LayoutCase{"PauliA3Landscape", "pauli", false, PaperSize::A3, PaperOrientation::Landscape, 2, 10}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    const char* format;
    PaperSize size;
    std::optional<PaperOrientation> orientation;
    std::uint32_t points;
    FormatError::Problem problem;
    std::uint64_t high;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class PaperRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(PaperRefusalTest, NamesTheDigitSize) {
    const RefusalCase& c = GetParam();
    FormatError error;
    const engine::SheetFormat format = *engine::FormatByName(c.format, false, error);
    engine::PaperOptions options{c.size, c.orientation, c.points, false, false};
    EXPECT_FALSE(engine::LayOutPaper(format, engine::MakeSheet(format, 1), options, error));
    EXPECT_EQ(error.field, FormatError::Field::DigitSize);
    EXPECT_EQ(error.problem, c.problem);
    EXPECT_EQ(error.high, c.high);
    EXPECT_EQ(error.value, std::to_string(c.points));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PaperRefusalTest,
                         testing::Values(RefusalCase{"BelowTheSmallest", "pauli", PaperSize::A4, std::nullopt, 4,
                                                     FormatError::Problem::OutOfRange, 18},
                                         RefusalCase{"AboveTheLargest", "pauli", PaperSize::A4, std::nullopt, 19,
                                                     FormatError::Problem::OutOfRange, 18},
                                         RefusalCase{"TooLargeForThePage", "kraepelin-30", PaperSize::A4, std::nullopt,
                                                     9, FormatError::Problem::DoesNotFit, 5},
                                         RefusalCase{"NoSizeFits", "uchida", PaperSize::A4, PaperOrientation::Portrait,
                                                     5, FormatError::Problem::DoesNotFit, 0}),
                         [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

} // namespace
