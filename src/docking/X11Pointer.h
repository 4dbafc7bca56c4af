// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

} // namespace docking
