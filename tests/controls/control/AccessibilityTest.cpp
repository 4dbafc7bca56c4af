// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads from a button and what it can do with it.

#include "TestSupport.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <gtest/gtest.h>

namespace {

using testsupport::ShownButton;

QAccessibleInterface* Accessible(chameleon::chameleonButton& b) { return QAccessible::queryAccessibleInterface(&b); }

TEST(ButtonAccessibility, PushButtonNamedByItsCaptionWithoutTheMarker) {
    ShownButton b;
    const std::vector<std::pair<QString, QString>> cases = {
        {"E&xit", "Exit"}, {"<<< &Back", "<<< Back"}, {"Fish && Chips", "Fish & Chips"}, {"&", "&"}};
    for (const auto& [caption, name] : cases) {
        b->SetCaption(caption);
        QAccessibleInterface* a = Accessible(*b);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::Button);
        EXPECT_EQ(a->text(QAccessible::Name), name) << caption.toStdString();
    }
}

TEST(ButtonAccessibility, ANameGivenByTheWindowIsReadInsteadOfTheCaption) {
    ShownButton b;
    b->SetCaption("4");
    b->setAccessibleName("Start");
    b->setAccessibleDescription("Starts a run");
    QAccessibleInterface* a = Accessible(*b);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), "Start");
    EXPECT_EQ(a->text(QAccessible::Description), "Starts a run");
    EXPECT_EQ(b->Caption(), "4") << "the caption and its stored form stay";
    b->setAccessibleName(QString());
    EXPECT_EQ(a->text(QAccessible::Name), "4") << "without a given name the caption is read again";
}

TEST(ButtonAccessibility, StatesFollowEnabledFocusAndTwoStateValue) {
    ShownButton b;
    QAccessibleInterface* a = Accessible(*b);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->state().disabled);
    EXPECT_FALSE(a->state().checkable);
    b->SetEnabled(false);
    EXPECT_TRUE(a->state().disabled);
    b->SetEnabled(true);

    b.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.Window()));
    b->setFocus();
    EXPECT_TRUE(a->state().focused);

    b->SetCheckBoxBehaviour(true);
    EXPECT_TRUE(a->state().checkable);
    EXPECT_FALSE(a->state().checked);
    b->SetValue(true);
    EXPECT_TRUE(a->state().checked);
    EXPECT_TRUE(a->state().pressed);
}

TEST(ButtonAccessibility, PressActionClicks) {
    ShownButton b;
    int clicks = 0;
    QObject::connect(&*b, &chameleon::chameleonButton::Click, [&] { ++clicks; });
    QAccessibleInterface* a = Accessible(*b);
    ASSERT_NE(a, nullptr);
    QAccessibleActionInterface* actions = a->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    b->SetEnabled(false);
    EXPECT_FALSE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

} // namespace
