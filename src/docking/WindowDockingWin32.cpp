// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/DockingWin32.h"
#include "docking/WindowDocking.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace docking {

namespace {

// The program's windows in the order they were created, like the runtime's list of loaded
// forms; pop-ups, tool tips and the like are no windows to snap to.
std::vector<HWND> ProgramWindows() {
    std::vector<HWND> windows;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWindow* handle : QGuiApplication::topLevelWindows()) {
        for (QWidget* w : widgets) {
            const Qt::WindowType type = w->windowType();
            if (w->windowHandle() == handle && (type == Qt::Window || type == Qt::Dialog)) {
                windows.push_back(reinterpret_cast<HWND>(w->winId()));
                break;
            }
        }
    }
    return windows;
}

} // namespace

void EnableDocking(QWidget* window) {
    if (!window) return;
    static const bool listSet = (win32::SetLoadedWindows(ProgramWindows), true);
    (void)listSet;
    win32::EnableDocking(reinterpret_cast<HWND>(window->window()->winId()));
}

void DisableDocking(QWidget* window) {
    if (!window) return;
    win32::DisableDocking(reinterpret_cast<HWND>(window->window()->winId()));
}

bool IsDockingEnabled(QWidget* window) {
    // internalWinId: asking must not create a native window for one that has none.
    return window && win32::Registry().IsDocked(static_cast<WindowHandle>(window->window()->internalWinId()));
}

} // namespace docking
