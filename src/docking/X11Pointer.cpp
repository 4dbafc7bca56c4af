// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/X11Pointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>

// Xlib last: its macros clash with Qt names.
#include <X11/Xlib.h>

namespace docking {

namespace {

Display* X11Display() {
    auto* app = qGuiApp;
    if (!app) return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// The X server's pixels and Qt's units differ where Qt scales; the screen's top-left corner is
// the same in both.
QPoint ToServer(const QWidget* window, QPoint p) {
    const QPoint origin = window->screen()->geometry().topLeft();
    return origin + ((p - origin).toPointF() * window->devicePixelRatio()).toPoint();
}

QPoint FromServer(const QWidget* window, QPoint p) {
    const QPoint origin = window->screen()->geometry().topLeft();
    return origin + ((p - origin).toPointF() / window->devicePixelRatio()).toPoint();
}

} // namespace

bool IsXWayland() {
    Display* display = X11Display();
    if (!display) return false;
    int opcode = 0;
    int event = 0;
    int error = 0;
    // XWayland names itself by an extension since version 23, and by its outputs' names before.
    if (XQueryExtension(display, "XWAYLAND", &opcode, &event, &error)) return true;
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [](const QScreen* screen) { return screen->name().startsWith(QLatin1String("XWAYLAND")); });
}

std::optional<QPoint> QueryX11FramePosition(const QWidget* window) {
    Display* display = X11Display();
    if (!display || !window->internalWinId()) return std::nullopt;
    Window child = 0;
    int x = 0;
    int y = 0;
    if (!XTranslateCoordinates(display, window->internalWinId(), DefaultRootWindow(display), 0, 0, &x, &y, &child)) {
        return std::nullopt;
    }
    // The frame's extents as the window manager gave them, which the compositor does not change
    // while it moves the window.
    const QPoint frameOffset = window->geometry().topLeft() - window->frameGeometry().topLeft();
    return FromServer(window, QPoint(x, y)) - frameOffset;
}

void RequestX11Move(const QWidget* window, QPoint topLeft) {
    Display* display = X11Display();
    if (!display || !window->internalWinId()) return;
    // Asked for the window where its client area goes, as Qt asks: the compositors place the
    // frame around that.
    const QPoint frameOffset = window->geometry().topLeft() - window->frameGeometry().topLeft();
    const QPoint at = ToServer(window, topLeft + frameOffset);
    XMoveWindow(display, window->internalWinId(), at.x(), at.y());
    XFlush(display);
}

PointerState QueryX11Pointer() {
    PointerState state;
    Display* display = X11Display();
    if (!display) return state;

    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &winX, &winY, &mask)) {
        return state; // the pointer is on another screen
    }
    state.available = true;
    // Qt maps the server's pixels to its own through the scale of the screen under the pointer.
    const QPoint at = QCursor::pos();
    state.x = at.x();
    state.y = at.y();
    state.buttonHeld = (mask & (Button1Mask | Button2Mask | Button3Mask)) != 0;
    return state;
}

} // namespace docking
