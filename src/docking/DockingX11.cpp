// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/DockingX11.h"

#include "docking/X11Pointer.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <optional>

namespace docking {

namespace {

DockingX11* theInstance = nullptr;

// How often a move that is not over yet is looked at again.
constexpr int kMovePollMs = 20;

Rect ToRect(const QRect& r) { return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

bool IsProgramWindow(const QWidget* w) {
    const Qt::WindowType type = w->windowType();
    return w->isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

} // namespace

DockingX11* DockingX11::instance() {
    if (theInstance) return theInstance;
    if (!qApp || QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return nullptr;
    }
    theInstance = new DockingX11;
    return theInstance;
}

DockingX11::DockingX11()
    : QObject(qApp), docking_(*this), compositorMoves_(IsXWayland()),
      moveEnd_(compositorMoves_ ? MoveEndWatch::Pointer::Unreliable : MoveEndWatch::Pointer::Reliable) {
    clock_.start();
    movePoll_.setInterval(kMovePollMs);
    connect(&movePoll_, &QTimer::timeout, this, &DockingX11::PollMoves);
    connect(this, &QObject::destroyed, [] { theInstance = nullptr; });
}

void DockingX11::Enable(QWidget* window) {
    if (!window) return;
    docking_.EnableDocking(HandleOf(window->window()));
}

void DockingX11::Disable(QWidget* window) {
    if (!window) return;
    moveEnd_.forget(HandleOf(window->window()));
    docking_.DisableDocking(HandleOf(window->window()));
}

QWidget* DockingX11::WidgetOf(WindowHandle handle) const { return reinterpret_cast<QWidget*>(handle); }

void DockingX11::SnapAfterMove(QWidget* window) {
    if (!window) return;
    const WindowHandle handle = HandleOf(window);
    if (!docking_.IsDocked(handle) || !window->isVisible()) return;

    docking_.BeginMoveOrSize(handle);
    const Rect before = WindowRect(handle);
    const Rect snapped = docking_.ProposeMove(before);
    if (snapped == before) return;
    window->move(snapped.left, snapped.top);
    if (compositorMoves_) {
        // The compositor may still be dragging the window and discard this move.
        moveEnd_.snapped(handle, Point{before.left, before.top}, Point{snapped.left, snapped.top}, Now());
        if (!movePoll_.isActive()) movePoll_.start();
    }
}

bool DockingX11::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move && watched->isWidgetType()) {
        // Qt reports the window manager's moves as spontaneous events and a move() of the
        // program's own, our snap included, as a sent one.
        OnMoved(static_cast<QWidget*>(watched), !event->spontaneous());
    }
    return false; // every event goes on to the window unchanged
}

void DockingX11::OnMoved(QWidget* window, bool byProgram) {
    const WindowHandle handle = HandleOf(window);
    if (!docking_.IsDocked(handle)) return;
    const QPoint frameAt = window->frameGeometry().topLeft();
    MoveEndWatch::MoveReport report;
    report.at = Point{frameAt.x(), frameAt.y()};
    report.byProgram = byProgram;
    if (!byProgram) {
        // The window manager places a window as it maps it, before the window is exposed;
        // that is no move of the user's.
        const QWindow* native = window->windowHandle();
        if (!window->isVisible() || !native || !native->isExposed()) return;
        const PointerState pointer = QueryX11Pointer();
        // Under XWayland the pointer is not needed, nor to be trusted during the compositor's drag.
        if (!pointer.available && !compositorMoves_) return;
        const QPoint at(pointer.x, pointer.y);
        report.buttonHeld = pointer.buttonHeld;
        report.onDecoration = window->frameGeometry().contains(at) && !window->geometry().contains(at);
    }
    switch (moveEnd_.moved(handle, Now(), report)) {
    case MoveEndWatch::Verdict::Ignore: break;
    case MoveEndWatch::Verdict::SnapNow: SnapAfterMove(window); break;
    case MoveEndWatch::Verdict::Watch:
        if (!movePoll_.isActive()) movePoll_.start();
        break;
    }
}

void DockingX11::PollMoves() {
    const bool buttonHeld = !compositorMoves_ && QueryX11Pointer().buttonHeld;
    for (WindowHandle ended : moveEnd_.poll(Now(), buttonHeld)) SnapAfterMove(WidgetOf(ended));
    const auto whereIs = [this](WindowHandle handle) -> std::optional<Point> {
        const QWidget* window = WidgetOf(handle);
        if (!window->isVisible()) return std::nullopt;
        const std::optional<QPoint> at = QueryX11FramePosition(window);
        if (!at) return std::nullopt;
        return Point{at->x(), at->y()};
    };
    for (const MoveEndWatch::Retry& retry : moveEnd_.retries(Now(), whereIs)) {
        RequestX11Move(WidgetOf(retry.window), QPoint(retry.to.x, retry.to.y));
    }
    if (!moveEnd_.watching()) movePoll_.stop();
}

MoveEndWatch::Milliseconds DockingX11::Now() const { return MoveEndWatch::Milliseconds(clock_.elapsed()); }

Rect DockingX11::WorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? ToRect(screen->availableGeometry()) : Rect{};
}

Rect DockingX11::WindowRect(WindowHandle window) {
    const QWidget* w = WidgetOf(window);
    QRect frame = w->frameGeometry();
    // Qt takes a move the compositor discarded for done: the X server knows where the window is.
    if (compositorMoves_) {
        if (const std::optional<QPoint> at = QueryX11FramePosition(w)) frame.moveTopLeft(*at);
    }
    return ToRect(frame);
}

Point DockingX11::CursorPos() {
    const QPoint p = QCursor::pos();
    return Point{p.x(), p.y()};
}

std::vector<WindowHandle> DockingX11::LoadedWindows() {
    // The toolkit's window list is kept in the order the windows were created, like the
    // runtime's list of loaded forms; the widget list is unordered.
    const QWidgetList widgets = QApplication::topLevelWidgets();
    std::vector<WindowHandle> windows;
    for (QWindow* handle : QGuiApplication::topLevelWindows()) {
        for (QWidget* w : widgets) {
            if (w->windowHandle() == handle && IsProgramWindow(w)) {
                windows.push_back(HandleOf(w));
                break;
            }
        }
    }
    return windows;
}

bool DockingX11::IsVisible(WindowHandle window) { return WidgetOf(window)->isVisible(); }

PlatformData DockingX11::AttachWindow(WindowHandle window) {
    QWidget* w = WidgetOf(window);
    w->installEventFilter(this);
    // A window destroyed while docked must not leave its address in the registry, where a
    // later window at the same address would be taken for an already docked one.
    connect(w, &QObject::destroyed, this, [this, window] {
        moveEnd_.forget(window);
        docking_.ForgetWindow(window);
    });
    return 0; // the window's own event handling goes on after the filter: nothing to keep
}

void DockingX11::DetachWindow(WindowHandle window, PlatformData) {
    QWidget* w = WidgetOf(window);
    w->removeEventFilter(this);
    disconnect(w, &QObject::destroyed, this, nullptr);
}

} // namespace docking
