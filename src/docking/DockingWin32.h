// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Before windows.h: its macros (COLOR_BTNFACE and the like) would rewrite names in there.
#include "docking/Docking.h"

#include <functional>
#include <vector>
#include <windows.h>

namespace docking::win32 {

// Docking on real Win32 windows: the docking procedure replaces the window's own procedure and
// sees every rectangle the move/size loop proposes.
bool EnableDocking(HWND window);
void DisableDocking(HWND window);

// The procedure installed on every docked window.
LRESULT CALLBACK DockingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The program's loaded windows in the program's order. Without one, the top-level windows of
// the calling thread are taken, in the order the system keeps them.
void SetLoadedWindows(std::function<std::vector<HWND>()> list);

// The module-wide registry and drag state.
Docking& Registry();

} // namespace docking::win32
