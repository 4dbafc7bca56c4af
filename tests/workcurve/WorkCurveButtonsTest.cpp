// SPDX-License-Identifier: GPL-3.0-or-later
// The Work curve window's buttons come from its stored description and look as a button
// placed by hand with the main window's style, face colour and text font does.
#include "controls/chameleonButton/chameleonButton.h"
#include "workcurve/frmWorkCurve.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ButtonCase {
    const char* name;
    const char* caption;
};

TEST(WorkCurveButtons, LookLikeTheMainWindowsButtons) {
    workcurve::frmWorkCurve window({});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const ButtonCase cases[] = {{"cmdSave", "&Save as CSV\u2026"}, {"cmdClose", "&Close"}};
    for (const ButtonCase& c : cases) {
        auto* stored = window.findChild<chameleon::chameleonButton*>(QLatin1String(c.name));
        ASSERT_NE(stored, nullptr) << c.name;
        EXPECT_EQ(stored->Caption(), QString::fromUtf8(c.caption)) << c.name;
        // The same button made by hand: glossy, on the main window's face colour.
        auto* byHand = new chameleon::chameleonButton(&window);
        byHand->setObjectName(QLatin1String(c.name));
        chameleon::Ambient ambient;
        ambient.displayName = QLatin1String(c.name);
        byHand->SetAmbient(ambient);
        byHand->InitNew();
        QFont font(QStringLiteral("Tahoma"));
        font.setPointSizeF(8.25);
        byHand->SetFont(font);
        byHand->SetCaption(QString::fromUtf8(c.caption));
        byHand->SetButtonType(3);
        byHand->SetBackColor(0x00EDE9EB);
        byHand->SetBackOver(0x00EDE9EB);
        byHand->setGeometry(stored->geometry());
        byHand->show();
        EXPECT_EQ(stored->size(), QSize(89, 25)) << c.name;
        EXPECT_EQ(stored->grab().toImage(), byHand->grab().toImage()) << c.name;
        delete byHand;
    }
}

} // namespace
