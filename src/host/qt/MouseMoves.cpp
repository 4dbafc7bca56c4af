// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/MouseMoves.h"

#include <QMouseEvent>
#include <QWidget>
#include <utility>

namespace host {

MouseMoves::MouseMoves(QWidget* control, Handler handler)
    : QObject(control), control_(control), handler_(std::move(handler)) {}

void MouseMoves::Watch(QWidget* control, Handler handler) {
    control->setMouseTracking(true);
    control->installEventFilter(new MouseMoves(control, std::move(handler)));
}

bool MouseMoves::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_ && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (control_->childAt(move->position().toPoint()) == nullptr && handler_) handler_();
    }
    return false;
}

} // namespace host
