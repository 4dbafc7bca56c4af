// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowkit/Docked.h"

#include "docking/WindowDocking.h"

#include <utility>

namespace windowkit {

void Docked::Dock(QWidget* window) {
    window_ = window;
    docking::EnableDocking(window);
}

void Docked::Undock() {
    if (QWidget* window = std::exchange(window_, nullptr)) docking::DisableDocking(window);
}

} // namespace windowkit
