// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/DrawingContext.h"
#include "host/qt/Fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

using host::Colour;
using host::DrawingContext;
using host::Rect;

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr unsigned kDraw = host::kTextCenter | host::kTextVCenter | host::kTextWordBreak;
constexpr unsigned kMeasure = host::kTextCalcRect | host::kTextWordBreak;

QFont TestFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    return font;
}

QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(host::ToArgb(kWhite));
    return image;
}

struct Ink {
    int count = 0;
    Rect bounds{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
};

Ink InkOf(const QImage& image) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (host::FromArgb(image.pixel(x, y)) != kWhite) {
                ++ink.count;
                ink.bounds.left = std::min(ink.bounds.left, x);
                ink.bounds.top = std::min(ink.bounds.top, y);
                ink.bounds.right = std::max(ink.bounds.right, x + 1);
                ink.bounds.bottom = std::max(ink.bounds.bottom, y + 1);
            }
    return ink;
}

class TextTest : public ::testing::Test {
protected:
    QImage image = Blank(120, 60);
    DrawingContext dc{image};
    QFontMetrics fm{TestFont()};
    int lineHeight = fm.ascent() + fm.descent();
    void SetUp() override { dc.SetFont(TestFont()); }
};

} // namespace

TEST_F(TextTest, MeasuringASingleLineGivesItsAdvanceAndOneLineHeight) {
    const Rect r = dc.DrawText("Start", {3, 4, 100, 50}, kMeasure);
    EXPECT_EQ(r, (Rect{3, 4, 3 + fm.horizontalAdvance("Start"), 4 + lineHeight}));
    EXPECT_EQ(dc.LineHeight(), lineHeight);
    EXPECT_EQ(InkOf(image).count, 0) << "measuring draws nothing";
}

TEST_F(TextTest, WordsWrapAtBlanksAndTheWidestLineSetsTheWidth) {
    const int limit = fm.horizontalAdvance("alpha beta") - 1;
    const Rect r = dc.DrawText("alpha beta gamma", {0, 0, limit, 50}, kMeasure);
    EXPECT_EQ(r.bottom, 3 * lineHeight);
    const int widest =
        std::max({fm.horizontalAdvance("alpha"), fm.horizontalAdvance("beta"), fm.horizontalAdvance("gamma")});
    EXPECT_EQ(r.right, widest);

    const int roomy = fm.horizontalAdvance("alpha beta");
    const Rect two = dc.DrawText("alpha beta gamma", {0, 0, roomy, 50}, kMeasure);
    EXPECT_EQ(two.bottom, 2 * lineHeight);
    EXPECT_EQ(two.right, std::max(roomy, fm.horizontalAdvance("gamma")));
}

TEST_F(TextTest, AWordWiderThanTheRectangleStaysWhole) {
    const Rect r = dc.DrawText("Unbreakable", {0, 0, 10, 50}, kMeasure);
    EXPECT_EQ(r.right, fm.horizontalAdvance("Unbreakable"));
    EXPECT_EQ(r.bottom, lineHeight);
}

TEST_F(TextTest, LineFeedsBreakLines) {
    EXPECT_EQ(dc.DrawText("a\r\nb\nc", {0, 0, 100, 50}, kMeasure).bottom, 3 * lineHeight);
}

TEST_F(TextTest, EmptyTextMeasuresAsNothing) {
    const Rect r = dc.DrawText("", {5, 6, 100, 50}, kMeasure);
    EXPECT_EQ(r, (Rect{5, 6, 5, 6}));
}

TEST_F(TextTest, PrefixCharactersTakeNoRoomAndADoubledOneShowsOnce) {
    EXPECT_EQ(dc.DrawText("&Start", {0, 0, 100, 50}, kMeasure).right, fm.horizontalAdvance("Start"));
    EXPECT_EQ(dc.DrawText("R&&D", {0, 0, 100, 50}, kMeasure).right, fm.horizontalAdvance("R&D"));
    EXPECT_EQ(dc.DrawText("R&&D", {0, 0, 100, 50}, kMeasure | host::kTextNoPrefix).right, fm.horizontalAdvance("R&&D"));
}

TEST_F(TextTest, ThePrefixUnderlinesTheNextCharacterInTheTextColour) {
    dc.SetTextColor(0x0000FF);
    dc.DrawText("&Wo", {0, 0, 120, 30}, host::kTextLeft);
    const int row = fm.ascent() + fm.underlinePos();
    const int width = fm.horizontalAdvance("W");
    for (int x = 0; x < width; ++x) EXPECT_EQ(dc.Pixel(x, row), 0x0000FFu) << x;

    QImage plain = Blank(120, 60);
    DrawingContext other(plain);
    other.SetFont(TestFont());
    other.SetTextColor(0x0000FF);
    other.DrawText("Wo", {0, 0, 120, 30}, host::kTextLeft);
    int underline = 0, bare = 0;
    for (int x = 0; x < 120; ++x) {
        underline += dc.Pixel(x, row) == 0x0000FFu;
        bare += other.Pixel(x, row) == 0x0000FFu;
    }
    EXPECT_GE(underline - bare, width / 2) << "the underline adds a run under the W only";
}

TEST_F(TextTest, DrawingPaintsNoBackgroundAndCentresEachLine) {
    dc.SetBkColor(0x00FF00);
    dc.SetTextColor(kBlack);
    const int advance = fm.horizontalAdvance("OK");
    dc.DrawText("OK", {10, 5, 110, 40}, kDraw);
    EXPECT_GT(InkOf(image).count, 0);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) ASSERT_NE(dc.Pixel(x, y), 0x00FF00u);

    // Centring is the same as drawing flush left at the centred position; multi-line
    // text starts at the top even with the vertical-centre flag.
    QImage left = Blank(120, 60);
    DrawingContext flush(left);
    flush.SetFont(TestFont());
    flush.DrawText("OK", {10 + (100 - advance) / 2, 5, 110, 40}, host::kTextLeft);
    EXPECT_EQ(image, left);
}

TEST_F(TextTest, VerticalCentringAppliesToSingleLineText) {
    dc.DrawText("OK", {0, 0, 120, 60}, host::kTextSingleLine | host::kTextVCenter);
    QImage other = Blank(120, 60);
    DrawingContext top(other);
    top.SetFont(TestFont());
    top.DrawText("OK", {0, (60 - lineHeight) / 2, 120, 60}, host::kTextLeft);
    EXPECT_EQ(image, other);
}

TEST_F(TextTest, SymbolFontCaptionsDrawTheirUnicodeSubstitutes) {
    QFont symbol = TestFont();
    symbol.setFamily("Webdings");
    dc.SetFont(symbol);
    dc.DrawText("4", {0, 0, 60, 30}, host::kTextLeft);

    QImage other = Blank(120, 60);
    DrawingContext expected(other);
    QFont substitute = TestFont();
    substitute.setFamily(host::SymbolFamily());
    expected.SetFont(substitute);
    expected.DrawText(host::SymbolText("4"), {0, 0, 60, 30}, host::kTextLeft);
    EXPECT_GT(InkOf(image).count, 0);
    EXPECT_EQ(image, other);
}

// PaintText: the layout of DrawText, rendered through a painter at any device pixel ratio.
namespace {

struct PaintedCase {
    const char* name;
    const char* family;
    const char* text;
    Rect rect;
    unsigned flags;
};

// clang-format off
const PaintedCase kPaintedCases[] = {
    {"centred",              "DejaVu Sans", "Start",            {0, 0, 120, 60},  kDraw},
    {"access-key underline", "DejaVu Sans", "E&xit",            {10, 5, 110, 40}, kDraw},
    {"wrapped",              "DejaVu Sans", "alpha beta gamma", {4, 2, 64, 60},   kDraw},
    {"right, centred line",  "DejaVu Sans", "OK",               {0, 0, 100, 50},
     host::kTextRight | host::kTextSingleLine | host::kTextVCenter},
    {"picture font",         "Webdings",    "4",                {0, 0, 60, 30},   kDraw},
};
// clang-format on

QFont CaseFont(const PaintedCase& c) {
    QFont font = TestFont();
    font.setFamily(c.family);
    return font;
}

QImage Painted(const PaintedCase& c, qreal ratio) {
    QImage image = Blank(qRound(120 * ratio), qRound(60 * ratio));
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    host::PaintText(painter, CaseFont(c), kBlack, c.text, c.rect, c.flags);
    return image;
}

QImage Drawn(const PaintedCase& c) {
    QImage image = Blank(120, 60);
    DrawingContext dc(image);
    dc.SetFont(CaseFont(c));
    dc.DrawText(c.text, c.rect, c.flags);
    return image;
}

} // namespace

TEST(PaintText, AtOneDevicePixelToAPixelEqualsDrawText) {
    for (const PaintedCase& c : kPaintedCases) {
        const QImage drawn = Drawn(c);
        EXPECT_GT(InkOf(drawn).count, 0) << c.name;
        EXPECT_EQ(Painted(c, 1.0), drawn) << c.name;
    }
}

TEST(PaintText, AtTwiceTheRatioTheTextStandsWhereDrawTextPutsItAtTwiceTheSize) {
    constexpr qreal kRatio = 2.0;
    constexpr int kSlack = 3; // device pixels of hinting at the larger size
    for (const PaintedCase& c : kPaintedCases) {
        const Rect one = InkOf(Drawn(c)).bounds;
        const Ink two = InkOf(Painted(c, kRatio));
        EXPECT_NEAR(two.bounds.left, kRatio * one.left, kSlack) << c.name;
        EXPECT_NEAR(two.bounds.top, kRatio * one.top, kSlack) << c.name;
        EXPECT_NEAR(two.bounds.right, kRatio * one.right, kSlack) << c.name;
        EXPECT_NEAR(two.bounds.bottom, kRatio * one.bottom, kSlack) << c.name;
    }
}
