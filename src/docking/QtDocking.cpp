// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/QtDocking.h"

#include "docking/X11Pointer.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace docking {

namespace {

QtDocking* theInstance = nullptr;

// The window manager reports the final place of a dragged window shortly after the release;
// a window that moved while the button was held is snapped once that report is in.
constexpr int kDragPollMs = 20;
constexpr int kSettleMs = 120;

Rect ToRect(const QRect& r) { return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

bool IsProgramWindow(const QWidget* w) {
    const Qt::WindowType type = w->windowType();
    return w->isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

} // namespace

QtDocking* QtDocking::instance() {
    if (theInstance) return theInstance;
    if (!qApp || QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return nullptr;
    }
    theInstance = new QtDocking;
    return theInstance;
}

QtDocking::QtDocking() : QObject(qApp), docking_(*this) {
    dragPoll_.setInterval(kDragPollMs);
    connect(&dragPoll_, &QTimer::timeout, this, &QtDocking::PollDrag);
    connect(this, &QObject::destroyed, [] { theInstance = nullptr; });
}

void QtDocking::Enable(QWidget* window) {
    if (!window) return;
    docking_.EnableDocking(HandleOf(window->window()));
}

void QtDocking::Disable(QWidget* window) {
    if (!window) return;
    docking_.DisableDocking(HandleOf(window->window()));
}

QWidget* QtDocking::WidgetOf(WindowHandle handle) const { return reinterpret_cast<QWidget*>(handle); }

void QtDocking::SnapAfterMove(QWidget* window) {
    if (!window) return;
    const WindowHandle handle = HandleOf(window);
    if (!docking_.IsDocked(handle) || !window->isVisible()) return;

    docking_.DockingWindowProc(handle, kMsgEnterSizeMove, 0, 0);
    const Rect before = WindowRect(handle);
    Rect proposed = before;
    docking_.DockingWindowProc(handle, kMsgMoving, 0, reinterpret_cast<MessageParam>(&proposed));
    docking_.DockingWindowProc(handle, kMsgExitSizeMove, 0, 0);
    if (proposed != before) window->move(proposed.left, proposed.top);
}

bool QtDocking::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move && watched->isWidgetType()) {
        OnMoved(static_cast<QWidget*>(watched));
    }
    return false; // every event goes on to the window unchanged
}

void QtDocking::OnMoved(QWidget* window) {
    if (!window->isVisible() || !docking_.IsDocked(HandleOf(window))) return;
    const PointerState pointer = QueryX11Pointer();
    if (!pointer.available) return;

    if (pointer.buttonHeld) {
        // Some window managers report moves during the drag: wait for the release.
        dragged_ = window;
        if (!dragPoll_.isActive()) dragPoll_.start();
        return;
    }
    if (dragged_ == window) return; // the poll settles this one

    // A move that arrives with the pointer on the window's title bar or border, button up,
    // is the end of a window manager drag. Moves made by the program itself (placing a window
    // from code, our own snap) leave the pointer elsewhere and are not snapped.
    const QPoint at(pointer.x, pointer.y);
    if (window->frameGeometry().contains(at) && !window->geometry().contains(at)) {
        SnapAfterMove(window);
    }
}

void QtDocking::PollDrag() {
    if (!dragged_) {
        dragPoll_.stop();
        return;
    }
    if (QueryX11Pointer().buttonHeld) return;
    dragPoll_.stop();
    QTimer::singleShot(kSettleMs, this, [this, window = dragged_] {
        if (dragged_ == window) dragged_ = nullptr;
        SnapAfterMove(window);
    });
}

Rect QtDocking::WorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? ToRect(screen->availableGeometry()) : Rect{};
}

Rect QtDocking::WindowRect(WindowHandle window) { return ToRect(WidgetOf(window)->frameGeometry()); }

Point QtDocking::CursorPos() {
    const PointerState pointer = QueryX11Pointer();
    if (pointer.available) return Point{pointer.x, pointer.y};
    const QPoint p = QCursor::pos();
    return Point{p.x(), p.y()};
}

std::vector<WindowHandle> QtDocking::LoadedWindows() {
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

bool QtDocking::IsVisible(WindowHandle window) { return WidgetOf(window)->isVisible(); }

WindowProcId QtDocking::InstallDockingProc(WindowHandle window) {
    QWidget* w = WidgetOf(window);
    w->installEventFilter(this);
    // A window destroyed while docked must not leave its address in the registry, where a
    // later window at the same address would be taken for an already docked one.
    connect(w, &QObject::destroyed, this, [this, window] { docking_.ForgetWindow(window); });
    return 0;
}

void QtDocking::RestoreWindowProc(WindowHandle window, WindowProcId) {
    QWidget* w = WidgetOf(window);
    w->removeEventFilter(this);
    disconnect(w, &QObject::destroyed, this, nullptr);
}

MessageResult QtDocking::ForwardMessage(WindowProcId, WindowHandle, unsigned, MessageParam, MessageParam) {
    return 0; // the window's own handling runs after the event filter
}

MessageResult QtDocking::CallDefaultProc(WindowHandle, unsigned, MessageParam, MessageParam) { return 0; }

} // namespace docking
