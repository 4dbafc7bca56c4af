// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "docking/Docking.h"

#include <cstdint>

namespace docking::win32 {

// The messages of Win32's move/size loop that the docking procedure acts on, and a window's
// last message, by their numbers in windows.h (DockingWin32.cpp checks them against it). Kept
// free of windows.h so that the procedure's rules are tested on every platform.
constexpr unsigned kEnterSizeMove = 0x0231; // WM_ENTERSIZEMOVE: a move or resize begins
constexpr unsigned kExitSizeMove = 0x0232;  // WM_EXITSIZEMOVE: it is over
constexpr unsigned kSizing = 0x0214;        // WM_SIZING: wParam the sizing edge, lParam the proposed RECT
constexpr unsigned kMoving = 0x0216;        // WM_MOVING: lParam the proposed RECT
constexpr unsigned kNcDestroy = 0x0082;     // WM_NCDESTROY: the last message a window gets

using MessageParam = std::uintptr_t; // WPARAM and LPARAM
using MessageResult = std::intptr_t; // LRESULT

// Where the docking procedure hands on the messages it does not answer itself.
class MessageForwarder {
public:
    virtual ~MessageForwarder() = default;
    // The window procedure that docking replaced on the window (CallWindowProc).
    virtual MessageResult CallPrevious(PlatformData prevWndProc, WindowHandle window, unsigned message,
                                       MessageParam wParam, MessageParam lParam) = 0;
    // The system's default handling (DefWindowProc), for a window the registry does not know.
    virtual MessageResult CallDefault(WindowHandle window, unsigned message, MessageParam wParam,
                                      MessageParam lParam) = 0;
};

// One message to a docked window, as the docking procedure handles it: the start of a move or
// resize is played to `docking` and then handed on; a proposed rectangle is snapped in place
// and answered with 1 (TRUE), never handed on; every other message is handed on unchanged and
// its result returned. A window's last message also drops it from the registry.
MessageResult DockingMessage(Docking& docking, MessageForwarder& forwarder, WindowHandle window, unsigned message,
                             MessageParam wParam, MessageParam lParam);

} // namespace docking::win32
