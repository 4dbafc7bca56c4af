// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/X11Pointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPoint>
#include <QtGui/qguiapplication_platform.h>

// Xlib last: its macros clash with Qt names.
#include <X11/Xlib.h>

namespace docking {

PointerState QueryX11Pointer() {
    PointerState state;
    auto* app = qGuiApp;
    if (!app) return state;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display()) return state;

    Display* display = x11->display();
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
