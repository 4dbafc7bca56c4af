// SPDX-License-Identifier: GPL-3.0-or-later
// The window services: scripted message boxes, the precise timer, web addresses, the
// pointing hand and mouse moves over a control's own surface.
#include "../../support/ScriptedMessageBoxes.h"
#include "host/qt/Cursors.h"
#include "host/qt/DesktopUrl.h"
#include "host/qt/MouseMoves.h"
#include "host/qt/PreciseTimer.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using host::MessageAnswer;
using host::MessageButtons;

TEST(ScriptedMessageBoxes, AnswersInOrderAndRecordsEveryBox) {
    host::ScriptedMessageBoxes boxes;
    boxes.Answer(MessageAnswer::No);
    boxes.Answer(MessageAnswer::Yes);
    int opened = 0;
    boxes.SetWhileOpen([&](const host::MessageRequest&) { ++opened; });
    EXPECT_EQ(boxes.Show(nullptr, {"q1", "t", host::MessageIcon::Question, MessageButtons::YesNo}), MessageAnswer::No);
    EXPECT_EQ(boxes.Show(nullptr, {"q2", "t", host::MessageIcon::Question, MessageButtons::YesNo}), MessageAnswer::Yes);
    // With the script used up a box gets its first button.
    EXPECT_EQ(boxes.Show(nullptr, {"q3", "t", host::MessageIcon::Question, MessageButtons::YesNo}), MessageAnswer::Yes);
    EXPECT_EQ(boxes.Show(nullptr, {"i", "t", host::MessageIcon::Information, MessageButtons::Ok}), MessageAnswer::Ok);
    ASSERT_EQ(boxes.requests().size(), 4u);
    EXPECT_EQ(boxes.requests()[1].text, "q2");
    EXPECT_EQ(opened, 4);
}

TEST(ScriptedMessageBoxes, AnOkBoxAnswersOkWhateverIsScripted) {
    host::ScriptedMessageBoxes boxes;
    boxes.Answer(MessageAnswer::No);
    EXPECT_EQ(boxes.Show(nullptr, {"w", "t", host::MessageIcon::Warning, MessageButtons::Ok}), MessageAnswer::Ok);
}

// Answers the real box that opens next, after checking what it shows.
void AnswerNextBox(const host::MessageRequest& expected, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                   QMessageBox::StandardButton answer, bool& seen) {
    QTimer::singleShot(0, [=, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->text(), expected.text);
        EXPECT_EQ(box->windowTitle(), expected.title);
        EXPECT_EQ(box->icon(), icon);
        EXPECT_EQ(box->standardButtons(), buttons);
        box->button(answer)->click();
    });
}

TEST(QtMessageBoxes, ShowTextTitleIconAndButtonsAndReturnTheChoice) {
    host::QtMessageBoxes boxes;
    const host::MessageRequest question{"Are you sure?", "Tavrendale", host::MessageIcon::Question,
                                        MessageButtons::YesNo};
    for (const auto& [button, answer] :
         {std::pair{QMessageBox::No, MessageAnswer::No}, std::pair{QMessageBox::Yes, MessageAnswer::Yes}}) {
        bool seen = false;
        AnswerNextBox(question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, button, seen);
        EXPECT_EQ(boxes.Show(nullptr, question), answer);
        EXPECT_TRUE(seen);
    }
    const host::MessageRequest warning{"Invalid", "Tavrendale", host::MessageIcon::Warning, MessageButtons::Ok};
    bool seen = false;
    AnswerNextBox(warning, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, seen);
    EXPECT_EQ(boxes.Show(nullptr, warning), MessageAnswer::Ok);
    EXPECT_TRUE(seen);
}

TEST(PreciseTimer, TicksOnlyWhileEnabled) {
    host::PreciseTimer timer;
    EXPECT_FALSE(timer.Enabled());
    timer.SetInterval(5);
    EXPECT_EQ(timer.Interval(), 5);
    QSignalSpy ticks(&timer, &host::PreciseTimer::Timer);
    timer.SetEnabled(true);
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_TRUE(ticks.wait(2000));
    timer.SetEnabled(false);
    const auto counted = ticks.count();
    QTest::qWait(30);
    EXPECT_EQ(ticks.count(), counted);
}

TEST(DesktopUrl, WebAddressesReachTheHandlerAndNothingElseDoes) {
    QStringList opened;
    host::ScopedUrlHandler handler([&](const QString& address) { opened << address; });
    host::OpenUrl("example.com");
    host::OpenUrl("https://www.example.org/tavrendale");
    host::OpenUrl("file:///etc/passwd");
    host::OpenUrl("/bin/sh");
    host::OpenUrl("javascript:alert(1)");
    host::OpenUrl("");
    EXPECT_EQ(opened, QStringList({"http://example.com", "https://www.example.org/tavrendale"}));
}

TEST(DesktopUrl, HandlersNestAndRestore) {
    QStringList outer, inner;
    host::ScopedUrlHandler first([&](const QString& a) { outer << a; });
    {
        host::ScopedUrlHandler second([&](const QString& a) { inner << a; });
        host::OpenUrl("example.com");
    }
    host::OpenUrl("example.org");
    EXPECT_EQ(inner, QStringList({"http://example.com"}));
    EXPECT_EQ(outer, QStringList({"http://example.org"}));
}

TEST(HandCursor, IsAThirtyTwoPixelPictureWithItsHotSpotInside) {
    const QPixmap picture = host::HandPicture(32);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(32, 32));
    // Drawn, not blank: the corner is transparent and the palm is not.
    const QImage image = picture.toImage();
    EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0);
    EXPECT_GT(qAlpha(image.pixel(16, 22)), 200);
    const QCursor cursor = host::HandCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_TRUE(QRect(0, 0, 32, 32).contains(cursor.hotSpot()));
    // The hot spot lies on the fingertip.
    EXPECT_GT(qAlpha(image.pixel(cursor.hotSpot() + QPoint(0, 1))), 0);
}

TEST(Twips, FifteenToAPixel) {
    EXPECT_EQ(host::Twips(6495), 433);
    EXPECT_EQ(host::Twips(3630), 242);
    EXPECT_EQ(host::Twips(275), 18);
    EXPECT_EQ(host::Twips(0), 0);
}

TEST(MouseMoves, OnlyMovesOverTheBareSurfaceCount) {
    QWidget window;
    window.resize(200, 100);
    auto* child = new QLabel("child", &window);
    child->setGeometry(100, 0, 100, 100);
    int moves = 0;
    host::MouseMoves::Watch(&window, [&] { ++moves; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.hasMouseTracking());
    QTest::mouseMove(&window, QPoint(20, 20));
    EXPECT_EQ(moves, 1);
    // A move over the child reaches the window only because the child ignores it.
    QTest::mouseMove(child, QPoint(20, 20));
    EXPECT_EQ(moves, 1);
    QTest::mouseMove(&window, QPoint(30, 30));
    EXPECT_EQ(moves, 2);
}

} // namespace
