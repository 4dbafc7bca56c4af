// SPDX-License-Identifier: GPL-3.0-or-later
// The way from the main window to the exam sheets: its shortcut from every field, the
// answer log's menu item, and the hints that tell of them.
#include "MainWindowFixture.h"
#include "app/LogCommands.h"
#include "sheet/frmSheet.h"

#include <QMenu>

namespace {

class ExamSheetsEntryTest : public MainWindowFixture {
protected:
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        MainWindowFixture::TearDown();
    }
    QList<sheet::frmSheet*> SheetWindows() const { return window->findChildren<sheet::frmSheet*>(); }
    void PressShortcut(QWidget* focused) {
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_E, Qt::ControlModifier);
    }
    // A run stopped at once, so that the results and the answer log show.
    void RunAndStop(bool logging) {
        StartRun("5", 0.75f, 0.55f, logging);
        Click("cmdStop"); // the question is answered Yes
        ASSERT_TRUE(Get("lstStat")->isVisible());
    }
    QMenu* OpenLogMenu() {
        auto* log = Get<QListWidget>("lstStat");
        log->setFocus();
        QTest::keyClick(log, Qt::Key_Menu);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
};

struct ShortcutCase {
    const char* name;
    // Where the focus is when Ctrl+E is pressed, after what the case does first.
    const char* focused;
    void (*prepare)(ExamSheetsEntryTest*);
};

void PrintTo(const ShortcutCase& c, std::ostream* os) { *os << c.name; }

class ExamSheetsShortcutTest : public ExamSheetsEntryTest, public testing::WithParamInterface<ShortcutCase> {
public:
    void Run(bool logging) { RunAndStop(logging); }
    void Start() { StartRun("5", 0.75f, 0.55f); }
};

TEST_P(ExamSheetsShortcutTest, CtrlEOpensOneSheetWindowFromAnyField) {
    // Under X11 the text fields' key scheme (Qt's own, KDE's or GNOME's) binds Ctrl+E too.
    if (QGuiApplication::platformName() == "xcb") {
        ASSERT_TRUE(
            QKeySequence::keyBindings(QKeySequence::MoveToEndOfLine).contains(app::LogCommands::ExamSheetsKey()));
    }
    GetParam().prepare(this);
    PressShortcut(Get(GetParam().focused));
    ASSERT_EQ(SheetWindows().size(), 1);
    EXPECT_TRUE(SheetWindows().front()->isVisible());
    EXPECT_EQ(SheetWindows().front()->windowTitle(), "Exam sheets");
    // Again: the same window comes to the front; no second one opens.
    PressShortcut(Get(GetParam().focused));
    EXPECT_EQ(SheetWindows().size(), 1);
    // A run under way goes on untouched.
    if (std::string(GetParam().name) == "AnswerFieldDuringARun") {
        EXPECT_TRUE(window->engine().running());
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, ExamSheetsShortcutTest,
                         testing::Values(ShortcutCase{"DurationFieldAtStart", "txtTime", [](ExamSheetsEntryTest*) {}},
                                         ShortcutCase{"AnswerFieldDuringARun", "txtResult",
                                                      [](ExamSheetsEntryTest* t) {
                                                          static_cast<ExamSheetsShortcutTest*>(t)->Start();
                                                      }},
                                         ShortcutCase{"AnswerLogWithTheResults", "lstStat", [](ExamSheetsEntryTest* t) {
                                                          static_cast<ExamSheetsShortcutTest*>(t)->Run(true);
                                                      }}));

TEST_F(ExamSheetsEntryTest, TheLogsMenuOpensTheSheetsEvenWhenItsOtherCommandsAreOff) {
    // Without the log nothing can be shown or saved, but the sheets can still be opened.
    RunAndStop(false);
    QMenu* menu = OpenLogMenu();
    ASSERT_NE(menu, nullptr);
    auto* item = menu->findChild<QAction*>(QStringLiteral("mnuExamSheets"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QString::fromUtf8("&Exam sheets\u2026"));
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("mnuShowWorkCurve"))->isEnabled());
    // The keyboard lands on the one item that can be used, and Enter opens it.
    EXPECT_EQ(menu->activeAction(), item);
    QTest::keyClick(menu, Qt::Key_Return);
    ASSERT_EQ(SheetWindows().size(), 1);
    EXPECT_TRUE(SheetWindows().front()->isVisible());
}

TEST_F(ExamSheetsEntryTest, TheLinkInTheBottomRowShowsTheKeyAndOpensTheSheetsByMouseAndKeyboard) {
    auto* link = Get<QAbstractButton>("cmdExamSheets");
    ASSERT_TRUE(link->isVisible());
    EXPECT_TRUE(link->text().contains(app::LogCommands::ExamSheetsKey().toString(QKeySequence::NativeText)));
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(SheetWindows().size(), 1);
    SheetWindows().front()->close();
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_TRUE(SheetWindows().front()->isVisible());
}

TEST_F(ExamSheetsEntryTest, TheHintsNameTheShortcut) {
    const QString key = QKeySequence(Qt::CTRL | Qt::Key_E).toString(QKeySequence::NativeText);
    auto* log = Get<QListWidget>("lstStat");
    for (const QString& hint :
         {log->toolTip(), log->accessibleDescription(), Get("txtTime")->toolTip(), window->accessibleDescription()}) {
        EXPECT_TRUE(hint.contains("exam sheets")) << hint.toStdString();
        EXPECT_TRUE(hint.contains(key)) << hint.toStdString();
    }
}

} // namespace
