// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/SystemColors.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

using host::Colour;

namespace {

host::SystemColourTable Numbered() {
    host::SystemColourTable table{};
    for (int i = 0; i < host::kSystemColourCount; ++i) table[static_cast<std::size_t>(i)] = host::Rgb(i, 100 + i, 200);
    return table;
}

} // namespace

TEST(TranslateColour, PlainValuesPassAndSystemValuesNameAnIndex) {
    const host::ScopedSystemColours fixed(Numbered());
    EXPECT_EQ(host::TranslateColour(0x00FF0000u), 0x00FF0000u);
    EXPECT_EQ(host::TranslateColour(0x80000000u | host::COLOR_BTNFACE), host::Rgb(15, 115, 200));
    EXPECT_EQ(host::TranslateColour(0x80000000u), host::Rgb(0, 100, 200));
    EXPECT_EQ(host::TranslateColour(0x02123456u), 0x00123456u);
}

TEST(TranslateColour, FailsForUnknownIndicesAndForms) {
    EXPECT_FALSE(host::TranslateColour(0x8000001Fu));
    EXPECT_FALSE(host::TranslateColour(0x800000FFu));
    EXPECT_FALSE(host::TranslateColour(0x80010005u));
    EXPECT_FALSE(host::TranslateColour(0x01000005u));
    EXPECT_FALSE(host::TranslateColour(0xFF000000u));
}

TEST(SystemColours, FollowTheApplicationPalette) {
    const QPalette saved = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Button, QColor(40, 41, 42));
    dark.setColor(QPalette::ButtonText, QColor(230, 231, 232));
    dark.setColor(QPalette::Dark, QColor(20, 21, 22));
    dark.setColor(QPalette::Light, QColor(90, 91, 92));
    dark.setColor(QPalette::Midlight, QColor(60, 61, 62));
    dark.setColor(QPalette::Shadow, QColor(1, 2, 3));
    dark.setColor(QPalette::Highlight, QColor(10, 120, 200));
    QApplication::setPalette(dark);
    EXPECT_EQ(host::SystemColour(host::COLOR_BTNFACE), host::Rgb(40, 41, 42));
    EXPECT_EQ(host::SystemColour(host::COLOR_BTNTEXT), host::Rgb(230, 231, 232));
    EXPECT_EQ(host::SystemColour(host::COLOR_BTNSHADOW), host::Rgb(20, 21, 22));
    EXPECT_EQ(host::SystemColour(host::COLOR_BTNHIGHLIGHT), host::Rgb(90, 91, 92));
    EXPECT_EQ(host::SystemColour(host::COLOR_3DLIGHT), host::Rgb(60, 61, 62));
    EXPECT_EQ(host::SystemColour(host::COLOR_3DDKSHADOW), host::Rgb(1, 2, 3));
    EXPECT_EQ(host::SystemColour(host::COLOR_HIGHLIGHT), host::Rgb(10, 120, 200));
    EXPECT_EQ(host::SystemColour(1), host::ClassicSystemColours()[1]) << "unmapped indices keep the classic value";
    QApplication::setPalette(saved);
    EXPECT_FALSE(host::SystemColour(31));
    EXPECT_FALSE(host::SystemColour(-1));
}

TEST(SystemColours, AFixedTableHoldsWhileItLivesAndNestedTablesRestore) {
    const Colour before = *host::SystemColour(host::COLOR_BTNFACE);
    {
        const host::ScopedSystemColours outer(Numbered());
        EXPECT_EQ(host::SystemColour(host::COLOR_BTNFACE), host::Rgb(15, 115, 200));
        {
            host::SystemColourTable other{};
            other.fill(0x010203);
            const host::ScopedSystemColours inner(other);
            EXPECT_EQ(host::SystemColour(host::COLOR_BTNFACE), 0x010203u);
        }
        EXPECT_EQ(host::SystemColour(host::COLOR_BTNFACE), host::Rgb(15, 115, 200));
    }
    EXPECT_EQ(host::SystemColour(host::COLOR_BTNFACE), before);
}
