// SPDX-License-Identifier: GPL-3.0-or-later
// The frame control, pixel by pixel, against what the Win32 group box draws (the rows below
// were read from a BS_GROUPBOX painted by Wine's user32).
#include "host/qt/Frame.h"

#include "host/qt/Fonts.h"
#include "host/qt/SystemColors.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr host::Colour kShadow = host::Rgb(101, 102, 103);
constexpr host::Colour kHighlight = host::Rgb(201, 202, 203);
constexpr host::Colour kFace = host::Rgb(11, 12, 13);
constexpr host::Colour kWhite = host::Rgb(255, 255, 255);
constexpr host::Colour kBlack = host::Rgb(0, 0, 0);

host::SystemColourTable Marked() {
    host::SystemColourTable table = host::ClassicSystemColours();
    table[host::COLOR_BTNSHADOW] = kShadow;
    table[host::COLOR_BTNHIGHLIGHT] = kHighlight;
    table[host::COLOR_BTNFACE] = kFace;
    table[host::COLOR_BTNTEXT] = kBlack;
    return table;
}

QFont WindowFont() { return host::OwnTextFont(host::LayoutFont(QStringLiteral("Tahoma"), 8.25)); }

int LineHeight() {
    const QFontMetrics metrics(WindowFont());
    return metrics.ascent() + metrics.descent();
}

// The row of the border's top line: half the caption font's line height, less one.
int TopLine() { return LineHeight() / 2 - 1; }

class FrameTest : public ::testing::Test {
protected:
    QImage Render(const QString& caption, int width, int height) {
        frame.setCaption(caption);
        frame.setFont(WindowFont());
        frame.setBackColor(kWhite);
        frame.setForeColor(kBlack);
        frame.resize(width, height);
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::red);
        frame.render(&image);
        return image;
    }

    // One letter a pixel: S shadow, H highlight, . white, # dark, ? anything else.
    static char Letter(const QImage& image, int x, int y) {
        const QColor c = image.pixelColor(x, y);
        const host::Colour rgb = host::Rgb(c.red(), c.green(), c.blue());
        if (rgb == kShadow) return 'S';
        if (rgb == kHighlight) return 'H';
        if (rgb == kWhite) return '.';
        if (std::max({c.red(), c.green(), c.blue()}) < 96) return '#';
        return '?';
    }
    static std::string Row(const QImage& image, int y, int from = 0, int to = -1) {
        std::string letters;
        for (int x = from; x < (to < 0 ? image.width() : to); ++x) letters += Letter(image, x, y);
        return letters;
    }
    static int Count(const QImage& image, char letter, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) count += Letter(image, x, y) == letter;
        return count;
    }

    host::ScopedSystemColours colours{Marked()};
    host::Frame frame;
};

TEST_F(FrameTest, EtchedBorderRunsFromHalfTheLineHeight) {
    const int width = 12, height = 16;
    const QImage image = Render(QString(), width, height);
    const int top = TopLine();
    ASSERT_LT(top + 4, height);
    for (int y = 0; y < height; ++y) {
        SCOPED_TRACE(y);
        if (y < top)
            EXPECT_EQ(Row(image, y), "............");
        else if (y == top)
            EXPECT_EQ(Row(image, y), "SSSSSSSSSSSH");
        else if (y == top + 1)
            EXPECT_EQ(Row(image, y), "SHHHHHHHHHSH");
        else if (y < height - 2)
            EXPECT_EQ(Row(image, y), "SH........SH");
        else if (y == height - 2)
            EXPECT_EQ(Row(image, y), "SSSSSSSSSSSH");
        else
            EXPECT_EQ(Row(image, y), "HHHHHHHHHHHH");
    }
}

TEST_F(FrameTest, CaptionSitsInAGapOfTheTopLinesOnTheBackColour) {
    const QString caption = QStringLiteral("Ab");
    const QImage image = Render(caption, 60, 30);
    const int top = TopLine();
    const int textWidth = QFontMetrics(WindowFont()).horizontalAdvance(caption);
    const int gapEnd = 9 + textWidth; // the text from 8, one pixel either side
    ASSERT_LT(gapEnd + 3, image.width());
    EXPECT_EQ(Row(image, top, 0, 7), "SSSSSSS");
    EXPECT_EQ(Row(image, top + 1, 0, 7), "SHHHHHH");
    EXPECT_EQ(Row(image, top, gapEnd, gapEnd + 2), "SS");
    EXPECT_EQ(Row(image, top + 1, gapEnd, gapEnd + 2), "HH");
    const QRect gap(7, 0, gapEnd - 7, LineHeight() + 1);
    EXPECT_EQ(Count(image, 'S', gap) + Count(image, 'H', gap), 0);
    EXPECT_GT(Count(image, '#', QRect(8, 0, textWidth, LineHeight())), 0) << "the caption in black";
    // Nothing of the caption outside its gap.
    EXPECT_EQ(Count(image, '.', QRect(0, 0, 7, top)), 7 * top);
    EXPECT_EQ(Count(image, '.', QRect(gapEnd, 0, image.width() - gapEnd, top)), (image.width() - gapEnd) * top);
    EXPECT_EQ(Letter(image, 30, 20), '.') << "the interior in the back colour";
}

// Disabled, the caption is drawn twice, in highlight one pixel down and right under a copy
// in shadow; no pixel of it is darker than the shadow.
TEST_F(FrameTest, DisabledCaptionIsEmbossed) {
    const QString caption = QStringLiteral("Ab");
    const QRect text(8, 0, QFontMetrics(WindowFont()).horizontalAdvance(caption) + 1, LineHeight() + 1);
    const auto inked = [&](const QImage& image, int& darkest) {
        int count = 0;
        darkest = 255;
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x) {
                const int red = image.pixelColor(x, y).red();
                count += red < 255;
                darkest = std::min(darkest, red);
            }
        return count;
    };
    int enabledDarkest = 0, disabledDarkest = 0;
    const int enabledInk = inked(Render(caption, 60, 30), enabledDarkest);
    frame.setEnabled(false);
    const int disabledInk = inked(Render(caption, 60, 30), disabledDarkest);
    EXPECT_LT(enabledDarkest, 96);
    EXPECT_GE(disabledDarkest, host::RedOf(kShadow));
    EXPECT_LT(disabledDarkest, host::RedOf(kHighlight));
    EXPECT_GT(disabledInk, enabledInk);
}

TEST_F(FrameTest, ColourValuesAreTranslatedAsThePlatformDoes) {
    const struct {
        host::Colour back;
        QColor drawn;
    } cases[] = {
        {host::kSystemColourFlag | host::COLOR_BTNFACE, QColor(11, 12, 13)},
        {host::Rgb(1, 2, 3), QColor(1, 2, 3)},
        {0x01000000u, QColor(0, 0, 0)}, // not a colour value: black
    };
    Render(QString(), 20, 20);
    for (const auto& [back, drawn] : cases) {
        frame.setBackColor(back);
        QImage image(20, 20, QImage::Format_RGB32);
        frame.render(&image);
        EXPECT_EQ(image.pixelColor(10, 12), drawn) << std::hex << back;
    }
    host::Frame fresh;
    EXPECT_EQ(fresh.backColor(), host::kSystemColourFlag | host::COLOR_BTNFACE);
    EXPECT_EQ(fresh.foreColor(), host::kSystemColourFlag | host::COLOR_BTNTEXT);
}

} // namespace
