#include <QApplication>
#include <gtest/gtest.h>

#include "host/qt/Fonts.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    host::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
