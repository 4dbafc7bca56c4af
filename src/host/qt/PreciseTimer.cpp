// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/PreciseTimer.h"

namespace host {

PreciseTimer::PreciseTimer(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PreciseTimer::Timer);
}

void PreciseTimer::SetEnabled(bool enabled) {
    if (enabled == timer_.isActive()) return;
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}

void PreciseTimer::SetInterval(int milliseconds) {
    if (milliseconds == timer_.interval()) return;
    timer_.setInterval(milliseconds);
}

} // namespace host
