// SPDX-License-Identifier: GPL-3.0-or-later
// The public properties: what each setter stores, draws and reports, in run and design
// mode, and the two refresh methods.

#include "TestSupport.h"
#include "host/qt/Fonts.h"
#include "host/qt/Picture.h"

#include <gtest/gtest.h>

namespace {

using chameleon::chameleonButton;
using testsupport::ShownButton;

TEST(ButtonProperties, VersionIsFixed) { EXPECT_EQ(chameleonButton::Version(), QStringLiteral("2.0.6")); }

// What a setter draws before it reports: nothing, the look last drawn, or the normal look.
// PicturePosition alone reports first and then lays out and draws.
enum class Redraw { None, Last, Normal, LastAfterReport };

TEST(ButtonProperties, EachSetterDrawsThenReportsUnderItsStoredKey) {
    ShownButton b;
    const auto picture = testsupport::SmallPicture();
    struct Case {
        const char* key; // nullptr: no report
        Redraw redraw;
        std::function<void(chameleonButton&)> set;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"BCOL",    Redraw::Last,   [](chameleonButton& x) { x.SetBackColor(0x0000FF); }},
        {"BCOLO",   Redraw::Last,   [](chameleonButton& x) { x.SetBackOver(0x00FF00); }},
        {"FCOL",    Redraw::Last,   [](chameleonButton& x) { x.SetForeColor(0x112233); }},
        {"FCOLO",   Redraw::Last,   [](chameleonButton& x) { x.SetForeOver(0x332211); }},
        {"MCOL",    Redraw::Last,   [](chameleonButton& x) { x.SetMaskColor(0xFF00FF); }},
        {"BTYPE",   Redraw::Normal, [](chameleonButton& x) { x.SetButtonType(7); }},
        {"TX",      Redraw::Normal, [](chameleonButton& x) { x.SetCaption("&Go"); }},
        {"ENAB",    Redraw::Normal, [](chameleonButton& x) { x.SetEnabled(true); }},
        {"FONT",    Redraw::Normal, [](chameleonButton& x) { x.SetFont(QFont("Tahoma", 9)); }},
        {nullptr,   Redraw::Normal, [](chameleonButton& x) { x.SetFontBold(true); }},
        {nullptr,   Redraw::Normal, [](chameleonButton& x) { x.SetFontItalic(true); }},
        {nullptr,   Redraw::Normal, [](chameleonButton& x) { x.SetFontUnderline(true); }},
        {nullptr,   Redraw::Normal, [](chameleonButton& x) { x.SetFontSize(10); }},
        {nullptr,   Redraw::Normal, [](chameleonButton& x) { x.SetFontName("Tahoma"); }},
        {"COLTYPE", Redraw::Normal, [](chameleonButton& x) { x.SetColorScheme(1); }},
        {"FOCUSR",  Redraw::Last,   [](chameleonButton& x) { x.SetShowFocusRect(false); }},
        {"MPTR",    Redraw::None,   [](chameleonButton& x) { x.SetMousePointer(11); }},
        {"MICON",   Redraw::None,   [&](chameleonButton& x) { x.SetMouseIcon(picture); }},
        {"HAND",    Redraw::None,   [](chameleonButton& x) { x.SetHandPointer(true); }},
        {"SOFT",    Redraw::Last,   [](chameleonButton& x) { x.SetSoftBevel(true); }},
        {"PICN",    Redraw::Last,   [&](chameleonButton& x) { x.SetPictureNormal(picture); }},
        {"PICO",    Redraw::None,   [&](chameleonButton& x) { x.SetPictureOver(picture); }},
        {"PICPOS",  Redraw::LastAfterReport, [](chameleonButton& x) { x.SetPicturePosition(2); }},
        {"UMCOL",   Redraw::Last,   [](chameleonButton& x) { x.SetUseMaskColor(false); }},
        {"NGREY",   Redraw::Last,   [](chameleonButton& x) { x.SetUseGreyscale(true); }},
        {"FX",      Redraw::Last,   [](chameleonButton& x) { x.SetSpecialEffect(1); }},
        {"CHECK",   Redraw::Last,   [](chameleonButton& x) { x.SetCheckBoxBehaviour(false); }},
        {"VALUE",   Redraw::None,   [](chameleonButton& x) { x.SetValue(false); }},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key ? c.key : "font attribute");
        // Held down with the space bar: the look last drawn is the pressed one.
        QTest::keyPress(&*b, Qt::Key_Space);
        ASSERT_EQ(b->State().lastState, chameleon::kStatePressed);
        const int before = b->SurfaceRefreshCount();
        int drawnAtReport = -1;
        testsupport::Reports reports(*b);
        const QMetaObject::Connection atReport = QObject::connect(
            &*b, &chameleonButton::PropertyChanged, [&] { drawnAtReport = b->SurfaceRefreshCount() - before; });
        c.set(*b);
        QObject::disconnect(atReport);

        if (c.key)
            EXPECT_EQ(reports.keys, QStringList{QString::fromLatin1(c.key)});
        else
            EXPECT_TRUE(reports.keys.isEmpty()) << reports.keys.join(',').toStdString();
        const bool draws = c.redraw != Redraw::None;
        EXPECT_EQ(b->SurfaceRefreshCount() > before, draws);
        if (draws) {
            EXPECT_EQ(b->State().lastState,
                      c.redraw == Redraw::Normal ? chameleon::kStateNormal : chameleon::kStatePressed);
        }
        if (c.key && draws) {
            EXPECT_EQ(drawnAtReport > 0, c.redraw != Redraw::LastAfterReport) << "drawn before the report";
        }
        QTest::keyRelease(&*b, Qt::Key_Space);
    }
}

TEST(ButtonProperties, PicturePositionReportsBeforeItLaysTheCaptionOut) {
    ShownButton b;
    b->SetCaption("Go");
    b->SetPictureNormal(testsupport::SmallPicture());
    const host::Rect before = b->State().captionRect;
    host::Rect atReport{};
    QObject::connect(&*b, &chameleonButton::PropertyChanged, [&] { atReport = b->State().captionRect; });
    b->SetPicturePosition(2);
    EXPECT_EQ(atReport, before);
    EXPECT_NE(b->State().captionRect, before) << "the picture moved the caption";
}

TEST(ButtonProperties, SettersStoreWhatTheGettersRead) {
    ShownButton b;
    b->SetButtonType(9);
    b->SetColorScheme(3);
    b->SetPicturePosition(4);
    b->SetSpecialEffect(2);
    b->SetMaskColor(0x123456);
    b->SetCheckBoxBehaviour(true);
    b->SetValue(true);
    EXPECT_EQ(b->ButtonType(), 9);
    EXPECT_EQ(b->ColorScheme(), 3);
    EXPECT_EQ(b->PicturePosition(), 4);
    EXPECT_EQ(b->SpecialEffect(), 2);
    EXPECT_EQ(b->MaskColor(), 0x123456u);
    EXPECT_TRUE(b->CheckBoxBehaviour());
    EXPECT_TRUE(b->value());
}

TEST(ButtonDesignMode, ColoursSetTheirHoverTwinOnlyInDesignMode) {
    ShownButton b;
    b->SetBackOver(0x00FF00);
    b->SetForeOver(0x00FF00);
    b->SetBackColor(0x0000FF);
    b->SetForeColor(0x0000FF);
    EXPECT_EQ(b->BackOver(), 0x00FF00u);
    EXPECT_EQ(b->ForeOver(), 0x00FF00u);

    testsupport::SetDesignMode(*b, true);
    b->SetBackColor(0xFF0000);
    b->SetForeColor(0x00FFFF);
    EXPECT_EQ(b->BackOver(), 0xFF0000u);
    EXPECT_EQ(b->ForeOver(), 0x00FFFFu);
}

TEST(ButtonDesignMode, DoubleLineStyleMakesTheFontBoldOnlyInDesignMode) {
    ShownButton b;
    b->SetFontBold(false);
    b->SetButtonType(5);
    EXPECT_FALSE(b->FontBold());

    testsupport::SetDesignMode(*b, true);
    b->SetButtonType(2);
    EXPECT_FALSE(b->FontBold());
    b->SetButtonType(5);
    EXPECT_TRUE(b->FontBold());
}

TEST(ButtonFont, SizeReadsInWholePointsRoundedHalfToEven) {
    ShownButton b;
    QFont font("Tahoma");
    font.setPointSizeF(8.25);
    b->SetFont(font);
    EXPECT_EQ(b->FontSize(), 8);
    font.setPointSizeF(8.5);
    b->SetFont(font);
    EXPECT_EQ(b->FontSize(), 8);
    font.setPointSizeF(9.5);
    b->SetFont(font);
    EXPECT_EQ(b->FontSize(), 10);
    b->SetFontSize(9);
    EXPECT_EQ(b->Font().pointSizeF(), 9.0);
    EXPECT_EQ(b->FontName(), QStringLiteral("Tahoma"));
}

TEST(ButtonFont, SizeBelowOnePointBecomesOnePoint) {
    ShownButton b;
    b->SetFontSize(0);
    EXPECT_EQ(b->FontSize(), 1);
    b->SetFontSize(-12);
    EXPECT_EQ(b->FontSize(), 1);
    EXPECT_GT(b->Font().pointSizeF(), 0.0);
}

TEST(ButtonFont, StylesAreKeptApart) {
    ShownButton b;
    b->SetFontBold(true);
    b->SetFontItalic(true);
    b->SetFontUnderline(false);
    EXPECT_TRUE(b->FontBold());
    EXPECT_TRUE(b->FontItalic());
    EXPECT_FALSE(b->FontUnderline());
    EXPECT_TRUE(b->Font().bold());
    b->SetFontBold(false);
    EXPECT_FALSE(b->Font().bold());
    EXPECT_TRUE(b->Font().italic());
}

TEST(ButtonPointer, MousePointerOutside16BitsFailsBeforeAnythingChanges) {
    ShownButton b;
    b->SetMousePointer(3);
    testsupport::Reports reports(*b);
    QStringList errors;
    QObject::connect(&*b, &chameleonButton::Error, [&](const QString& e) { errors << e; });
    EXPECT_FALSE(b->SetMousePointer(40000));
    EXPECT_EQ(b->MousePointer(), 3);
    EXPECT_TRUE(reports.keys.isEmpty());
    EXPECT_EQ(errors.size(), 1);
}

TEST(ButtonPointer, HandPointerSetsTheHandCursorOrTheArrow) {
    ShownButton b;
    b->SetHandPointer(true);
    EXPECT_EQ(b->MousePointer(), chameleon::kPointerCustom);
    ASSERT_TRUE(b->MouseIcon());
    EXPECT_FALSE(b->MouseIcon()->Image().isNull());
    EXPECT_EQ(b->cursor().shape(), Qt::BitmapCursor);
    b->SetHandPointer(false);
    EXPECT_EQ(b->MousePointer(), chameleon::kPointerArrow);
    EXPECT_FALSE(b->MouseIcon());
    EXPECT_EQ(b->cursor().shape(), Qt::ArrowCursor);
}

TEST(ButtonDrawing, CaptionIsRedrawnEvenWhenUnchanged) {
    ShownButton b;
    b->SetCaption("Same");
    const int before = b->SurfaceRefreshCount();
    b->SetCaption("Same");
    EXPECT_GT(b->SurfaceRefreshCount(), before);
}

TEST(ButtonDrawing, DisableRefreshKeepsTheOldCaptionOnScreenUntilRefresh) {
    ShownButton b;
    b->SetCaption("&Old");
    b->DisableRefresh();
    testsupport::Reports reports(*b);
    const int before = b->SurfaceRefreshCount();
    b->SetCaption("&New");
    EXPECT_EQ(b->Caption(), QStringLiteral("&New"));
    EXPECT_EQ(b->AccessKey(), QStringLiteral("n"));
    EXPECT_EQ(reports.keys, QStringList{"TX"});
    EXPECT_EQ(b->State().lastCaption, QStringLiteral("&Old"));
    EXPECT_EQ(b->SurfaceRefreshCount(), before);

    b->Refresh();
    EXPECT_TRUE(b->State().redrawEnabled);
    EXPECT_EQ(b->State().lastCaption, QStringLiteral("&New"));
    EXPECT_GT(b->SurfaceRefreshCount(), before);
}

TEST(ButtonDrawing, ValueShowsOnlyOnATwoStateButton) {
    ShownButton b;
    b->SetValue(true);
    EXPECT_EQ(b->State().lastState, 0);
    b->SetCheckBoxBehaviour(true);
    EXPECT_EQ(b->State().lastState, 2);
    b->SetValue(false);
    EXPECT_EQ(b->State().lastState, 0);
}

TEST(ButtonDrawing, PictureOverRedrawsOnlyWhileThePointerIsOver) {
    ShownButton b;
    const int before = b->SurfaceRefreshCount();
    b->SetPictureOver(testsupport::SmallPicture());
    EXPECT_EQ(b->SurfaceRefreshCount(), before);
}

TEST(ButtonDrawing, PictureFontCaptionIsShownAsItsSymbolsButStoredAsTyped) {
    ShownButton b;
    QFont symbols("Webdings");
    symbols.setPointSizeF(15.75);
    b->SetFont(symbols);
    b->SetCaption("4");
    EXPECT_EQ(b->Caption(), QStringLiteral("4"));
    EXPECT_EQ(b->text(), host::SymbolText("4"));
    EXPECT_NE(b->text(), QStringLiteral("4"));
    EXPECT_EQ(b->State().lastCaption, QStringLiteral("4"));
    // The surface shows exactly what the symbol itself shows in the font that has it.
    ShownButton same;
    QFont shownFont(host::SymbolFamily());
    shownFont.setPointSizeF(15.75);
    same->SetFont(shownFont);
    same->SetCaption(host::SymbolText("4"));
    EXPECT_EQ(b->SurfaceImage(), same->SurfaceImage());
    // Back to a text font: the caption shows as typed.
    b->SetFontName("Tahoma");
    EXPECT_EQ(b->text(), QStringLiteral("4"));
    EXPECT_NE(b->SurfaceImage(), same->SurfaceImage());
}

TEST(ButtonDrawing, PictureOptionsRedrawOnlyWithANormalPicture) {
    ShownButton b;
    int before = b->SurfaceRefreshCount();
    b->SetUseMaskColor(false);
    b->SetUseGreyscale(true);
    EXPECT_EQ(b->SurfaceRefreshCount(), before);
    b->SetPictureNormal(testsupport::SmallPicture());
    before = b->SurfaceRefreshCount();
    b->SetUseMaskColor(true);
    b->SetUseGreyscale(false);
    EXPECT_EQ(b->SurfaceRefreshCount(), before + 2);
}

TEST(ButtonDrawing, EnabledFollowsTheWidgetBothWays) {
    ShownButton b;
    b->SetEnabled(false);
    EXPECT_FALSE(b->isEnabled());
    testsupport::Reports reports(*b);
    b->setEnabled(true);
    EXPECT_TRUE(b->Enabled());
    EXPECT_EQ(reports.keys, QStringList{"ENAB"});
    // A container switched off greys its children without changing their property.
    QWidget* window = b->window();
    window->setEnabled(false);
    EXPECT_TRUE(b->Enabled());
    window->setEnabled(true);
}

} // namespace
