// SPDX-License-Identifier: GPL-3.0-or-later
#include "XDrag.h"

#include <QProcess>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace docking::testing {

bool WaitForFrame(QWidget* window) {
    return WaitFor([window] { return window->geometry().top() > window->frameGeometry().top(); }, 10000);
}

namespace {

// xdotool speaks the X server's pixels; the window's geometry is in Qt's device-independent
// pixels, which differ from them when Qt scales.
QStringList MoveTo(const QWidget* window, QPoint p) {
    const QPoint origin = window->screen()->geometry().topLeft();
    const QPoint server = origin + ((p - origin).toPointF() * window->devicePixelRatio()).toPoint();
    return {"mousemove", QString::number(server.x()), QString::number(server.y())};
}

QString RunXdotool(const QStringList& args) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), args);
    if (!xdotool.waitForStarted(5000)) return QStringLiteral("xdotool did not start");
    // The program keeps handling its events while the window manager moves the window.
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

// Presses the left button at `press` (with Alt held when `alt`), drags by `delta` in small
// steps and lets go, all in the window's own units.
QString Drag(const QWidget* window, QPoint press, QPoint delta, bool alt) {
    QStringList args = MoveTo(window, press);
    args += {"sleep", "0.2"};
    if (alt) args += {"keydown", "alt", "sleep", "0.1"};
    args += {"mousedown", "1", "sleep", "0.1"};
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) args += MoveTo(window, press + delta * i / kSteps) + QStringList{"sleep", "0.04"};
    args += {"sleep", "0.2", "mouseup", "1"};
    if (alt) args += {"sleep", "0.05", "keyup", "alt"};
    return RunXdotool(args);
}

} // namespace

QString DragTitleBar(QWidget* window, QPoint delta) {
    const QRect frame = window->frameGeometry();
    const int titleHeight = window->geometry().top() - frame.top();
    if (titleHeight <= 0) return QStringLiteral("the window has no title bar");
    return Drag(window, QPoint(frame.left() + frame.width() / 3, frame.top() + titleHeight / 2), delta, false);
}

QString DragWithAlt(QWidget* window, QPoint delta) {
    const QRect inside = window->geometry();
    return Drag(window, inside.topLeft() + QPoint(inside.width() / 3, inside.height() / 2), delta, true);
}

QStringList KeyboardMoveKeys() {
    const QString wm = qEnvironmentVariable("XSERVER_WM");
    // openbox has no key of its own for it: the window menu's "Move" item.
    if (wm == QLatin1String("openbox")) return {"alt+space", "m"};
    if (wm == QLatin1String("icewm")) return {"alt+F7"};
    return {};
}

QString StepLeftWithKeyboard(QWidget* window) {
    const QStringList start = KeyboardMoveKeys();
    if (start.isEmpty()) return QStringLiteral("no keyboard move known for this window manager");
    const QRect screen = window->screen()->geometry();
    QStringList args = MoveTo(window, screen.bottomRight() - QPoint(2, 2));
    args += {"sleep", "0.1"};
    for (const QString& key : start) args += {"key", key, "sleep", "0.3"};
    args += {"key", "Left", "sleep", "0.05", "key", "Return"};
    return RunXdotool(args);
}

} // namespace docking::testing
