#include <QApplication>
#include <gtest/gtest.h>

// Glyphs and the palette need an application object; the tests never need a screen, and
// test discovery runs the program without the test environment.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
