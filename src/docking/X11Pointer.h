// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <optional>

class QWidget;

namespace docking {

// The pointer as the X server sees it. During a window manager's drag the server reports the
// held button even though the toolkit, which is not sent the button events, does not.
// The position is in Qt's device-independent pixels, the units of the windows' geometry: with a
// scale factor other than 1 the server's pixels are not.
struct PointerState {
    bool available = false; // false where the program does not run on an X server
    int x = 0;
    int y = 0;
    bool buttonHeld = false;
};

PointerState QueryX11Pointer();

// Whether the X server is XWayland, where a Wayland compositor manages the windows.
bool IsXWayland();

// Where the X server has the window's outer frame, its top-left corner in Qt's units; nullopt
// where that cannot be told. Qt's own idea of it can be stale: it takes a move the compositor
// discarded for done.
std::optional<QPoint> QueryX11FramePosition(const QWidget* window);

// Asks for the window's outer frame at `topLeft` (Qt's units) straight from the X server, also
// where Qt believes it stands there already.
void RequestX11Move(const QWidget* window, QPoint topLeft);

} // namespace docking
