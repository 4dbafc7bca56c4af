// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens: every control in place, with its text, font and state.
#include "../../support/OwnFontGlyphs.h"
#include "MainWindowFixture.h"
#include "controls/chameleonButton/chameleonButton.h"
#include "host/qt/Fonts.h"

#include <QAccessible>
#include <QAction>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <tuple>

namespace {

using LayoutTest = MainWindowFixture;

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

struct Placement {
    const char* name;
    const char* parent;
    QRect pixels;
};

// Positions and sizes converted from twips, 15 to a pixel.
// clang-format off
const Placement kPlacements[] = {
    {"lblVal1", "frmMain", {8, 8, 81, 121}},      {"Label1", "frmMain", {88, 8, 81, 121}},
    {"lblVal2", "frmMain", {168, 8, 81, 121}},    {"Label2", "frmMain", {248, 8, 81, 121}},
    {"txtResult", "frmMain", {328, 8, 97, 124}},  {"Frame1", "frmMain", {8, 136, 169, 65}},
    {"chkStatistic", "Frame1", {8, 40, 65, 17}},  {"chkShowTimer", "Frame1", {80, 40, 73, 17}},
    {"txtTime", "Frame1", {136, 16, 25, 19}},     {"Label3", "Frame1", {8, 18, 129, 17}},
    {"Frame3", "frmMain", {184, 136, 241, 65}},   {"cmdStart", "Frame3", {8, 20, 41, 33}},
    {"cmdStop", "Frame3", {48, 20, 41, 33}},      {"cmdReset", "Frame3", {88, 20, 41, 33}},
    {"lblHideTimer", "Frame3", {136, 16, 97, 41}}, {"lblTimer", "Frame3", {136, 32, 97, 25}},
    {"Label4", "Frame3", {136, 13, 97, 17}},      {"Frame2", "frmMain", {8, 8, 417, 193}},
    {"lstStat", "Frame2", {8, 16, 265, 134}},     {"cmdBack", "Frame2", {8, 160, 265, 25}},
    {"Image2", "Frame2", {328, 16, 65, 69}},      {"Image1", "Frame2", {304, 16, 32, 32}},
    {"lblOpMin", "Frame2", {280, 168, 129, 17}},  {"lblOpSec", "Frame2", {280, 152, 129, 17}},
    {"lblDuration", "Frame2", {280, 88, 129, 17}}, {"lblTotalFalse", "Frame2", {280, 136, 129, 17}},
    {"lblTotalTrue", "Frame2", {280, 120, 129, 17}}, {"lblTotalAnswered", "Frame2", {280, 104, 129, 17}},
    {"cmdAbout", "frmMain", {240, 208, 89, 25}},  {"cmdExit", "frmMain", {336, 208, 89, 25}},
    {"Image3", "frmMain", {0, 200, 32, 32}},      {"lblURL1", "frmMain", {32, 205, 97, 17}},
    {"lblURL2", "frmMain", {32, 224, 201, 17}},
};
// clang-format on

TEST_F(LayoutTest, WindowIsAFixedCentredBoxWithMinimiseOnly) {
    EXPECT_EQ(window->windowTitle(), "Tavrendale");
    EXPECT_EQ(window->size(), QSize(433, 242));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    // Centred with its frame (none here, offscreen).
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(window->geometry().center().x() - screen.center().x()), 3);
    EXPECT_LE(std::abs(window->geometry().center().y() - screen.center().y()), 3);
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(LayoutTest, EveryControlSitsWhereTheLayoutPutsIt) {
    for (const Placement& placement : kPlacements) {
        SCOPED_TRACE(placement.name);
        QWidget* control = Get(placement.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), placement.parent);
        EXPECT_EQ(control->geometry(), placement.pixels);
    }
}

TEST_F(LayoutTest, TextsAtStart) {
    // clang-format off
    const std::pair<const char*, const char*> texts[] = {
        {"lblVal1", "0"}, {"Label1", "+"}, {"lblVal2", "0"}, {"Label2", "="}, {"txtResult", ""},
        {"txtTime", "1"}, {"Label3", "Test duration (minute(s)):"}, {"lblTimer", "0:00"}, {"Label4", "Timer:"},
        {"lblOpMin", "Operation per min: 0"}, {"lblOpSec", "Operation per sec: 0"},
        {"lblDuration", "Duration: 0 minute(s)"}, {"lblTotalFalse", "Total false: 0"},
        {"lblTotalTrue", "Total true: 0"}, {"lblTotalAnswered", "Total answered: 0"},
        {"lblURL1", "example.com"}, {"lblURL2", "www.example.org/tavrendale"},
    };
    // clang-format on
    for (const auto& [name, text] : texts) EXPECT_EQ(Text(name), QString::fromUtf8(text)) << name;
    EXPECT_EQ(Get<QCheckBox>("chkStatistic")->text(), "&Log test");
    EXPECT_EQ(Get<QCheckBox>("chkShowTimer")->text(), "Show &timer");
    // The captions as stored (picture-font letters for the symbol buttons), and the names the
    // accessibility tree reads instead, which say what each button does.
    const std::tuple<const char*, const char*, const char*> buttons[] = {
        {"cmdBack", "<<< &Back", "Back"}, {"cmdAbout", "A&bout", "About"}, {"cmdExit", "E&xit", "Exit"},
        {"cmdStart", "4", "Start"},       {"cmdStop", "<", "Stop"},        {"cmdReset", "~", "Reset"},
    };
    for (const auto& [name, caption, spoken] : buttons) {
        EXPECT_EQ(Get<chameleon::chameleonButton>(name)->Caption(), caption) << name;
        EXPECT_EQ(AccessibleName(Get(name)), spoken) << name;
    }
    // The symbol buttons have no access key; their tooltips say so by naming the key that
    // presses them.
    for (const char* name : {"cmdStart", "cmdStop", "cmdReset"})
        EXPECT_EQ(Get(name)->toolTip(), AccessibleName(Get(name)) + " (Space when focused)") << name;
}

// The frames are white, with their border's top lines above every control placed in them
// (the caption sits in a gap of those lines, not above them), and assistive technology
// reads them as groupings named by their captions.
TEST_F(LayoutTest, FramesAreWhiteGroupingsWithTheirTopLinesAboveTheirControls) {
    const struct {
        const char* name;
        const char* caption;
        const char* highestControl;
    } frames[] = {{"Frame1", "Options", "txtTime"}, {"Frame3", "Controls", "Label4"}, {"Frame2", "Result:", "lstStat"}};
    for (const auto& [name, caption, highestControl] : frames) {
        SCOPED_TRACE(name);
        auto* frame = Get<host::Frame>(name);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->caption(), caption);
        EXPECT_EQ(frame->foreColor(), host::Rgb(0, 0, 0));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(frame);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::Grouping);
        EXPECT_EQ(accessible->text(QAccessible::Name), caption);

        const QImage image = frame->grab().toImage();
        int topLine = 0;
        while (topLine < image.height() && image.pixelColor(0, topLine) == Qt::white) ++topLine;
        EXPECT_LT(topLine + 1, Get(highestControl)->y());
        EXPECT_EQ(image.pixelColor(2, image.height() - 3), QColor(Qt::white)) << "inside the border";
    }
}

// The glossy buttons cut their corners, where the frame shows through.
TEST_F(LayoutTest, ButtonCornersShowTheFramesWhite) {
    const QImage image = Get("Frame3")->grab().toImage();
    for (const char* name : {"cmdStart", "cmdStop", "cmdReset"}) {
        const QRect button = Get(name)->geometry();
        for (const QPoint corner : {button.topLeft(), button.topRight(), button.bottomLeft(), button.bottomRight()})
            EXPECT_EQ(image.pixelColor(corner), QColor(Qt::white)) << name << " " << corner.x() << "," << corner.y();
    }
}

TEST_F(LayoutTest, FontsFollowTheLayout) {
    for (const char* name : {"lblVal1", "Label1", "lblVal2", "Label2", "txtResult"}) {
        const QFont font = Get(name)->font();
        EXPECT_EQ(font.family(), "Cambria") << name;
        EXPECT_EQ(font.pixelSize(), 96) << name;
        EXPECT_TRUE(font.bold()) << name;
    }
    EXPECT_EQ(Get("lblTimer")->font().pixelSize(), 16);
    EXPECT_TRUE(Get("lblTimer")->font().bold());
    EXPECT_EQ(Get("lblHideTimer")->font().pixelSize(), 37);
    // Every other control takes the window's font.
    for (const char* name : {"Label3", "chkStatistic", "txtTime", "lstStat", "lblURL1", "lblOpMin"}) {
        const QFont font = Get(name)->font();
        EXPECT_EQ(font.family(), "Tahoma") << name;
        EXPECT_EQ(font.pixelSize(), 11) << name;
        EXPECT_FALSE(font.bold()) << name;
    }
}

// With whatever font engine sets it, the duration's label ends before its field begins.
TEST_F(LayoutTest, DurationLabelEndsBeforeItsField) {
    auto* label = Get<QLabel>("Label3");
    const int textRight = label->x() + QFontMetrics(label->font()).horizontalAdvance(label->text());
    EXPECT_LT(textRight, Get("txtTime")->x());
}

// The layout fonts draw no glyph from other fonts, so a character their own font lacks
// would show as an empty box.
TEST_F(LayoutTest, EveryTextHasItsGlyphsInItsOwnFont) {
    EXPECT_GE(testsupport::ExpectTextsHaveTheirGlyphsInTheirOwnFont(window.get()), 20);
}

TEST_F(LayoutTest, AlignmentAndColours) {
    EXPECT_TRUE(Get<QLabel>("lblVal1")->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_TRUE(Get<QLineEdit>("txtResult")->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_TRUE(Get<QLineEdit>("txtTime")->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_TRUE(Get<QLabel>("lblTimer")->alignment().testFlag(Qt::AlignHCenter));
    for (const char* name :
         {"lblOpMin", "lblOpSec", "lblDuration", "lblTotalFalse", "lblTotalTrue", "lblTotalAnswered"})
        EXPECT_TRUE(Get<QLabel>(name)->alignment().testFlag(Qt::AlignRight)) << name;
    EXPECT_TRUE(Get<QLabel>("lblURL1")->alignment().testFlag(Qt::AlignLeft));
    for (const char* name : {"lblURL1", "lblURL2"}) {
        EXPECT_EQ(Get(name)->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << name;
        EXPECT_FALSE(Get(name)->autoFillBackground()) << name;
        EXPECT_EQ(Get(name)->cursor().shape(), Qt::BitmapCursor) << name;
    }
    // The clock cover is opaque, the operand labels are not.
    EXPECT_TRUE(Get("lblHideTimer")->autoFillBackground());
    EXPECT_EQ(Get("lblHideTimer")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_FALSE(Get("lblVal1")->autoFillBackground());
}

TEST_F(LayoutTest, InitialStateOfTheControls) {
    auto* answer = Get<QLineEdit>("txtResult");
    EXPECT_FALSE(answer->isEnabled());
    EXPECT_EQ(answer->maxLength(), 1);
    auto* duration = Get<QLineEdit>("txtTime");
    EXPECT_TRUE(duration->isEnabled());
    EXPECT_EQ(duration->maxLength(), 2);
    EXPECT_TRUE(Get<QCheckBox>("chkStatistic")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("chkShowTimer")->isChecked());
    EXPECT_TRUE(Get("cmdStart")->isEnabled());
    EXPECT_FALSE(Get("cmdStop")->isEnabled());
    EXPECT_TRUE(Get("cmdReset")->isEnabled());
    EXPECT_FALSE(Get("Frame2")->isVisible());
    EXPECT_FALSE(Get("lblHideTimer")->isVisible());
    EXPECT_TRUE(Get("lblTimer")->isVisible());
    EXPECT_EQ(Get<QListWidget>("lstStat")->count(), 0);
    EXPECT_FALSE(Get<QListWidget>("lstStat")->isSortingEnabled());
    ASSERT_NE(Timer(), nullptr);
    EXPECT_FALSE(Timer()->Enabled());
    EXPECT_EQ(Timer()->Interval(), 1024);
    EXPECT_EQ(QApplication::focusWidget(), duration);
}

TEST_F(LayoutTest, StackingPutsPanelCoverAndFigureInFront) {
    const auto index = [](QWidget* widget) { return widget->parentWidget()->children().indexOf(widget); };
    // The result panel is the window's front-most control.
    QWidget* frontMost = nullptr;
    for (QObject* child : window->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow()) frontMost = widget;
    EXPECT_EQ(frontMost, Get("Frame2"));
    EXPECT_GT(index(Get("lblHideTimer")), index(Get("lblTimer")));
    EXPECT_GT(index(Get("lblHideTimer")), index(Get("Label4")));
    EXPECT_GT(index(Get("Image2")), index(Get("Image1")));
    // The cover hides the heading and the clock completely.
    const QRect cover = Get("lblHideTimer")->geometry();
    EXPECT_TRUE(cover.contains(Get("lblTimer")->geometry()));
    EXPECT_TRUE(cover.united(Get("Label4")->geometry()).height() <= cover.height() + 3);
}

TEST_F(LayoutTest, TabOrderRunsThroughTheFocusableControls) {
    const QStringList expected = {"txtTime",  "chkStatistic", "chkShowTimer",  "txtResult", "lstStat", "cmdBack",
                                  "cmdAbout", "cmdExit",      "cmdExamSheets", "cmdStart",  "cmdStop", "cmdReset"};
    // Every widget of the whole chain that Tab can stop at, wherever it is enabled or shown:
    // nothing more and nothing less than the list, in its order.
    QStringList order;
    QWidget* first = Get("txtTime");
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus) order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    EXPECT_EQ(order.join(' ').toStdString(), expected.join(' ').toStdString());
    for (const char* label : {"lblVal1", "Label3", "lblTimer", "lblURL1", "Image3"})
        EXPECT_EQ(Get(label)->focusPolicy(), Qt::NoFocus) << label;
}

TEST_F(LayoutTest, AboutMenuIsAHiddenPopUp) {
    auto* menu = Get<QMenu>("mnuAbout");
    EXPECT_EQ(menu->title(), "A&bout...");
    EXPECT_FALSE(menu->isVisible());
    QStringList items;
    for (QAction* action : menu->actions())
        items << (action->isSeparator() ? "-" : action->objectName() + "=" + action->text());
    EXPECT_EQ(items, QStringList({"mnuAbRule=About &Rule", "mnuAbPKT=About &Pauli-Kraepelin Test", "-",
                                  "mnuAboutTavrendale=About &Tavrendale"}));
    // No menu bar: nothing but the pop-up carries the menu.
    EXPECT_EQ(window->findChild<QMenuBar*>(), nullptr);
}

} // namespace
