// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: its layout, its credits, its links and how it closes.
#include "../support/OwnFontGlyphs.h"
#include "../support/WindowLookups.h"
#include "about/Artwork.h"
#include "about/Hyperlink.h"
#include "about/frmAbout.h"
#include "docking/WindowDocking.h"
#include "host/qt/DesktopUrl.h"
#include "host/qt/Frame.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<about::frmAbout>();
        ASSERT_TRUE(testsupport::ShowActive(*window));
    }
    template <typename T = QWidget> T* Get(const char* name) const { return testsupport::FindIn<T>(*window, name); }
    about::HyperlinkLabel* Link(const char* name) const { return Get<about::HyperlinkLabel>(name); }
    void MoveOver(const char* name) { QTest::mouseMove(Get(name), QPoint(2, 2)); }

    std::unique_ptr<about::frmAbout> window;
};

TEST_F(AboutWindowTest, FixedCentredWindowWithoutMinimiseOrMaximise) {
    EXPECT_EQ(window->windowTitle(), "About Tavrendale");
    EXPECT_EQ(window->size(), QSize(312, 336));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(window->geometry().center().x() - screen.center().x()), 3);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(AboutWindowTest, ControlsSitWhereTheLayoutPutsThem) {
    const std::tuple<const char*, const char*, QRect> placements[] = {
        {"txtCredits", "frmAbout", {8, 272, 297, 57}}, {"cmdOK", "frmAbout", {240, 240, 65, 25}},
        {"Frame1", "frmAbout", {8, 48, 225, 217}},     {"Label9", "Frame1", {8, 152, 209, 17}},
        {"lblURL2", "Frame1", {8, 192, 209, 17}},      {"Label7", "Frame1", {8, 176, 209, 17}},
        {"lblURL1", "Frame1", {112, 136, 105, 17}},    {"Label5", "Frame1", {8, 136, 105, 17}},
        {"Label4", "Frame1", {8, 120, 209, 17}},       {"Label3", "Frame1", {8, 16, 209, 97}},
        {"Image3", "frmAbout", {8, 8, 32, 32}},        {"Label2", "frmAbout", {192, 32, 33, 17}},
        {"Label1", "frmAbout", {32, 8, 177, 41}},      {"Image1", "frmAbout", {216, 8, 32, 32}},
        {"Image2", "frmAbout", {240, 8, 65, 69}},      {"Label10", "frmAbout", {240, 88, 25, 25}},
        {"Label15", "frmAbout", {264, 128, 25, 25}},   {"Label22", "frmAbout", {264, 152, 25, 25}},
    };
    for (const auto& [name, parent, pixels] : placements) {
        SCOPED_TRACE(name);
        QWidget* control = Get(name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), parent);
        EXPECT_EQ(control->geometry(), pixels);
    }
}

// Where controls overlap, one listed earlier lies in front of one listed later: the frame
// over the edge of the digit cloud, "?" over "8", the bubble over the figure.
TEST_F(AboutWindowTest, ControlsStackFrontToBack) {
    const char* const frontToBack[] = {"txtCredits", "cmdOK",   "Frame1",  "Image3",  "Label22", "Label21", "Label20",
                                       "Label19",    "Label18", "Label17", "Label16", "Label15", "Label14", "Label13",
                                       "Label12",    "Label11", "Label10", "Label2",  "Label1",  "Image1",  "Image2"};
    // Qt paints a parent's children in the order of its list, so the front-most comes last.
    const QObjectList children = window->children();
    qsizetype previous = children.size();
    for (const char* name : frontToBack) {
        const qsizetype index = children.indexOf(Get(name));
        EXPECT_LT(index, previous) << name;
        previous = index;
    }
}

TEST_F(AboutWindowTest, TextsAndFonts) {
    EXPECT_EQ(Get<QLabel>("Label1")->text(), "Tavrendale");
    const QFont title = Get("Label1")->font();
    EXPECT_EQ(title.family(), "Cambria");
    EXPECT_EQ(title.pixelSize(), 27);
    EXPECT_TRUE(title.bold());
    EXPECT_TRUE(title.underline());
    EXPECT_EQ(Get<QLabel>("Label2")->text(), "v1.0");
    EXPECT_TRUE(Get<QLabel>("Label3")->text().startsWith("Tavrendale is a simple program. The main purpose"));
    EXPECT_TRUE(Get<QLabel>("Label3")->wordWrap());
    EXPECT_TRUE(Get<QLabel>("Label4")->text().startsWith("Coded by: "));
    EXPECT_TRUE(Get<QLabel>("Label4")->text().contains(" aka "));
    EXPECT_TRUE(Get("Label9")->font().italic());
    QAccessibleInterface* ok = QAccessible::queryAccessibleInterface(Get("cmdOK"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(QAccessible::Name), "OK");
    auto* frame = Get<host::Frame>("Frame1");
    EXPECT_EQ(frame->caption(), "");
    EXPECT_EQ(frame->backColor(), host::Rgb(255, 255, 255));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(frame)->role(), QAccessible::Grouping);
    EXPECT_EQ(Link("lblURL1")->text(), about::kAuthorAddress);
    EXPECT_EQ(Link("lblURL2")->text(), about::kPublisherAddress);
    EXPECT_TRUE(Link("lblURL1")->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_EQ(Link("lblURL1")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    // The cloud of digits, one character each in a fixed-pitch bold font.
    const std::pair<const char*, const char*> digits[] = {
        {"Label10", "1"}, {"Label11", "5"}, {"Label12", "4"}, {"Label13", "3"}, {"Label14", "2"},
        {"Label15", "+"}, {"Label16", "8"}, {"Label17", "7"}, {"Label18", "6"}, {"Label19", "0"},
        {"Label20", "="}, {"Label21", "9"}, {"Label22", "?"},
    };
    for (const auto& [name, text] : digits) {
        EXPECT_EQ(Get<QLabel>(name)->text(), text) << name;
        EXPECT_EQ(Get(name)->font().family(), "Courier New") << name;
        EXPECT_EQ(Get(name)->font().pixelSize(), 21) << name;
        EXPECT_TRUE(Get(name)->font().bold()) << name;
    }
}

// The layout fonts draw no glyph from other fonts: the copyright signs and accented
// names must be in the window's own fonts.
// Centred in a box narrower than the text, the address would lose both ends.
TEST_F(AboutWindowTest, TheMailAddressFitsItsBox) {
    auto* mail = Get<QLabel>("Label5");
    EXPECT_LE(QFontMetrics(mail->font()).horizontalAdvance(mail->text()), mail->width());
}

TEST_F(AboutWindowTest, EveryTextHasItsGlyphsInItsOwnFont) {
    EXPECT_GE(testsupport::ExpectTextsHaveTheirGlyphsInTheirOwnFont(window.get()), 8);
}

TEST(ProgramIcon, DrawsTheThreeBallsAtEverySizeAsked) {
    const QIcon icon = about::ProgramIcon();
    for (const int side : {16, 32, 64, 128}) {
        SCOPED_TRACE(side);
        const QImage image = icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(side, side));
        int green = 0, yellow = 0, red = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() < 200) continue;
                green += c.green() > 2 * c.red() && c.green() > 2 * c.blue();
                yellow += c.red() > 2 * c.blue() && c.green() > 2 * c.blue() && std::abs(c.red() - c.green()) < 60;
                red += c.red() > 2 * c.green() && c.red() > 2 * c.blue();
            }
        EXPECT_GT(green, 0);
        EXPECT_GT(yellow, 0);
        EXPECT_GT(red, 0);
    }
}

TEST(ProgramIcon, DisabledLookIsGrey) {
    const QImage image =
        about::ProgramIcon().pixmap(QSize(32, 32), QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 200) continue;
            ++opaque;
            EXPECT_LE(std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}), 40)
                << x << "," << y;
        }
    EXPECT_GT(opaque, 0);
}

TEST_F(AboutWindowTest, CreditsAreThreeReadOnlyScrollingLines) {
    auto* credits = Get<QPlainTextEdit>("txtCredits");
    EXPECT_TRUE(credits->isReadOnly());
    EXPECT_EQ(credits->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(credits->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QStringList lines = credits->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Tavrendale uses the following 3rd party components and codes:");
    EXPECT_TRUE(lines[1].startsWith("[1] Qt")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains("The Qt Company Ltd."));
    EXPECT_TRUE(lines[2].startsWith("[2] ")) << lines[2].toStdString();
    // Stored with CR LF between the lines and none after the last.
    EXPECT_EQ(about::frmAbout::CreditsText().count("\r\n"), 2);
    EXPECT_FALSE(about::frmAbout::CreditsText().endsWith('\n'));
    // Typing changes nothing.
    credits->setFocus();
    QTest::keyClicks(credits, "x");
    EXPECT_EQ(credits->toPlainText().split('\n'), lines);
    // The long entries run past the box: it scrolls sideways.
    EXPECT_GT(credits->horizontalScrollBar()->maximum(), 0);
}

TEST_F(AboutWindowTest, KeyboardReachesOkThenTheCredits) {
    EXPECT_EQ(QApplication::focusWidget(), Get("cmdOK"));
    EXPECT_EQ(Get("cmdOK")->nextInFocusChain(), Get("txtCredits"));
    for (const char* label : {"Label3", "lblURL1", "Label10"})
        EXPECT_EQ(Get(label)->focusPolicy(), Qt::NoFocus) << label;
}

// Loading docks the window and unloading undocks it; a window opened again docks again.
TEST_F(AboutWindowTest, OkAndTheCloseBoxUnloadButEscapeAndEnterDoNot) {
    EXPECT_TRUE(docking::IsDockingEnabled(window.get()));
    QSignalSpy finished(window.get(), &QDialog::finished);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(Get("txtCredits"), Qt::Key_Escape);
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(docking::IsDockingEnabled(window.get()));
    QTest::mouseClick(Get<QAbstractButton>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(docking::IsDockingEnabled(window.get()));

    about::frmAbout second;
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    EXPECT_TRUE(docking::IsDockingEnabled(&second));
    QSignalSpy secondFinished(&second, &QDialog::finished);
    EXPECT_TRUE(second.close());
    EXPECT_EQ(secondFinished.count(), 1);
    EXPECT_FALSE(docking::IsDockingEnabled(&second));
}

TEST_F(AboutWindowTest, AltOClosesItAtOnce) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy finished(window.get(), &QDialog::finished);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Get("cmdOK"))->text(QAccessible::Accelerator), "Alt+O");
    QTest::keyClick(window->windowHandle(), Qt::Key_O, Qt::AltModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(AboutWindowTest, LinksOpenTheirAddresses) {
    QStringList opened;
    host::ScopedUrlHandler handler([&](const QString& address) { opened << address; });
    QTest::mouseClick(Link("lblURL2"), Qt::LeftButton);
    QTest::mouseClick(Link("lblURL1"), Qt::LeftButton);
    EXPECT_EQ(opened, QStringList({"http://www.example.org/tavrendale", "http://example.com"}));
}

TEST_F(AboutWindowTest, LinksStayBoldUntilAResetSurface) {
    MoveOver("lblURL1");
    EXPECT_TRUE(Link("lblURL1")->Bold());
    EXPECT_FALSE(Link("lblURL2")->Bold());
    MoveOver("lblURL2");
    EXPECT_TRUE(Link("lblURL1")->Bold());
    EXPECT_TRUE(Link("lblURL2")->Bold());
    // These surfaces leave the links as they are.
    for (const char* name : {"Label3", "Image1", "Image2", "Image3", "Label1", "Label12", "txtCredits", "cmdOK"}) {
        MoveOver(name);
        EXPECT_TRUE(Link("lblURL1")->Bold()) << name;
        EXPECT_TRUE(Link("lblURL2")->Bold()) << name;
    }
    QTest::mouseMove(window.get(), QPoint(300, 220)); // the bare window
    EXPECT_TRUE(Link("lblURL1")->Bold());
    // These make both plain.
    for (const char* name : {"Frame1", "Label4", "Label5", "Label7", "Label9"}) {
        MoveOver("lblURL1");
        MoveOver("lblURL2");
        MoveOver(name);
        EXPECT_FALSE(Link("lblURL1")->Bold()) << name;
        EXPECT_FALSE(Link("lblURL2")->Bold()) << name;
    }
}

TEST(Hyperlink, BoldChangesOnlyTheBoldAttribute) {
    QWidget parent;
    parent.setFont(QFont("Tahoma", 9));
    about::HyperlinkLabel label("example.com", Qt::AlignLeft, &parent);
    EXPECT_FALSE(label.Bold());
    label.SetBold(true);
    label.SetBold(true);
    EXPECT_TRUE(label.Bold());
    EXPECT_FALSE(label.font().underline());
    EXPECT_EQ(label.font().family(), "Tahoma");
    label.SetBold(false);
    EXPECT_FALSE(label.Bold());
}

} // namespace
