// SPDX-License-Identifier: GPL-3.0-or-later
// The button on a real X server with a window manager: the pointer is moved by the server
// itself, and windows really cover one another.

#include "controls/chameleonButton/chameleonButton.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using chameleon::chameleonButton;

class X11Pointer : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
        window = std::make_unique<QWidget>();
        window->setGeometry(100, 100, 240, 120);
        button = new chameleonButton(window.get());
        button->InitNew();
        button->setGeometry(20, 20, 120, 40);
        QObject::connect(button, &chameleonButton::MouseOver, [this] { events << "MouseOver"; });
        QObject::connect(button, &chameleonButton::MouseOut, [this] { events << "MouseOut"; });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // Start away from the button, then come in.
        QCursor::setPos(window->mapToGlobal(QPoint(200, 100)));
        Settle();
        QCursor::setPos(button->mapToGlobal(QPoint(60, 20)));
        QTRY_VERIFY_WITH_TIMEOUT(button->State().isOver, 3000);
    }
    static void Settle() {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 200) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    std::unique_ptr<QWidget> window;
    chameleonButton* button = nullptr;
    QStringList events;
};

TEST_F(X11Pointer, AnotherWindowCoveringTheButtonEndsTheHoverOnce) {
    QWidget cover;
    cover.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    cover.setGeometry(QRect(button->mapToGlobal(QPoint(0, 0)) - QPoint(10, 10), QSize(200, 80)));
    cover.show();
    QTRY_COMPARE_WITH_TIMEOUT(events, (QStringList{"MouseOver", "MouseOut"}), 3000);
    EXPECT_FALSE(button->State().isOver);
    EXPECT_FALSE(button->TrackingPointer());
    Settle();
    EXPECT_EQ(events, (QStringList{"MouseOver", "MouseOut"}));
}

TEST_F(X11Pointer, LeavingTheButtonEndsTheHoverOnce) {
    QCursor::setPos(window->mapToGlobal(QPoint(200, 100)));
    QTRY_COMPARE_WITH_TIMEOUT(events, (QStringList{"MouseOver", "MouseOut"}), 3000);
    Settle();
    EXPECT_EQ(events.size(), 2);
}

TEST_F(X11Pointer, RestingOverTheButtonRunsNoTimer) {
    struct TimerCounter : QObject {
        int ticks = 0;
        int buttonTicks = 0;
        QObject* button = nullptr;
        QStringList receivers;
        bool eventFilter(QObject* receiver, QEvent* event) override {
            if (event->type() == QEvent::Timer) {
                ++ticks;
                receivers << QString::fromLatin1(receiver->metaObject()->className());
                if (receiver == button || button->children().contains(receiver)) ++buttonTicks;
            }
            return false;
        }
    } counter;
    counter.button = button;
    Settle();
    qApp->installEventFilter(&counter);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 500) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    qApp->removeEventFilter(&counter);
    EXPECT_TRUE(button->State().isOver);
    // The button wakes nobody; the toolkit may tick once or twice for its own reasons
    // (a 3 ms poll would have ticked about 160 times).
    RecordProperty("timer_events_in_500ms", counter.ticks);
    EXPECT_EQ(counter.buttonTicks, 0);
    EXPECT_LE(counter.ticks, 3) << counter.receivers.join(", ").toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
