// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up benchmark: the least a Qt Widgets program of the main
// window's size does before its first paint.
#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Tavrendale");
    window.setFixedSize(433, 242);
    window.show();
    ReportFirstPaint(&window);
    return QApplication::exec();
}
