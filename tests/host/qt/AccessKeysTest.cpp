// SPDX-License-Identifier: GPL-3.0-or-later
// Access keys that several controls of a window share, for each kind of control.

#include "host/qt/AccessKeys.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A check box, a label leading to a field and a push button that all answer to Alt+C, in
// that tab order, after a field that has the focus at first. The button is made first, so
// Qt on its own would hand the key out in another order.
struct SharedKeyWindow {
    SharedKeyWindow() {
        button = new QPushButton(QStringLiteral("&Copy"), &window);
        start = new QLineEdit(&window);
        check = new QCheckBox(QStringLiteral("&Cat"), &window);
        label = new QLabel(QStringLiteral("&Count:"), &window);
        field = new QLineEdit(&window);
        label->setBuddy(field);
        QWidget::setTabOrder(field, button);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        host::AccessKeys::Install(&window);
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
        start->setFocus();
    }
    void AltC() { QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier); }

    QWidget window;
    QPushButton* button;
    QLineEdit* start;
    QCheckBox* check;
    QLabel* label;
    QLineEdit* field;
    int clicks = 0;
    bool active = false;
};

TEST(SharedAccessKeys, EachPressFocusesTheNextInTabOrderAndActsOnNone) {
    SharedKeyWindow w;
    ASSERT_TRUE(w.active);
    for (QWidget* next : std::vector<QWidget*>{w.check, w.field, w.button, w.check}) {
        w.AltC();
        EXPECT_TRUE(next->hasFocus()) << next->metaObject()->className();
    }
    QTest::qWait(300); // longer than a button's animated click
    EXPECT_FALSE(w.check->isChecked());
    EXPECT_EQ(w.clicks, 0);
    // From the label's field the next is the button; a disabled one is passed over.
    w.field->setFocus();
    w.button->setEnabled(false);
    w.AltC();
    EXPECT_TRUE(w.check->hasFocus());
    QTest::keyClick(w.check, Qt::Key_Space);
    EXPECT_TRUE(w.check->isChecked());
}

TEST(SharedAccessKeys, AKeyOnlyOneVisibleControlHasActsAtOnce) {
    // What each of the check box, the label and the button does when it alone is visible.
    const std::vector<std::function<bool(const SharedKeyWindow&)>> acted = {
        [](const SharedKeyWindow& w) { return w.check->isChecked(); },
        [](const SharedKeyWindow& w) { return w.field->hasFocus(); },
        [](const SharedKeyWindow& w) { return w.clicks == 1; },
    };
    for (std::size_t i = 0; i < acted.size(); ++i) {
        SharedKeyWindow w;
        ASSERT_TRUE(w.active);
        const std::vector<QWidget*> controls = {w.check, w.label, w.button};
        for (std::size_t j = 0; j < controls.size(); ++j) controls[j]->setVisible(i == j);
        w.AltC();
        EXPECT_TRUE(QTest::qWaitFor([&] { return acted[i](w); }, 1000)) << i;
    }
}

} // namespace
