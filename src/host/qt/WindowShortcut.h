// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A shortcut of a whole window that works wherever the focus is in it.

#include <QKeySequence>
#include <QShortcut>

class QWidget;

namespace host {

// A QShortcut of `window` that its text fields never take for themselves. Qt asks the
// focused widget first whether it wants a key (a shortcut override); a line edit says yes
// to every key its platform binds to an editing command, and on X11 and Wayland desktops
// (Qt's X11, KDE and GNOME key schemes) Ctrl+E is "end of line", so a plain QShortcut
// with that key does nothing while a field has the focus. This one turns such requests
// down for its own key, for the widgets of its window only; the field keeps every other
// key, and the End key still moves to the end of the line.
class WindowShortcut final : public QShortcut {
public:
    WindowShortcut(const QKeySequence& key, QWidget* window);
    ~WindowShortcut() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace host
