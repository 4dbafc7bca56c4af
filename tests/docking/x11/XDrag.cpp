// SPDX-License-Identifier: GPL-3.0-or-later
#include "XDrag.h"

#include <QProcess>
#include <QStringList>
#include <QWidget>

namespace docking::testing {

bool WaitForFrame(QWidget* window) {
    return WaitFor([window] { return window->geometry().top() > window->frameGeometry().top(); }, 10000);
}

QString DragTitleBar(QWidget* window, QPoint delta) {
    const QRect frame = window->frameGeometry();
    const int titleHeight = window->geometry().top() - frame.top();
    if (titleHeight <= 0) return QStringLiteral("the window has no title bar");
    const QPoint press(frame.left() + frame.width() / 3, frame.top() + titleHeight / 2);

    auto at = [](QPoint p) { return QStringList{"mousemove", QString::number(p.x()), QString::number(p.y())}; };
    QStringList args = at(press);
    args << "sleep"
         << "0.2"
         << "mousedown"
         << "1"
         << "sleep"
         << "0.1";
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        args << at(press + delta * i / kSteps) << "sleep"
             << "0.04";
    }
    args << "sleep"
         << "0.2"
         << "mouseup"
         << "1";

    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), args);
    if (!xdotool.waitForStarted(5000)) return QStringLiteral("xdotool did not start");
    // The program keeps handling its events while the window manager drags the window.
    if (!WaitFor([&xdotool] { return xdotool.state() == QProcess::NotRunning; }, 15000)) {
        xdotool.kill();
        xdotool.waitForFinished();
        return QStringLiteral("xdotool did not finish");
    }
    if (xdotool.exitStatus() != QProcess::NormalExit || xdotool.exitCode() != 0) {
        return QStringLiteral("xdotool failed: ") + QString::fromLocal8Bit(xdotool.readAllStandardError());
    }
    return {};
}

} // namespace docking::testing
