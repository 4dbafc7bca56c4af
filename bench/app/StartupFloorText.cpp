// SPDX-License-Identifier: GPL-3.0-or-later
// A second reference for the start-up benchmark: the bare window with one line of text,
// which is what it costs any window to bring up the font system before its first paint.
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Tavrendale");
    window.setFixedSize(433, 242);
    QLabel label("Tavrendale", &window);
    window.show();
    ReportFirstPaint(&window);
    return QApplication::exec();
}
