// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSurface.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using chameleon::ButtonPainter;
using chameleon::ButtonState;
using host::Colour;

namespace {

constexpr Colour kWhite = 0xFFFFFF;
const std::map<char, Colour> kKey{{'.', kWhite}, {'A', 0x0000FF}, {'B', 0x00FF00}, {'C', 0xFF0000}, {'D', 0x00FFFF}};

// The surface as rows of letters from kKey; '?' for any other colour.
std::vector<std::string> Grid(const FakeSurface& surface, int w, int h) {
    std::vector<std::string> rows;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            char c = '?';
            for (const auto& [letter, colour] : kKey)
                if (surface.Pixel(x, y) == colour) c = letter;
            row += c;
        }
        rows.push_back(row);
    }
    return rows;
}

class PrimitivesTest : public ::testing::Test {
protected:
    void Size(int w, int h) {
        surface = std::make_unique<FakeSurface>(w, h);
        painter = std::make_unique<ButtonPainter>(state, *surface);
        state.buttonWidth = w;
        state.buttonHeight = h;
    }
    void Bevel(std::int16_t inset, bool single) {
        painter->DrawBevel(kKey.at('A'), kKey.at('B'), kKey.at('C'), kKey.at('D'), inset, single);
    }
    ButtonState state;
    std::unique_ptr<FakeSurface> surface;
    std::unique_ptr<ButtonPainter> painter;
};

} // namespace

TEST_F(PrimitivesTest, DrawRectFillsOrFramesWithoutTheRightAndBottomEdges) {
    Size(6, 5);
    painter->DrawRect(1, 1, 3, 2, kKey.at('A'), false);
    painter->DrawRect(0, 0, 6, 5, kKey.at('B'), true);
    EXPECT_EQ(Grid(*surface, 6, 5), (std::vector<std::string>{"BBBBBB", "BAAA.B", "BAAA.B", "B....B", "BBBBBB"}));
}

TEST_F(PrimitivesTest, DrawLineLeavesItsEndPointAndDrawPixelPaintsOne) {
    Size(5, 3);
    painter->DrawLine(0, 1, 4, 1, kKey.at('A'));
    painter->DrawLine(4, 2, 4, 0, kKey.at('B'));
    painter->DrawPixel(0, 0, kKey.at('C'));
    EXPECT_EQ(Grid(*surface, 5, 3), (std::vector<std::string>{"C....", "AAAAB", "....B"}));
}

TEST_F(PrimitivesTest, DrawEllipseStraddlesItsEdgeWithATwoPixelPen) {
    // As GDI draws it: the pen lies half outside the outline up and left, so it is cut
    // off at the surface's left and top and shows two pixels wide at the right and bottom.
    Size(12, 8);
    painter->DrawEllipse(0, 0, 12, 8, kKey.at('A'), kKey.at('C'));
    // clang-format off
    EXPECT_EQ(Grid(*surface, 12, 8), (std::vector<std::string>{
        ".AAAAAAAAA..",
        "AAAACCCAAAA.",
        "AAACCCCCAAAA",
        "AACCCCCCCAAA",
        "AACCCCCCCAAA",
        "AAACCCCCAAAA",
        "AAAAAAAAAAA.",
        ".AAAAAAAAA..",
    }));
    // clang-format on
}

TEST_F(PrimitivesTest, DrawBevelPaintsTwoRingsWithTheBottomLeftCornerInTheBottomRightColour) {
    Size(6, 5);
    Bevel(0, false);
    EXPECT_EQ(Grid(*surface, 6, 5), (std::vector<std::string>{"AAAAAB", "ACCCDB", "AC..DB", "ADDDDB", "BBBBBB"}));
}

TEST_F(PrimitivesTest, DrawBevelWithASingleRingPaintsOnlyTheOuterRing) {
    Size(6, 5);
    Bevel(0, true);
    EXPECT_EQ(Grid(*surface, 6, 5), (std::vector<std::string>{"AAAAAB", "A....B", "A....B", "A....B", "BBBBBB"}));
}

TEST_F(PrimitivesTest, DrawBevelInsetByOneLeavesTheOutermostPixelsAsTheyWere) {
    Size(7, 6);
    Bevel(-1, false);
    EXPECT_EQ(Grid(*surface, 7, 6),
              (std::vector<std::string>{".......", ".AAAAB.", ".ACCDB.", ".ADDDB.", ".BBBBB.", "......."}));
}

TEST_F(PrimitivesTest, DrawFocusMarksOnlyAFocusedButtonThatShowsItsFocus) {
    Size(10, 8);
    state.faceRect = {2, 2, 8, 6};
    state.textColor = 0x123456;
    struct Case {
        bool show, focus, drawn;
    };
    for (const Case c :
         {Case{true, false, false}, Case{false, true, false}, Case{false, false, false}, Case{true, true, true}}) {
        surface->Clear();
        state.showFocusRect = c.show;
        state.hasFocus = c.focus;
        painter->DrawFocus();
        int inverted = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x) inverted += surface->Pixel(x, y) == 0u;
        EXPECT_EQ(inverted, c.drawn ? 8 : 0) << c.show << c.focus;
        if (c.drawn) {
            EXPECT_EQ(surface->Pixel(2, 2), 0u);
            EXPECT_EQ(surface->Pixel(3, 2), kWhite ^ 0x123456u) << "the gaps take the text colour";
            EXPECT_EQ(surface->Context().TextColor(), 0x123456u);
        }
    }
}
