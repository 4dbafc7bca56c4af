// SPDX-License-Identifier: GPL-3.0-or-later
// The window's access keys: "<<< &Back" and "A&bout" share Alt+B while the result panel
// is shown; every other key acts at once.
#include "MainWindowFixture.h"

#include <QAccessible>
#include <QMenu>
#include <functional>

namespace {

class AccessKeysTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void ShowResults() {
        StartRun("1", 0.75f, 0.55f);
        Click("cmdStop"); // answered Yes
        ASSERT_TRUE(Get("Frame2")->isVisible());
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::AltModifier) {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }
    bool MenuOpen() const { return Get<QMenu>("mnuAbout")->isVisible(); }
    bool PanelShown() const { return Get("Frame2")->isVisible(); }
    QString Accelerator(const char* name) const {
        return QAccessible::queryAccessibleInterface(Get(name))->text(QAccessible::Accelerator);
    }
};

TEST_F(AccessKeysTest, SharedKeyMovesTheFocusInTabOrderAndSpaceActs) {
    struct Case {
        int presses;
        const char* focused;
        bool spaceOpensMenu; // else Space goes back from the results
    };
    const std::vector<Case> cases = {{1, "cmdBack", false}, {2, "cmdAbout", true}, {3, "cmdBack", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.presses);
        ShowResults();
        EXPECT_EQ(Accelerator("cmdBack"), "Alt+B");
        EXPECT_EQ(Accelerator("cmdAbout"), "Alt+B");
        for (int i = 0; i < c.presses; ++i) Press(Qt::Key_B);
        EXPECT_TRUE(Get(c.focused)->hasFocus());
        EXPECT_TRUE(PanelShown()) << "no press went back";
        EXPECT_FALSE(MenuOpen()) << "no press opened the menu";
        Press(Qt::Key_Space, {});
        EXPECT_EQ(MenuOpen(), c.spaceOpensMenu);
        EXPECT_EQ(PanelShown(), c.spaceOpensMenu);
        Get<QMenu>("mnuAbout")->hide();
        if (PanelShown()) Click("cmdBack");
    }
}

TEST_F(AccessKeysTest, KeysOnlyOneVisibleControlHasActAtOnce) {
    struct Case {
        Qt::Key key;
        std::function<bool()> acted;
    };
    boxes.Answer(host::MessageAnswer::No);
    const bool logging = Get<QCheckBox>("chkStatistic")->isChecked();
    const std::vector<Case> cases = {
        {Qt::Key_B, [this] { return MenuOpen(); }},
        {Qt::Key_X, [this] { return boxes.requests().size() == 1; }},
        {Qt::Key_L, [&] { return Get<QCheckBox>("chkStatistic")->isChecked() != logging; }},
    };
    for (const Case& c : cases) {
        Press(c.key);
        EXPECT_TRUE(QTest::qWaitFor(c.acted, 1000)) << QKeySequence(c.key).toString().toStdString();
        Get<QMenu>("mnuAbout")->hide();
    }
    EXPECT_EQ(Accelerator("chkStatistic"), "Alt+L");
}

} // namespace
