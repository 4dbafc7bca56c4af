#include <QApplication>
#include <gtest/gtest.h>

// Glyphs need an application object.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
