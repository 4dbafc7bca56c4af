// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer, keyboard, focus and access-key input, the life cycle of the surface, and the
// pointer tracking that must not keep an idle program awake.

#include "TestSupport.h"
#include "host/qt/DrawingContext.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace {

using chameleon::chameleonButton;
using testsupport::ShownButton;

// The events a button raises, in order, with the parameters they carried.
struct EventLog {
    explicit EventLog(chameleonButton& b) {
        QObject::connect(&b, &chameleonButton::Click, [this] { names << "Click"; });
        QObject::connect(&b, &chameleonButton::MouseOver, [this] { names << "MouseOver"; });
        QObject::connect(&b, &chameleonButton::MouseOut, [this] { names << "MouseOut"; });
        QObject::connect(&b, &chameleonButton::MouseDown,
                         [this](std::int16_t& button, std::int16_t&, float& x, float& y) {
                             names << QStringLiteral("MouseDown(%1,%2,%3)").arg(button).arg(x).arg(y);
                             if (rewriteButton) button = *rewriteButton;
                         });
        QObject::connect(&b, &chameleonButton::MouseUp, [this](std::int16_t& button, std::int16_t&, float&, float&) {
            names << QStringLiteral("MouseUp(%1)").arg(button);
        });
        QObject::connect(&b, &chameleonButton::MouseMove, [this](std::int16_t& button, std::int16_t&, float&, float&) {
            ++moves;
            lastMoveButton = button;
        });
        QObject::connect(&b, &chameleonButton::KeyDown, [this](std::int16_t& code, std::int16_t&) {
            names << QStringLiteral("KeyDown(%1)").arg(code);
            if (rewriteKey) code = *rewriteKey;
        });
        QObject::connect(&b, &chameleonButton::KeyUp,
                         [this](std::int16_t& code, std::int16_t&) { names << QStringLiteral("KeyUp(%1)").arg(code); });
        QObject::connect(&b, &chameleonButton::KeyPress,
                         [this](std::int16_t& ascii) { names << QStringLiteral("KeyPress(%1)").arg(ascii); });
        QObject::connect(&b, &chameleonButton::Error, [this](const QString& e) { errors << e; });
    }
    QStringList Without(const QString& prefix) const {
        QStringList kept;
        for (const QString& n : names)
            if (!n.startsWith(prefix)) kept << n;
        return kept;
    }
    QStringList names;
    QStringList errors;
    int moves = 0;
    int lastMoveButton = -1;
    std::optional<std::int16_t> rewriteButton;
    std::optional<std::int16_t> rewriteKey;
};

void Move(const ShownButton& b, QPoint at) { QTest::mouseMove(&b.Window(), at); }
// The pointer comes in from outside the button (a move to where the pointer already is
// would be no move at all).
void Hover(const ShownButton& b) {
    Move(b, b.Outside());
    Move(b, b.Inside());
}
void Press(const ShownButton& b, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(&b.Window(), button, {}, at);
}
void Release(const ShownButton& b, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(&b.Window(), button, {}, at);
}

TEST(PointerTracking, InThenOutRaisesOneOverAndOneOut) {
    ShownButton b;
    EventLog log(*b);
    Hover(b);
    EXPECT_TRUE(b->State().isOver);
    EXPECT_TRUE(b->TrackingPointer());
    Move(b, b.Inside() + QPoint(2, 1));
    Move(b, b.Outside());
    EXPECT_EQ(log.names, (QStringList{"MouseOver", "MouseOut"}));
    EXPECT_FALSE(b->State().isOver);
    EXPECT_FALSE(b->TrackingPointer());
}

TEST(PointerTracking, PressMoveReleaseMoveRaisesOverTwiceWithoutOut) {
    ShownButton b;
    EventLog log(*b);
    Hover(b);
    Press(b, b.Inside());
    Move(b, b.Inside() + QPoint(3, 0));
    EXPECT_FALSE(b->State().isOver); // the move with the button held leaves it false
    Release(b, b.Inside() + QPoint(3, 0));
    Move(b, b.Inside() + QPoint(4, 0));
    EXPECT_EQ(log.names.filter("MouseO"), (QStringList{"MouseOver", "MouseOver"}));
    Move(b, b.Outside());
    EXPECT_EQ(log.names.filter("MouseOut").size(), 1);
}

TEST(PointerTracking, DraggedOffTheButtonSpringsUpAndGoesDownAgainWhenBack) {
    ShownButton b;
    Hover(b);
    Press(b, b.Inside());
    EXPECT_EQ(b->State().lastState, 2);
    Move(b, b.Outside());
    EXPECT_EQ(b->State().lastState, 0);
    Move(b, b.Inside());
    EXPECT_EQ(b->State().lastState, 2);
    Release(b, b.Inside());
    EXPECT_EQ(b->State().lastState, 0);
}

TEST(PointerTracking, ReleasedOffTheButtonGivesNoClick) {
    ShownButton b;
    EventLog log(*b);
    Hover(b);
    Press(b, b.Inside());
    Move(b, b.Outside());
    Release(b, b.Outside());
    EXPECT_FALSE(log.names.contains("Click"));
}

TEST(PointerTracking, IdleHoverDoesNotWakeTheProgram) {
    ShownButton b;
    Hover(b);
    ASSERT_TRUE(b->TrackingPointer());
    // Nothing of the button runs a timer while the pointer rests over it.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    EXPECT_TRUE(dispatcher->registeredTimers(&*b).isEmpty());
    for (QObject* child : b->findChildren<QObject*>()) EXPECT_TRUE(dispatcher->registeredTimers(child).isEmpty());

    struct TimerCounter : QObject {
        int ticks = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Timer) ++ticks;
            return false;
        }
    } counter;
    qApp->installEventFilter(&counter);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    qApp->removeEventFilter(&counter);
    EXPECT_EQ(counter.ticks, 0);
    EXPECT_TRUE(b->TrackingPointer());
}

TEST(MouseButtons, PrimaryClickRaisesDownUpClick) {
    ShownButton b;
    EventLog log(*b);
    Hover(b);
    QTest::mouseClick(&b.Window(), Qt::LeftButton, {}, b.Inside());
    EXPECT_EQ(log.Without("MouseOver"), (QStringList{"MouseDown(1,44,12)", "MouseUp(1)", "Click"}));
}

TEST(MouseButtons, ClickReachesWindowsThatListenToClicked) {
    ShownButton b;
    int clicked = 0;
    QObject::connect(&*b, &QAbstractButton::clicked, [&] { ++clicked; });
    QTest::mouseClick(&b.Window(), Qt::LeftButton, {}, b.Inside());
    EXPECT_EQ(clicked, 1);
    b->SetEnabled(false);
    QTest::mouseClick(&b.Window(), Qt::LeftButton, {}, b.Inside(), 500);
    EXPECT_EQ(clicked, 1);
}

TEST(PointerTracking, PictureOverRedrawsWhileThePointerIsOver) {
    ShownButton b;
    Hover(b);
    ASSERT_TRUE(b->State().isOver);
    const int before = b->SurfaceRefreshCount();
    b->SetPictureOver(testsupport::SmallPicture());
    EXPECT_GT(b->SurfaceRefreshCount(), before);
}

TEST(MouseButtons, SecondaryButtonNeverPressesOrClicks) {
    ShownButton b;
    EventLog log(*b);
    Hover(b);
    Press(b, b.Inside(), Qt::RightButton);
    EXPECT_EQ(b->State().lastState, 0);
    Move(b, b.Inside() + QPoint(1, 1));
    EXPECT_EQ(log.lastMoveButton, 2);
    Release(b, b.Inside() + QPoint(1, 1), Qt::RightButton);
    EXPECT_EQ(b->State().lastState, 0);
    EXPECT_EQ(log.Without("MouseOver"), (QStringList{"MouseDown(2,44,12)", "MouseUp(2)"}));
}

TEST(MouseButtons, HandlerRewritingTheButtonToSecondarySuppressesPressAndClick) {
    ShownButton b;
    EventLog log(*b);
    log.rewriteButton = 2;
    Hover(b);
    Press(b, b.Inside());
    EXPECT_EQ(b->State().lastState, 0);
    Release(b, b.Inside());
    EXPECT_FALSE(log.names.contains("Click"));
}

TEST(MouseButtons, HandlerRewritingTheButtonOutOfRangeIsAnOverflow) {
    ShownButton b;
    EventLog log(*b);
    Hover(b);
    Press(b, b.Inside());
    Release(b, b.Inside());
    log.rewriteButton = 300;
    const std::uint8_t before = b->State().lastMouseButton;
    Press(b, b.Inside());
    EXPECT_EQ(log.errors.size(), 1);
    EXPECT_EQ(b->State().lastMouseButton, before);
    EXPECT_EQ(b->State().lastState, 0); // the handler ended before drawing
    Release(b, b.Inside());
}

TEST(MouseButtons, DoubleClickTakesThePlaceOfTheSecondPress) {
    ShownButton b;
    EventLog log(*b);
    Hover(b);
    QTest::mouseDClick(&b.Window(), Qt::LeftButton, {}, b.Inside());
    EXPECT_EQ(log.Without("MouseOver"),
              (QStringList{"MouseDown(1,44,12)", "MouseUp(1)", "Click", "MouseDown(1,0,0)", "MouseUp(1)"}));
}

TEST(MouseButtons, QuickPairsOfOtherButtonsAreTwoPresses) {
    const std::vector<std::pair<Qt::MouseButton, int>> cases = {{Qt::RightButton, 2}, {Qt::MiddleButton, 4}};
    for (const auto& [button, mask] : cases) {
        ShownButton b;
        EventLog log(*b);
        Hover(b);
        QTest::mouseDClick(&b.Window(), button, {}, b.Inside());
        const QString down = QStringLiteral("MouseDown(%1,44,12)").arg(mask);
        const QString up = QStringLiteral("MouseUp(%1)").arg(mask);
        EXPECT_EQ(log.Without("MouseOver"), (QStringList{down, up, down, up})) << mask;
        EXPECT_EQ(b->State().lastState, 0) << mask;
    }
}

TEST(MouseButtons, TwoStateButtonFlipsOnEveryClick) {
    ShownButton b;
    b->SetCheckBoxBehaviour(true);
    Hover(b);
    QTest::mouseClick(&b.Window(), Qt::LeftButton, {}, b.Inside());
    EXPECT_TRUE(b->value());
    EXPECT_EQ(b->State().lastState, 2);
    QTest::mouseClick(&b.Window(), Qt::LeftButton, {}, b.Inside() + QPoint(30, 0), 500);
    EXPECT_FALSE(b->value());
    EXPECT_EQ(b->State().lastState, 0);
}

TEST(Keyboard, SpaceDownAndUpClicksAndFlipsATwoStateButton) {
    ShownButton b;
    b->SetCheckBoxBehaviour(true);
    b->setFocus();
    EventLog log(*b);
    QTest::keyPress(&*b, Qt::Key_Space);
    EXPECT_EQ(b->State().lastState, 2);
    QTest::keyRelease(&*b, Qt::Key_Space);
    EXPECT_TRUE(b->value());
    EXPECT_EQ(log.names, (QStringList{"KeyDown(32)", "KeyPress(32)", "KeyUp(32)", "Click"}));
}

TEST(Keyboard, KeysTheButtonIgnoresAreStillReportedWithTheirCodes) {
    // Qt key, modifiers, virtual-key code (the whole table is in the host's tests).
    const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, int>> cases = {
        {Qt::Key_Plus, Qt::ShiftModifier, 0xBB}, {Qt::Key_Plus, Qt::KeypadModifier, 0x6B}, {Qt::Key_Menu, {}, 0x5D}};
    ShownButton b;
    b->setFocus();
    EventLog log(*b);
    for (const auto& [key, modifiers, code] : cases) {
        log.names.clear();
        QTest::keyClick(&*b, key, modifiers);
        // A shifted key comes with Shift's own press and release (16), as on the platform.
        QStringList reported = log.Without("KeyPress");
        reported.removeAll(QStringLiteral("KeyDown(16)"));
        reported.removeAll(QStringLiteral("KeyUp(16)"));
        EXPECT_EQ(reported,
                  (QStringList{QStringLiteral("KeyDown(%1)").arg(code), QStringLiteral("KeyUp(%1)").arg(code)}));
    }
}

TEST(Clicks, TheUpLookIsOnScreenBeforeClickIsRaised) {
    // What the last paint showed when Click came; a paint left for later would leave the
    // pressed look, or nothing, on screen.
    struct LastPaint : QObject {
        int state = -1;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint) state = static_cast<chameleonButton*>(watched)->State().lastState;
            return false;
        }
    };
    for (const bool keyboard : {false, true}) {
        ShownButton b;
        b->setFocus();
        Hover(b);
        if (keyboard)
            QTest::keyPress(&*b, Qt::Key_Space);
        else
            Press(b, b.Inside());
        LastPaint paint;
        b->installEventFilter(&paint);
        int shownAtClick = -1;
        QObject::connect(&*b, &chameleonButton::Click, [&] { shownAtClick = paint.state; });
        if (keyboard)
            QTest::keyRelease(&*b, Qt::Key_Space);
        else
            Release(b, b.Inside());
        EXPECT_EQ(shownAtClick, 0) << (keyboard ? "space" : "pointer");
    }
}

TEST(Keyboard, EnterDoesNothing) {
    ShownButton b;
    b->setFocus();
    EventLog log(*b);
    QTest::keyClick(&*b, Qt::Key_Return);
    EXPECT_FALSE(log.names.contains("Click"));
    EXPECT_EQ(b->State().lastState, 0);
}

TEST(Keyboard, KeyDownHandlerRewritingTheCodeSuppressesSpaceAndArrows) {
    ShownButton b;
    auto* next = new QWidget(&b.Window());
    next->setFocusPolicy(Qt::StrongFocus);
    next->show();
    b->setFocus();
    EventLog log(*b);
    log.rewriteKey = 0;
    QTest::keyPress(&*b, Qt::Key_Space);
    EXPECT_EQ(b->State().lastState, 0);
    QTest::keyRelease(&*b, Qt::Key_Space);
    EXPECT_FALSE(log.names.contains("Click"));
    QTest::keyClick(&*b, Qt::Key_Right);
    EXPECT_TRUE(b->hasFocus());
}

TEST(Keyboard, ArrowKeysMoveTheFocusInTabOrder) {
    ShownButton b;
    QWidget& window = b.Window();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* first = new chameleonButton(&window);
    auto* last = new chameleonButton(&window);
    first->setGeometry(10, 50, 40, 20);
    last->setGeometry(60, 50, 40, 20);
    first->show();
    last->show();
    QWidget::setTabOrder(first, &*b);
    QWidget::setTabOrder(&*b, last);
    const std::vector<std::pair<Qt::Key, QWidget*>> cases = {
        {Qt::Key_Left, first}, {Qt::Key_Up, first}, {Qt::Key_Right, last}, {Qt::Key_Down, last}};
    for (const auto& [key, expected] : cases) {
        b->setFocus();
        ASSERT_TRUE(b->hasFocus());
        QTest::keyClick(&*b, key);
        EXPECT_TRUE(expected->hasFocus()) << key;
    }
}

TEST(Keyboard, FocusIsDrawnAndRecorded) {
    ShownButton b;
    b.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.Window()));
    b->clearFocus();
    EXPECT_FALSE(b->State().hasFocus);
    const int before = b->SurfaceRefreshCount();
    b->setFocus();
    EXPECT_TRUE(b->State().hasFocus);
    EXPECT_GT(b->SurfaceRefreshCount(), before);
    b->clearFocus();
    EXPECT_FALSE(b->State().hasFocus);
}

TEST(AccessKeys, DerivedFromTheCaption) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"E&xit", "x"},     {"&OK", "o"},   {"A&bout", "b"}, {"<<< &Back", "b"}, {"Fish && Chips", ""},
        {"A&&B &Cat", "c"}, {"&", ""},      {"x", ""},       {"", ""},           {"Ends&", ""},
        {"&&", ""},         {"a&&&&b", ""}, {"&&&x", "x"},   {"a&&b&&c&d", ""},  {"&X&y", "x"},
    };
    for (const auto& [caption, key] : cases)
        EXPECT_EQ(chameleonButton::AccessKeyOf(caption), key) << caption.toStdString();
}

TEST(AccessKeys, ACharacterBeyondTheBasicPlaneIsOneKey) {
    // Such a character is two UTF-16 units: both are the key.
    const std::vector<std::pair<QString, QString>> cases = {
        {QString::fromUtf8("&\U00010400x"), QString::fromUtf8("\U00010428")},
        {QString::fromUtf8("a&&b &\U0001F600"), QString::fromUtf8("\U0001F600")},
    };
    for (const auto& [caption, key] : cases)
        EXPECT_EQ(chameleonButton::AccessKeyOf(caption), key) << caption.toStdString();
    ShownButton b;
    b->SetCaption(QString::fromUtf8("&\U00010428"));
    ASSERT_EQ(b->shortcut().count(), 1);
    EXPECT_EQ(b->shortcut()[0], QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(0x10400)));
}

TEST(AccessKeys, AltAndTheLetterClicksAnEnabledButtonOnly) {
    ShownButton b;
    b->SetCaption("E&xit");
    b.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.Window()));
    EventLog log(*b);
    QTest::keyClick(&b.Window(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(log.names.count("Click"), 1);
    EXPECT_EQ(b->State().lastMouseButton, 1);

    b->SetEnabled(false);
    QTest::keyClick(&b.Window(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(log.names.count("Click"), 1);

    b->SetEnabled(true);
    b->SetCaption("Fish && Chips");
    QTest::keyClick(&b.Window(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(log.names.count("Click"), 1);
}

TEST(AmbientChanges, CustomSchemeIgnoresThem) {
    ShownButton b;
    b->SetColorScheme(2);
    int before = b->SurfaceRefreshCount();
    b->AmbientPropertyChanged("BackColor");
    EXPECT_EQ(b->SurfaceRefreshCount(), before);
    b->SetColorScheme(1);
    before = b->SurfaceRefreshCount();
    b->AmbientPropertyChanged("BackColor");
    EXPECT_EQ(b->SurfaceRefreshCount(), before + 1);
    // A palette change of the container is an ambient change too.
    QPalette palette = b.Window().palette();
    palette.setColor(QPalette::Window, Qt::darkGreen);
    b.Window().setPalette(palette);
    EXPECT_GT(b->SurfaceRefreshCount(), before + 1);
}

TEST(Resize, FaceRectangleInsetByStyle) {
    struct Case {
        int style;
        host::Rect face;
    };
    const std::vector<Case> cases = {
        {14, {6, 6, 85, 21}}, {9, {3, 3, 86, 22}},  {2, {4, 4, 85, 21}},
        {7, {3, 3, 86, 22}},  {13, {3, 3, 86, 22}}, {1, {4, 4, 85, 21}},
    };
    for (const Case& c : cases) {
        ShownButton b(89, 25, c.style);
        EXPECT_EQ(b->State().faceRect, c.face) << c.style;
        EXPECT_EQ(b->State().buttonWidth, 89);
        EXPECT_EQ(b->State().buttonHeight, 25);
    }
}

TEST(Resize, TheStyleRegionBecomesTheWidgetShape) {
    ShownButton b(10, 10, 3);
    const QRegion mask = b->mask();
    std::int64_t area = 0;
    for (const QRect& r : mask) area += static_cast<std::int64_t>(r.width()) * r.height();
    EXPECT_EQ(area, 88);
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(9, 8)));
    EXPECT_TRUE(mask.contains(QPoint(5, 5)));
    // Back to a rectangular style: the whole rectangle again.
    b->SetButtonType(2);
    EXPECT_TRUE(b->mask().isEmpty() || b->mask() == QRegion(0, 0, 10, 10));
}

TEST(PointerTracking, OvalButtonIgnoresThePointerInItsCorners) {
    ShownButton b(89, 25, 13);
    EventLog log(*b);
    Move(b, b.Outside());
    Move(b, b->geometry().topLeft() + QPoint(1, 1));
    EXPECT_FALSE(log.names.contains("MouseOver"));
    Move(b, b.Inside());
    EXPECT_TRUE(log.names.contains("MouseOver"));
    Move(b, b->geometry().bottomRight() - QPoint(1, 1));
    EXPECT_EQ(log.names.filter("MouseO"), (QStringList{"MouseOver", "MouseOut"}));
}

TEST(Resize, ZeroHeightDrawsNothingUntilItHasAHeightAgain) {
    ShownButton b;
    b->resize(89, 0);
    const int before = b->SurfaceRefreshCount();
    b->SetCaption("Hidden");
    EXPECT_EQ(b->SurfaceRefreshCount(), before);
    b->resize(89, 25);
    EXPECT_GT(b->SurfaceRefreshCount(), before);
    EXPECT_EQ(b->State().lastCaption, QStringLiteral("Hidden"));
}

TEST(LifeCycle, HiddenButtonsDoNotDrawAndShowDrawsAgain) {
    ShownButton b;
    b->hide();
    EXPECT_FALSE(b->State().redrawEnabled);
    const int before = b->SurfaceRefreshCount();
    b->SetCaption("While hidden");
    EXPECT_EQ(b->SurfaceRefreshCount(), before);
    b->show();
    EXPECT_TRUE(b->State().redrawEnabled);
    EXPECT_EQ(b->State().lastCaption, QStringLiteral("While hidden"));
}

TEST(LifeCycle, TransparentStyleMakesItsBackgroundCopyOnceAtTheFirstShow) {
    ShownButton b(89, 25, 11);
    const auto first = b->State().backgroundDC;
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Width(), 89);
    b->hide();
    b->resize(120, 30);
    b->show();
    EXPECT_EQ(b->State().backgroundDC, first);
    EXPECT_EQ(b->State().backgroundDC->Width(), 89);
}

} // namespace
