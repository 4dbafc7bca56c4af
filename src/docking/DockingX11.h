// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "docking/Docking.h"
#include "docking/MoveEndWatch.h"
#include "docking/SnapRect.h"
#include "host/core/Geometry.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace docking {

// Docking for the program's Qt windows on X11. The window manager moves a window there and the
// program hears only of the places it moves it to, so the window snaps once, where the move
// ends (MoveEndWatch tells when that is): the move begins and proposes the window's place to
// the docking module at once, and the window is moved where the snapped rectangle puts it.
// Under XWayland the Wayland compositor moves the window and may discard the snap while its drag
// goes on; the window is then moved again until it stands where it was snapped to.
class DockingX11 final : public QObject, private DockingPlatform {
public:
    // Null where docking is off (Wayland: a program cannot place its windows there).
    static DockingX11* instance();

    void Enable(QWidget* window);
    void Disable(QWidget* window);
    bool IsEnabled(const QWidget* window) const { return window && docking_.IsDocked(HandleOf(window->window())); }

    // Snaps a docked window from where it stands now, as at the end of a drag.
    void SnapAfterMove(QWidget* window);

    const Docking& core() const { return docking_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DockingX11();

    static WindowHandle HandleOf(const QWidget* w) { return reinterpret_cast<WindowHandle>(w); }
    QWidget* WidgetOf(WindowHandle handle) const;
    void OnMoved(QWidget* window, bool byProgram);
    void PollMoves();
    MoveEndWatch::Milliseconds Now() const;

    Rect WorkArea() override;
    Rect WindowRect(WindowHandle window) override;
    Point CursorPos() override;
    std::vector<WindowHandle> LoadedWindows() override;
    bool IsVisible(WindowHandle window) override;
    PlatformData AttachWindow(WindowHandle window) override;
    void DetachWindow(WindowHandle window, PlatformData data) override;

    Docking docking_;
    bool compositorMoves_; // XWayland: the Wayland compositor moves the windows
    MoveEndWatch moveEnd_;
    QElapsedTimer clock_;
    QTimer movePoll_; // runs while a move is not over yet
};

} // namespace docking
