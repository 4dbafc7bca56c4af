// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace windowkit {

// A window's docking, on from Dock() until Undock() or the end of this object, whichever
// comes first: a window keeps one as a member, docks when it is loaded and undocks when
// it closes, or when it is destroyed without being closed (its owner went first).
class Docked {
public:
    Docked() = default;
    Docked(const Docked&) = delete;
    Docked& operator=(const Docked&) = delete;
    ~Docked() { Undock(); }

    // Makes `window` snap to the work area and the program's other windows.
    void Dock(QWidget* window);
    // Ends it; nothing once it has ended.
    void Undock();

private:
    QWidget* window_ = nullptr;
};

} // namespace windowkit
