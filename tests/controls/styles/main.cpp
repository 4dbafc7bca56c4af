#include <QApplication>
#include <gtest/gtest.h>

// Glyphs need an application object; the tests draw into images only, so no display is
// needed, also when the test list is read at build time.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
