// SPDX-License-Identifier: GPL-3.0-or-later
// A kept sitting's figures, their text and its format's key.
#include "engine/KeptSitting.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using engine::FigureKey;

TEST(FiguresTextTest, ReadsBackEveryBitAndRefusesWhatIsNoNumber) {
    engine::Figures figures;
    figures.set(FigureKey::HankerSlope, -1.0 / 3.0);
    figures.set(FigureKey::Panker, 12.48);
    figures.set(FigureKey::Tianker, 3);
    figures.set(FigureKey::Panker, 12.5); // replaces
    const std::string text = engine::FiguresText(figures);
    EXPECT_EQ(text, "panker=12.5;tianker=3;hanker_slope=-0.3333333333333333");
    std::string error;
    EXPECT_EQ(engine::ParseFiguresText(text, error), figures);
    EXPECT_EQ(engine::ParseFiguresText("panker=1;figure_of_2030=4;tianker=2", error)->items.size(), 2u)
        << "a newer version's figure is left out";
    for (const char* broken : {"panker", "panker=x", "panker=1e999", "tianker=1;panker=", "panker=nan"}) {
        EXPECT_FALSE(engine::ParseFiguresText(broken, error)) << broken;
        EXPECT_NE(error.find("panker"), std::string::npos) << error;
    }
}

TEST(FormatKeyTest, NamesOneTestPerKey) {
    engine::FormatError error;
    EXPECT_EQ(engine::FormatKeyOf(*engine::FormatByName("uchida", false, error)), "uchida");
    EXPECT_EQ(engine::FormatKeyOf(*engine::FormatByName("uchida", true, error)), "uchida/practice");
    const engine::CustomFormat lines{engine::WorkOrder::LeftToRight, 30, 116, 60, 15, 300, 3, 9, true};
    const engine::SheetFormat custom = *engine::MakeCustomFormat(lines, error);
    EXPECT_EQ(engine::FormatKeyOf(custom), "custom/lines/30x116/60s/break15+300/3-9/norepeat");
    const engine::CustomFormat columns{engine::WorkOrder::BottomUp, 10, 27, 15, 0, 0, 1, 9, false};
    EXPECT_EQ(engine::FormatKeyOf(*engine::MakeCustomFormat(columns, error)), "custom/columns-up/10x27/15s/1-9");

    engine::SheetFormat kept = custom;
    kept.title = "";
    EXPECT_EQ(engine::RestoredFormat(kept), custom) << "the title comes back from the layout";
    kept = *engine::FormatByName("pauli", true, error);
    kept.title = "";
    EXPECT_EQ(engine::RestoredFormat(kept).title.wording(),
              engine::FormatByName("pauli", true, error)->title.wording());
    kept.name = "bourdon";
    EXPECT_EQ(engine::RestoredFormat(kept).title, "bourdon") << "a newer version's format keeps its name";
}

TEST(KeptFiguresTest, KeepsThePublishedFormulasBesideOurs) {
    // Three complete columns of heights 10, 12, 14 with 1, 0, 2 wrong; the line rises 2 a column.
    engine::SheetScores scores;
    scores.family = engine::ScoreFamily::Kraepelin;
    const std::uint32_t heights[] = {10, 12, 14}, wrong[] = {1, 0, 2};
    for (int i = 0; i < 3; ++i) {
        engine::PeriodScores period;
        period.reached = heights[i];
        period.wrong = wrong[i];
        period.right = heights[i] - wrong[i];
        scores.periods.push_back(period);
    }
    scores.completePeriods = 3;
    scores.kraepelin = engine::KraepelinScores{12.0, 3, 4, 4.0 / 3.0, engine::LeastSquaresLine{8.0, 2.0}, 4.0};
    const engine::Figures figures = engine::FiguresOf(engine::SheetFormat{}, scores);
    EXPECT_DOUBLE_EQ(*figures.get(FigureKey::PankerRight), 11.0);
    EXPECT_DOUBLE_EQ(*figures.get(FigureKey::JankerStandardDeviation), std::sqrt(8.0 / 3.0));
    EXPECT_DOUBLE_EQ(*figures.get(FigureKey::HankerSpan), 6.0) << "y(3) - y(0) = 2 × 3";
    EXPECT_DOUBLE_EQ(*figures.get(FigureKey::HankerRise), 4.0);
    EXPECT_FALSE(figures.get(FigureKey::PauliTotal));
}

} // namespace
