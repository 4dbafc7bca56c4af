// SPDX-License-Identifier: GPL-3.0-or-later
// The answer log's context menu: how it opens, when its commands can be used, and what
// they do: the work curve window, the CSV file and the copied results.
#include "../../support/TemporaryHistory.h"
#include "MainWindowFixture.h"
#include "engine/AnswersCsv.h"
#include "workcurve/frmWorkCurve.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

class WorkCurveMenuTest : public MainWindowFixture {
protected:
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        MainWindowFixture::TearDown();
    }

    // A run of `answers` answers (7 + 5, then 5 + 5 each time), each 800 ms after its
    // pair appeared, stopped at 0:30.
    void RunAndStop(bool logging, int answers) {
        StartRun("5", 0.75f, 0.55f, logging);
        for (int i = 0; i < answers; ++i) {
            clock.Advance(800);
            Answer("0");
        }
        Ticks(30);
        Click("cmdStop"); // the question is answered Yes
        ASSERT_FALSE(window->engine().running());
        ASSERT_TRUE(Get("lstStat")->isVisible());
    }
    QMenu* OpenWithMenuKey() {
        auto* log = Get<QListWidget>("lstStat");
        log->setFocus();
        QTest::keyClick(log, Qt::Key_Menu);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    QAction* Item(QMenu* menu, const char* name) {
        QAction* action = menu ? menu->findChild<QAction*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    workcurve::frmWorkCurve* WorkCurve() const { return window->findChild<workcurve::frmWorkCurve*>(); }
};

// ---- Opening the menu ----

struct OpeningCase {
    const char* name;
    void (*open)(QListWidget* log);
};

void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.name; }

class MenuOpeningTest : public WorkCurveMenuTest, public testing::WithParamInterface<OpeningCase> {};

TEST_P(MenuOpeningTest, OpensOverTheLog) {
    RunAndStop(true, 2);
    auto* log = Get<QListWidget>("lstStat");
    log->setFocus();
    GetParam().open(log);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "mnuLog");
    QStringList captions;
    for (const QAction* action : menu->actions()) captions << action->text();
    // The run's three commands, then, apart, the ways to the exam sheets and the history.
    EXPECT_EQ(captions,
              QStringList({"Show &work curve", QString::fromUtf8("&Save answers as CSV\u2026"), "&Copy results", "",
                           QString::fromUtf8("&Exam sheets\u2026"), QString::fromUtf8("&History\u2026")}));
    EXPECT_TRUE(menu->toolTipsVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MenuOpeningTest,
    testing::Values(OpeningCase{"MenuKey", [](QListWidget* log) { QTest::keyClick(log, Qt::Key_Menu); }},
                    OpeningCase{"ShiftF10",
                                [](QListWidget* log) { QTest::keyClick(log, Qt::Key_F10, Qt::ShiftModifier); }},
                    // What the platform sends for the right button.
                    OpeningCase{"RightButton", [](QListWidget* log) {
                                    const QPoint point = log->viewport()->rect().center();
                                    QContextMenuEvent event(QContextMenuEvent::Mouse, point,
                                                            log->viewport()->mapToGlobal(point));
                                    QApplication::sendEvent(log->viewport(), &event);
                                }}));

// The log takes F10's release after Shift+F10 as well, wherever it is delivered: left to
// the platform, Windows enters the window's own menu over the log's menu.
struct ReleaseCase {
    const char* name;
    bool toMenu;
};

void PrintTo(const ReleaseCase& c, std::ostream* os) { *os << c.name; }

class ShiftF10ReleaseTest : public WorkCurveMenuTest, public testing::WithParamInterface<ReleaseCase> {};

TEST_P(ShiftF10ReleaseTest, TheLogTakesTheReleaseAndTheMenuStaysOpen) {
    RunAndStop(true, 2);
    auto* log = Get<QListWidget>("lstStat");
    log->setFocus();
    QTest::keyPress(log, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F10, Qt::ShiftModifier);
    QApplication::sendEvent(GetParam().toMenu ? static_cast<QWidget*>(menu) : log, &release);
    EXPECT_TRUE(release.isAccepted());
    EXPECT_EQ(QApplication::activePopupWidget(), menu);
    // Its access letters still work.
    QTest::keyClick(menu, Qt::Key_C);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(" 7 +  5 = 0 | FALSE\n"));
}

INSTANTIATE_TEST_SUITE_P(Receivers, ShiftF10ReleaseTest,
                         testing::Values(ReleaseCase{"Menu", true}, ReleaseCase{"Log", false}));

TEST_F(WorkCurveMenuTest, OtherReleasesAreLeftAlone) {
    RunAndStop(true, 2);
    auto* log = Get<QListWidget>("lstStat");
    log->setFocus();
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F10, Qt::NoModifier);
    QApplication::sendEvent(log, &release);
    EXPECT_FALSE(release.isAccepted());
}

TEST_F(WorkCurveMenuTest, TheLogSaysWhereItsCommandsAre) {
    auto* log = Get<QListWidget>("lstStat");
    for (const QString& hint : {log->toolTip(), log->accessibleDescription()}) {
        EXPECT_TRUE(hint.contains("Right-click")) << hint.toStdString();
        EXPECT_TRUE(hint.contains("Menu key")) << hint.toStdString();
        EXPECT_TRUE(hint.contains("Shift+F10")) << hint.toStdString();
    }
}

// ---- When the commands can be used ----

struct StateCase {
    const char* name;
    bool logging;
    int answers;
    bool enabled;
    const char* toolTipPart;
};

void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }

class MenuStateTest : public WorkCurveMenuTest, public testing::WithParamInterface<StateCase> {};

TEST_P(MenuStateTest, ItemsSayWhyTheyCannotBeUsed) {
    RunAndStop(GetParam().logging, GetParam().answers);
    QMenu* menu = OpenWithMenuKey();
    ASSERT_NE(menu, nullptr);
    for (const char* name : {"mnuShowWorkCurve", "mnuSaveAnswers", "mnuCopyResults"}) {
        QAction* item = Item(menu, name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->isEnabled(), GetParam().enabled) << name;
        EXPECT_TRUE(item->toolTip().contains(GetParam().toolTipPart)) << name << ": " << item->toolTip().toStdString();
    }
    // Screen readers read no item's tooltip: the menu itself says why its items are off.
    EXPECT_EQ(menu->accessibleName(), "Answer log");
    EXPECT_EQ(menu->accessibleDescription().contains(GetParam().toolTipPart), !GetParam().enabled)
        << menu->accessibleDescription().toStdString();
}

INSTANTIATE_TEST_SUITE_P(States, MenuStateTest,
                         testing::Values(StateCase{"LoggedWithAnswers", true, 2, true, "the last run"},
                                         StateCase{"NotLogged", false, 2, false, "was not logged"},
                                         StateCase{"LoggedWithoutAnswers", true, 0, false, "has no answers"}));

// ---- The commands ----

TEST_F(WorkCurveMenuTest, ShowWorkCurveOpensTheWindowWhichFollowsTheNextLoggedRun) {
    RunAndStop(true, 2);
    QMenu* menu = OpenWithMenuKey();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_W);
    workcurve::frmWorkCurve* curve = WorkCurve();
    ASSERT_NE(curve, nullptr);
    EXPECT_TRUE(curve->isVisible());
    EXPECT_TRUE(curve->isWindow());
    EXPECT_FALSE(curve->isModal());
    EXPECT_EQ(curve->curve().answered, 2u);
    EXPECT_EQ(curve->curve().times.median, 800u);
    auto* table = curve->findChild<QTableWidget*>("grdIndices");
    EXPECT_EQ(table->item(static_cast<int>(workcurve::frmWorkCurve::Row::Answered), 1)->text(), "2 (1 true, 1 false)");

    // Another logged run ends while it is open: it shows that one. (The window is moved
    // off the buttons first, which take no click from under another window.)
    curve->resize(curve->minimumSize());
    curve->move(0, 0);
    Click("cmdBack");
    RunAndStop(true, 3);
    EXPECT_EQ(curve->curve().answered, 3u);
    // A run that was not logged has no curve: the window keeps the last one.
    Click("cmdBack");
    RunAndStop(false, 4);
    EXPECT_EQ(curve->curve().answered, 3u);

    // The main window still ends the program as before.
    window->close();
    EXPECT_EQ(endCalls, 1);
}

// A logged run with answers goes into the history once: where the user has not been asked, its
// Work curve window asks and yes keeps it; after that each one is kept when its results open.
TEST_F(WorkCurveMenuTest, KeepsALoggedRunOnceTheUserSaysYes) {
    const TemporaryHistory history;
    RunAndStop(true, 2);
    Click("cmdBack");
    RunAndStop(false, 3);
    Click("cmdBack");
    RunAndStop(true, 4);
    EXPECT_EQ(history.Files(), QStringList());
    QTest::keyClick(OpenWithMenuKey(), Qt::Key_W);
    workcurve::frmWorkCurve* curve = WorkCurve();
    ASSERT_NE(curve, nullptr);
    QApplication::setActiveWindow(curve);
    ASSERT_TRUE(curve->findChild<QWidget*>("barKeep")->isVisible());
    QTest::keyClick(curve, Qt::Key_K, Qt::AltModifier);
    EXPECT_FALSE(curve->findChild<QWidget*>("barKeep")->isVisible());
    QTest::keyClick(OpenWithMenuKey(), Qt::Key_W);
    ASSERT_EQ(history.Kept().size(), 1u) << "the runs before the one asked about, or this one twice";
    EXPECT_EQ(history.Kept()[0].kind, engine::SittingKind::Drill);
    EXPECT_EQ(history.Kept()[0].answerCount, 4u);
    EXPECT_EQ(history.Kept()[0].end, engine::KeptEnd::Stopped);

    Click("cmdBack");
    RunAndStop(true, 3);
    EXPECT_EQ(history.Kept().size(), 2u);
    EXPECT_TRUE(curve->findChild<QLabel*>("lblStanding")->text().startsWith("Against your earlier sittings"));
}

TEST_F(WorkCurveMenuTest, SaveWritesTheAnswersWhereTheUserChose) {
    RunAndStop(true, 2);
    QTemporaryDir folder;
    const QString path = folder.filePath("answers.csv");
    files.Choose(path);
    QMenu* menu = OpenWithMenuKey();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_S);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_TRUE(files.requests()[0].suggestedPath.contains(QRegularExpression("tavrendale-\\d{8}-\\d{6}\\.csv$")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), engine::FormatAnswersCsv(window->engine().recording()));
}

// The run's end is read from the window's clock, like its answer times.
TEST_F(WorkCurveMenuTest, TheRunEndsAtTheTimeOfTheWindowsClock) {
    const QDateTime ended(QDate(2026, 3, 14), QTime(9, 26, 53));
    // RunAndStop answers twice, 800 ms apart, before it stops.
    clock.SetWall(ended.toMSecsSinceEpoch() - 2 * 800);
    RunAndStop(true, 2);
    QTemporaryDir folder;
    files.Choose(folder.filePath("answers.csv"));
    QMenu* menu = OpenWithMenuKey();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_S);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_TRUE(files.requests()[0].suggestedPath.endsWith("tavrendale-20260314-092653.csv"))
        << files.requests()[0].suggestedPath.toStdString();
    menu = OpenWithMenuKey();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_W);
    ASSERT_NE(WorkCurve(), nullptr);
    auto* table = WorkCurve()->findChild<QTableWidget*>("grdIndices");
    EXPECT_EQ(table->item(static_cast<int>(workcurve::frmWorkCurve::Row::Ended), 1)->text(), "09:26:53");
}

// What is copied comes from the run, not from what the controls happen to show.
TEST_F(WorkCurveMenuTest, CopyResultsDoesNotReadTheControls) {
    RunAndStop(true, 2);
    Get<QLabel>("lblDuration")->setText("Duration: edited");
    Get<QListWidget>("lstStat")->item(0)->setText("edited");
    QMenu* menu = OpenWithMenuKey();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_C);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(" 7 +  5 = 0 | FALSE\n")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("\nDuration: 0:30\n")) << copied.toStdString();
}

TEST_F(WorkCurveMenuTest, CopyResultsTakesTheLogAndTheResultLines) {
    RunAndStop(true, 2);
    QMenu* menu = OpenWithMenuKey();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), " 7 +  5 = 0 | FALSE\n"
                                                    " 5 +  5 = 0 | TRUE\n"
                                                    "\n"
                                                    "Duration: 0:30\n"
                                                    "Total answered: 2\n"
                                                    "Total true: 1\n"
                                                    "Total false: 1\n"
                                                    "Operation per sec: 0.03\n"
                                                    "Operation per min: 2.00\n");
}

} // namespace
