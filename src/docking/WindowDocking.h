// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace docking {

// Makes a top-level window magnetic: while the user drags it, its edges snap to the work
// area and to the program's other visible windows. Safe to call more than once.
void EnableDocking(QWidget* window);
// Undoes EnableDocking; a window that was never enabled is ignored.
void DisableDocking(QWidget* window);
// Whether docking is enabled for the window, as the windows' load and unload steps leave it.
bool IsDockingEnabled(QWidget* window);

} // namespace docking
