// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace host {

// Raises a mouse-move handler for a control's own surface, the way a window runtime
// raises Control_MouseMove: only while the pointer is over the control itself and not
// over one of its children (which have their own handlers, or none). Qt hands moves that
// a child ignores on to its parent; those are not the parent's moves here.
class MouseMoves final : public QObject {
public:
    using Handler = std::function<void()>;

    // Turns on mouse tracking for `control` and calls `handler` on every move over its
    // bare surface. The watcher belongs to `control`.
    static void Watch(QWidget* control, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MouseMoves(QWidget* control, Handler handler);
    QWidget* control_;
    Handler handler_;
};

// Positions in the layouts are twips: 15 to a pixel at 96 dots per inch.
constexpr int Twips(int twips) { return (twips * 2 + 15) / 30; }

} // namespace host
