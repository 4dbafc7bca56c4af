// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

namespace docking::testing {

// Presses the left button on the window's title bar, drags by `delta` in small steps and
// releases, all through xdotool so the window manager sees real pointer input.
// Returns an empty string on success, otherwise what went wrong.
QString DragTitleBar(QWidget* window, QPoint delta);

// The same, but pressed in the middle of the window's client area with Alt held: the window
// manager moves the window, and the pointer never touches the frame.
QString DragWithAlt(QWidget* window, QPoint delta);

// The keys that start a keyboard move of the active window under the window manager that
// scripts/docking/with-xserver.sh names in XSERVER_WM; empty where none is known.
QStringList KeyboardMoveKeys();

// With the pointer away in the screen's corner, one keyboard move of the active window: one
// step left with the arrow key, then Enter.
QString StepLeftWithKeyboard(QWidget* window);

// Waits until the window manager has framed the window (its title bar height is known).
bool WaitForFrame(QWidget* window);

// Lets events run for `ms` milliseconds or until `done` holds.
template <typename Predicate> bool WaitFor(Predicate done, int ms);

} // namespace docking::testing

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

template <typename Predicate> bool docking::testing::WaitFor(Predicate done, int ms) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}
