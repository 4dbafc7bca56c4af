// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/WindowShortcut.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace host {

WindowShortcut::WindowShortcut(const QKeySequence& key, QWidget* window) : QShortcut(key, window) {
    setContext(Qt::WindowShortcut);
    // The override request goes to the focused widget, whichever it is, and the fields of
    // a window can change; the application sees each request before the widget does.
    QCoreApplication::instance()->installEventFilter(this);
}

WindowShortcut::~WindowShortcut() { QCoreApplication::instance()->removeEventFilter(this); }

bool WindowShortcut::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !isEnabled() || !watched->isWidgetType()) return false;
    const auto* widget = static_cast<QWidget*>(watched);
    const auto* owner = static_cast<QWidget*>(parent());
    if (widget->window() != owner->window()) return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (QKeySequence(keyEvent->keyCombination()) != key()) return false;
    // Not wanted by the focused widget nor by those it passes the request to: Qt then
    // looks for a shortcut, and finds this one.
    event->ignore();
    return true;
}

} // namespace host
