// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/DockingWin32Messages.h"

#include <cstring>

namespace docking::win32 {

MessageResult DockingMessage(Docking& docking, MessageForwarder& forwarder, WindowHandle window, unsigned message,
                             MessageParam wParam, MessageParam lParam) {
    switch (message) {
    case kEnterSizeMove: docking.BeginMoveOrSize(window); break;
    case kSizing:
    case kMoving:
        // The proposed rectangle is a RECT, four 32-bit integers, at lParam; the move/size loop
        // reads it back after the answer. A message without one has nothing to snap.
        if (lParam != 0) {
            Rect proposed;
            static_assert(sizeof proposed == 4 * sizeof(std::int32_t));
            std::memcpy(&proposed, reinterpret_cast<const void*>(lParam), sizeof proposed);
            proposed = message == kMoving ? docking.ProposeMove(proposed)
                                          : docking.ProposeSize(proposed, static_cast<int>(wParam));
            std::memcpy(reinterpret_cast<void*>(lParam), &proposed, sizeof proposed);
        }
        return 1;
    default: break;
    }

    // A window that is not (or no longer) registered still gets its messages: handing them to
    // an unknown procedure would lose them or crash.
    const std::optional<PlatformData> previous = docking.prevWndProcOf(window);
    const MessageResult result = previous ? forwarder.CallPrevious(*previous, window, message, wParam, lParam)
                                          : forwarder.CallDefault(window, message, wParam, lParam);
    // The handle of a destroyed window is handed out again; a window that goes without being
    // disabled must not leave it behind in the registry.
    if (message == kNcDestroy) docking.ForgetWindow(window);
    return result;
}

} // namespace docking::win32
