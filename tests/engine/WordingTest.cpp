// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Wording.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct WordedCase {
    const char* name;
    const char* english;
    std::vector<std::string> figures;
    const char* worded;
};

void PrintTo(const WordedCase& c, std::ostream* os) { *os << c.name; }

class WordedTest : public testing::TestWithParam<WordedCase> {};

TEST_P(WordedTest, PutsEachFigureInPlaceOfItsMarker) {
    const WordedCase& c = GetParam();
    const engine::Wording wording{"Test", c.english};
    std::string worded;
    switch (c.figures.size()) {
    case 0: worded = engine::Worded(wording); break;
    case 1: worded = engine::Worded(wording, {c.figures[0]}); break;
    case 2: worded = engine::Worded(wording, {c.figures[0], c.figures[1]}); break;
    default: worded = engine::Worded(wording, {c.figures[0], c.figures[1], c.figures[2]}); break;
    }
    EXPECT_EQ(worded, c.worded);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WordedTest,
    testing::Values(WordedCase{"NoMarker", "Result not logged.", {}, "Result not logged."},
                    WordedCase{"OneFigure", "Total true: %1", {"25"}, "Total true: 25"},
                    WordedCase{"ADash", "Duration: %1 minute(s)", {"-"}, "Duration: - minute(s)"},
                    WordedCase{"BlanksKept", "%1 + %2 = %3 | TRUE", {" 7", " 5", "2"}, " 7 +  5 = 2 | TRUE"},
                    WordedCase{"OtherOrder", "%3 = %2 + %1", {"a", "b", "c"}, "c = b + a"},
                    WordedCase{"MarkerTwice", "%1/%1", {"x"}, "x/x"},
                    WordedCase{"FigureNotSearched", "%1 and %2", {"%2", "x"}, "%2 and x"},
                    WordedCase{"MarkerWithoutFigure", "%1 %2", {"a"}, "a %2"},
                    WordedCase{"NoFigures", "Total true: %1", {}, "Total true: %1"},
                    WordedCase{"PercentSign", "100% of %1", {"x"}, "100% of x"},
                    WordedCase{"PercentAtTheEnd", "%1%", {"5"}, "5%"},
                    WordedCase{"ZeroIsNoMarker", "%0 %1", {"a"}, "%0 a"}, WordedCase{"EmptyFigure", "[%1]", {""}, "[]"},
                    WordedCase{"Utf8Figure", "= %1", {"\xC3\xA9"}, "= \xC3\xA9"}),
    [](const testing::TestParamInfo<WordedCase>& info) { return std::string(info.param.name); });

} // namespace
