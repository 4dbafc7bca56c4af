// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// What every window test does with the window it opens.
namespace testsupport {

// Shows and activates `window`; whether the platform exposed it.
inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowExposed(&window);
}

// The child of `window` of that object name and type; the test fails where there is none.
template <typename T = QWidget> T* FindIn(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace testsupport
