// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Fonts.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Headless unless told otherwise, also when the test list is read at build time, which
    // runs the program without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings and the history in folders of their own (~/.qttest), never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    host::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
