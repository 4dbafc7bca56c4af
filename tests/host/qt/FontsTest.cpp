// SPDX-License-Identifier: GPL-3.0-or-later
// The families the layouts name, their substitutes, and the picture-font captions.
#include "host/qt/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <gtest/gtest.h>

namespace {

TEST(SymbolText, PictureFontCaptionsBecomeUnicodeSymbols) {
    const std::pair<const char*, char16_t> cases[] = {
        {"4", 0x25B6},
        {"<", 0x25A0},
        {"~", 0x21BA},
        {"!", 0x25C9},
    };
    for (const auto& [caption, symbol] : cases)
        EXPECT_EQ(host::SymbolText(QString::fromLatin1(caption)), QString(QChar(symbol))) << caption;
    // Characters without a symbol of their own are kept, in order.
    EXPECT_EQ(host::SymbolText("a4b"), QString("a") + QChar(0x25B6) + "b");
    EXPECT_EQ(host::SymbolText(""), "");
}

TEST(SymbolText, OnlyThePictureFontIsTranslated) {
    EXPECT_TRUE(host::IsSymbolFamily("Webdings"));
    EXPECT_TRUE(host::IsSymbolFamily("webdings"));
    EXPECT_FALSE(host::IsSymbolFamily("Tahoma"));
    EXPECT_EQ(host::DisplayText("Tahoma", "<<< &Back"), "<<< &Back");
    EXPECT_EQ(host::DisplayText("Webdings", "<"), QString(QChar(0x25A0)));
}

TEST(SymbolText, TheSymbolFamilyHasEverySymbol) {
    const QFont font = host::LayoutFont("Webdings", 15.75, true);
    const QRawFont raw = QRawFont::fromFont(font);
    ASSERT_TRUE(raw.isValid());
    for (const char* caption : {"4", "<", "~", "!"})
        EXPECT_TRUE(raw.supportsCharacter(host::SymbolText(caption).at(0))) << caption;
}

TEST(LayoutFont, PointSizesBecomePixelsAt96Dpi) {
    const std::pair<double, int> sizes[] = {{8.25, 11}, {12, 16}, {15.75, 21}, {20.25, 27}, {27.75, 37}, {72, 96}};
    for (const auto& [points, pixels] : sizes) {
        EXPECT_EQ(host::PointsToPixels(points), pixels) << points;
        EXPECT_EQ(host::LayoutFont("Tahoma", points).pixelSize(), pixels) << points;
    }
}

TEST(LayoutFont, CarriesTheStyleAsked) {
    const QFont font = host::LayoutFont("Cambria", 20.25, true, false, true);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(host::LayoutFont("Tahoma", 8.25, false, true).italic());
}

// A caption a user types may hold characters the layout's family lacks: they come from
// another installed font. A window's own texts draw only their font's glyphs.
TEST(LayoutFont, FallsBackForMissingCharactersUnlessOwnText) {
    host::InstallFontSubstitutes();
    const QChar middle(0x4E2D); // a CJK ideograph no Latin family has
    const QFont caption = host::LayoutFont("Tahoma", 8.25);
    if (QRawFont::fromFont(caption).supportsCharacter(middle))
        GTEST_SKIP() << "the Tahoma in use has the ideograph itself";
    if (!QFontMetrics(caption).inFont(middle))
        GTEST_SKIP() << "no installed font has U+4E2D (package fonts-droid-fallback or fonts-noto-cjk)";
    EXPECT_FALSE(QFontMetrics(host::OwnTextFont(caption)).inFont(middle));
    // The own-text font is otherwise the same font.
    const QFont own = host::OwnTextFont(caption);
    EXPECT_EQ(QFontInfo(own).family(), QFontInfo(caption).family());
    EXPECT_EQ(own.pixelSize(), caption.pixelSize());
}

TEST(FontSubstitutes, MissingFamiliesResolveToInstalledLookAlikes) {
    host::InstallFontSubstitutes();
    const QStringList families = QFontDatabase::families();
    if (!families.contains("Caladea")) GTEST_SKIP() << "Caladea is not installed (package fonts-crosextra-caladea)";
    if (!families.contains("Cambria")) {
        EXPECT_EQ(QFontInfo(host::LayoutFont("Cambria", 72, true)).family(), "Caladea");
    }
    // Tahoma is either installed or loaded from Wine's fonts; failing both it falls back.
    const QString tahoma = QFontInfo(host::LayoutFont("Tahoma", 8.25)).family();
    EXPECT_TRUE(tahoma == "Tahoma" || tahoma == "DejaVu Sans") << tahoma.toStdString();
    const QString courier = QFontInfo(host::LayoutFont("Courier New", 15.75, true)).family();
    EXPECT_TRUE(QFontDatabase::isFixedPitch(courier)) << courier.toStdString();
}

// A text narrowed to fit keeps as much of its look as it can: condensed letters before
// smaller ones, and no change at all where it fits already.
TEST(FitTextWidth, NarrowsOnlyAsFarAsTheTextNeeds) {
    host::InstallFontSubstitutes();
    const QFont font = host::LayoutFont("Tahoma", 8.25);
    const QString text = "Test duration (minute(s)):";
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    struct Case {
        const char* what;
        int width;
        bool sameFont;
        bool sameSize;
    };
    const Case cases[] = {
        {"room to spare", natural + 10, true, true},
        {"exactly its width", natural, true, true},
        {"two pixels short", natural - 2, false, true},
        {"too narrow for condensing alone", natural * 4 / 5, false, false},
    };
    for (const Case& c : cases) {
        const QFont fitted = host::FitTextWidth(font, text, c.width);
        EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(text), c.width) << c.what;
        EXPECT_EQ(fitted == font, c.sameFont) << c.what;
        EXPECT_EQ(fitted.pixelSize() == font.pixelSize(), c.sameSize) << c.what;
        EXPECT_EQ(fitted.family(), font.family()) << c.what;
    }
}

// A font sized in points has no pixel size to step down: it gets smaller in points, in the
// same order (condensed first) and only as far as the text needs.
TEST(FitTextWidth, NarrowsAFontSizedInPoints) {
    host::InstallFontSubstitutes();
    QFont font("Tahoma");
    font.setPointSizeF(8.25);
    ASSERT_EQ(font.pixelSize(), -1);
    const QString text = "Test duration (minute(s)):";
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    struct Case {
        const char* what;
        int width;
        bool smaller;
    };
    const Case cases[] = {
        {"exactly its width", natural, false},
        {"two pixels short", natural - 2, false},
        {"too narrow for condensing alone", natural * 4 / 5, true},
    };
    for (const Case& c : cases) {
        const QFont fitted = host::FitTextWidth(font, text, c.width);
        EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(text), c.width) << c.what;
        EXPECT_EQ(fitted.pixelSize(), -1) << c.what;
        EXPECT_EQ(fitted.pointSizeF() < font.pointSizeF(), c.smaller) << c.what;
    }
    // Too narrow for any size: the smallest size is as far as it goes.
    const QFont smallest = host::FitTextWidth(font, text, 1);
    EXPECT_DOUBLE_EQ(smallest.pointSizeF(), 6.0);
}

} // namespace
