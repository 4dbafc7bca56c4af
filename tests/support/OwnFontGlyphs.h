// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/qt/Frame.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QWidget>
#include <gtest/gtest.h>

namespace testsupport {

// The windows' fixed texts draw no glyph from fallback fonts, so a character that a text's own
// font lacks would show as an empty box. Checks every text of the window's children and
// returns how many texts were checked.
inline int ExpectTextsHaveTheirGlyphsInTheirOwnFont(QWidget* window) {
    int checked = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            text = edit->text();
        else if (auto* frame = qobject_cast<host::Frame*>(widget))
            text = frame->caption();
        else if (auto* check = qobject_cast<QCheckBox*>(widget))
            text = check->text();
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
            text = plain->toPlainText();
        if (text.isEmpty()) continue;
        const QRawFont font = QRawFont::fromFont(widget->font());
        EXPECT_TRUE(font.isValid()) << widget->objectName().toStdString();
        if (!font.isValid()) continue;
        for (const QChar c : text) {
            if (!c.isPrint() || c.isSpace()) continue;
            EXPECT_TRUE(font.supportsCharacter(c))
                << widget->objectName().toStdString() << ": U+" << std::hex << int(c.unicode());
        }
        ++checked;
    }
    return checked;
}

} // namespace testsupport
