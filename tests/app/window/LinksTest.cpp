// SPDX-License-Identifier: GPL-3.0-or-later
// The two web links of the main window: opening, and bold under the pointer.
#include "MainWindowFixture.h"
#include "about/Hyperlink.h"
#include "host/qt/DesktopUrl.h"

namespace {

using LinksTest = MainWindowFixture;

TEST_F(LinksTest, ClickOpensTheLinksAddress) {
    QStringList opened;
    host::ScopedUrlHandler handler([&](const QString& address) { opened << address; });
    QTest::mouseClick(Get("lblURL1"), Qt::LeftButton);
    Get<about::HyperlinkLabel>("lblURL2")->SetBold(true);
    QTest::mouseClick(Get("lblURL2"), Qt::LeftButton);
    EXPECT_EQ(opened, QStringList({"http://example.com", "http://www.example.org/tavrendale"}));
}

struct BoldCase {
    const char* surface; // where the pointer moves, in order
    bool url1;
    bool url2;
};

struct HoverPath {
    const char* name;
    std::vector<BoldCase> steps;
};

class MainHoverTest : public MainWindowFixture, public ::testing::WithParamInterface<HoverPath> {};

TEST_P(MainHoverTest, OnlyTheLinkUnderThePointerIsBold) {
    for (const BoldCase& step : GetParam().steps) {
        SCOPED_TRACE(step.surface);
        if (QString(step.surface) == "frmMain") {
            QTest::mouseMove(window.get(), QPoint(430, 220)); // bare window right of the Exit button
        } else {
            QWidget* surface = Get(step.surface);
            QTest::mouseMove(surface, QPoint(3, 3));
        }
        EXPECT_EQ(Get<about::HyperlinkLabel>("lblURL1")->Bold(), step.url1);
        EXPECT_EQ(Get<about::HyperlinkLabel>("lblURL2")->Bold(), step.url2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, MainHoverTest,
    ::testing::Values(
        HoverPath{"FromLinkToLink", {{"lblURL1", true, false}, {"lblURL2", false, true}, {"lblURL1", true, false}}},
        // Buttons, frames and other labels do not turn a link plain.
        HoverPath{
            "OverOtherControls",
            {{"lblURL2", false, true}, {"cmdAbout", false, true}, {"Frame1", false, true}, {"lblVal1", false, true}}},
        HoverPath{"OverTheBareWindow",
                  {{"lblURL1", true, false}, {"frmMain", false, false}, {"frmMain", false, false}}},
        HoverPath{"OverTheHand", {{"lblURL2", false, true}, {"Image3", false, false}}}),
    [](const ::testing::TestParamInfo<HoverPath>& info) { return std::string(info.param.name); });

} // namespace
