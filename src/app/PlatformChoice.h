// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The variables that decide which windowing system Qt runs the program on; an empty one counts
// as unset, as it does for Qt.
struct PlatformEnvironment {
    std::string qtPlatform;     // QT_QPA_PLATFORM
    std::string display;        // DISPLAY
    std::string waylandDisplay; // WAYLAND_DISPLAY
};

// The platform list to hand Qt, or nothing where Qt's own choice stands. On a Wayland desktop
// with XWayland (both displays set) the program runs as an X11 client, with native Wayland as
// the fallback: there it can place its windows, so they open centred and dock. A platform the
// user chose (QT_QPA_PLATFORM, or Qt's -platform option in `arguments`, the program's name
// first) is left alone. `xServerAnswers` is asked last, and only on a Wayland desktop: where
// XWayland is not running or refuses the program, Qt's own choice stands, without the warnings
// Qt gives for a platform in its list that fails.
std::optional<std::string> PlatformToRequest(const PlatformEnvironment& environment,
                                             const std::vector<std::string_view>& arguments,
                                             const std::function<bool()>& xServerAnswers);

PlatformEnvironment ReadPlatformEnvironment();

// The platform a run that opens no window (help, version, a refusal, a sheet's PDF) asks Qt
// for, so that it needs no display: "offscreen"; none on Windows, whose window system is always
// there and whose Qt carries its own platform only.
const char* WindowlessPlatform();

// Whether the X server of `display` accepts a connection from the program (with the
// XAUTHORITY it has); says nothing either way. Always false on Windows.
bool XServerAnswers(const std::string& display);

} // namespace app
