// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/DockingX11.h"
#include "docking/WindowDocking.h"

namespace docking {

void EnableDocking(QWidget* window) {
    if (DockingX11* docking = DockingX11::instance()) docking->Enable(window);
}

void DisableDocking(QWidget* window) {
    if (DockingX11* docking = DockingX11::instance()) docking->Disable(window);
}

bool IsDockingEnabled(QWidget* window) {
    const DockingX11* docking = DockingX11::instance();
    return docking && docking->IsEnabled(window);
}

} // namespace docking
