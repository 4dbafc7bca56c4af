// SPDX-License-Identifier: GPL-3.0-or-later
// The window's questions and boxes: exit, the About pop-up menu, its two information
// boxes and the About window.
#include "MainWindowFixture.h"
#include "about/frmAbout.h"
#include "docking/WindowDocking.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

using DialogsTest = MainWindowFixture;

void ExpectExitQuestion(const host::MessageRequest& box) {
    EXPECT_EQ(box.text, "Are you sure want to exit?");
    EXPECT_EQ(box.title, "Tavrendale");
    EXPECT_EQ(box.icon, host::MessageIcon::Question);
    EXPECT_EQ(box.buttons, host::MessageButtons::YesNo);
}

TEST_F(DialogsTest, ExitAnsweredNoDuringARunKeepsItGoing) {
    StartRun("1", 0.75f, 0.55f);
    boxes.Answer(host::MessageAnswer::No);
    boxes.SetWhileOpen([this](const host::MessageRequest&) { Ticks(2); });
    Click("cmdExit");
    ASSERT_EQ(boxes.requests().size(), 1u);
    ExpectExitQuestion(boxes.requests()[0]);
    EXPECT_EQ(endCalls, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(Timer()->Enabled());
    EXPECT_EQ(Text("lblTimer"), "0:02");
}

TEST_F(DialogsTest, CloseBoxAnsweredNoDuringARunKeepsItGoing) {
    StartRun("1", 0.75f, 0.55f);
    boxes.Answer(host::MessageAnswer::No);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(boxes.requests().size(), 1u);
    ExpectExitQuestion(boxes.requests()[0]);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(Timer()->Enabled());
    EXPECT_EQ(endCalls, 0);
}

TEST_F(DialogsTest, ExitAnsweredYesEndsTheProgramEvenDuringARun) {
    StartRun("1", 0.75f, 0.55f);
    boxes.Answer(host::MessageAnswer::Yes);
    Click("cmdExit");
    EXPECT_EQ(endCalls, 1);
    EXPECT_FALSE(Timer()->Enabled());
}

TEST_F(DialogsTest, CloseBoxAnsweredYesEndsTheProgram) {
    boxes.Answer(host::MessageAnswer::Yes);
    EXPECT_TRUE(window->close());
    ASSERT_EQ(boxes.requests().size(), 1u);
    ExpectExitQuestion(boxes.requests()[0]);
    EXPECT_EQ(endCalls, 1);
}

struct ExitCase {
    const char* name;
    bool closeBox; // the window's close box, else the Exit button
    host::MessageAnswer answer;
};

void PrintTo(const ExitCase& c, std::ostream* os) { *os << c.name; }

class ExitDockingTest : public MainWindowFixture, public ::testing::WithParamInterface<ExitCase> {};

// Loading docks the window; only a confirmed exit undocks it.
TEST_P(ExitDockingTest, OnlyYesUndocksTheWindow) {
    EXPECT_TRUE(docking::IsDockingEnabled(window.get())) << "docked on load";
    boxes.Answer(GetParam().answer);
    if (GetParam().closeBox)
        window->close();
    else
        Click("cmdExit");
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(docking::IsDockingEnabled(window.get()), GetParam().answer == host::MessageAnswer::No);
}

INSTANTIATE_TEST_SUITE_P(Answers, ExitDockingTest,
                         ::testing::Values(ExitCase{"ExitYes", false, host::MessageAnswer::Yes},
                                           ExitCase{"ExitNo", false, host::MessageAnswer::No},
                                           ExitCase{"CloseBoxYes", true, host::MessageAnswer::Yes},
                                           ExitCase{"CloseBoxNo", true, host::MessageAnswer::No}),
                         [](const ::testing::TestParamInfo<ExitCase>& info) { return info.param.name; });

TEST_F(DialogsTest, AboutButtonOpensTheMenuAtItsBottomLeftCorner) {
    auto* menu = Get<QMenu>("mnuAbout");
    Click("cmdAbout");
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), window->mapToGlobal(QPoint(240, 208 + 25)));
    menu->hide();
}

TEST_F(DialogsTest, InformationBoxesCarryTheirTextsAndTitles) {
    window->findChild<QAction*>("mnuAbRule")->trigger();
    window->findChild<QAction*>("mnuAbPKT")->trigger();
    ASSERT_EQ(boxes.requests().size(), 2u);

    const host::MessageRequest& rule = boxes.requests()[0];
    EXPECT_EQ(rule.title, "Tavrendale -- About Rule");
    EXPECT_EQ(rule.icon, host::MessageIcon::Information);
    EXPECT_EQ(rule.buttons, host::MessageButtons::Ok);
    EXPECT_EQ(rule.text,
              "One thing to keep in mind, the answer of each questions only consist of one number, following the "
              "rule of Pauli-Kraepelin test.\r\n\r\nExample 1:\r\n\t5 + 4 = 9\r\nExample 2:\r\n\t7 + 5 = 2 "
              "(instead of filling the field with '12', you only need to write down the unit; '2')\r\nExample "
              "3:\r\n\t6 + 9 = 5 (instead of filling the field with '15', you only need to write down the unit; "
              "'5')");

    const host::MessageRequest& test = boxes.requests()[1];
    EXPECT_EQ(test.title, "Tavrendale -- About Pauli-Kraepelin Test");
    EXPECT_EQ(test.icon, host::MessageIcon::Information);
    EXPECT_EQ(test.buttons, host::MessageButtons::Ok);
    EXPECT_EQ(test.text,
              "Pauli-Kraepelin Test is part of common psychology test. This test format is in a newspaper-size "
              "paper consisting hundred of random numbers. What you need to do is incrementing each two closest "
              "number.\r\n\r\nThis test used to measure examinee's concrentation level and performance "
              "stability under such a pressure.\r\n\r\nIn the real Pauli-Kraepelin Test, the examinee will never "
              "know how much time reserved by the examiner in each sections.");
}

// Opens the About window from the menu; `whileOpen` sees it, then OK closes it.
void OpenAbout(QWidget* main, const std::function<void(about::frmAbout*)>& whileOpen) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<about::frmAbout*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        seen = true;
        whileOpen(about);
        QTest::mouseClick(about->findChild<QAbstractButton*>("cmdOK"), Qt::LeftButton);
    });
    main->findChild<QAction*>("mnuAboutTavrendale")->trigger();
    EXPECT_TRUE(seen);
}

TEST_F(DialogsTest, AboutWindowIsModalAndLoadedAfreshEachTime) {
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        OpenAbout(window.get(), [](about::frmAbout* about) {
            EXPECT_TRUE(about->isModal());
            EXPECT_EQ(about->parentWidget()->objectName(), "frmMain");
            EXPECT_EQ(about->focusWidget(), about->findChild<QWidget*>("cmdOK"));
            EXPECT_EQ(about->findChild<QPlainTextEdit*>("txtCredits")->toPlainText().count('\n'), 2);
            EXPECT_TRUE(docking::IsDockingEnabled(about)) << "docked on every opening";
        });
        // Unloaded: nothing of it is left behind, and the main window stays docked.
        EXPECT_EQ(window->findChild<about::frmAbout*>(), nullptr);
        EXPECT_TRUE(docking::IsDockingEnabled(window.get()));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

} // namespace
