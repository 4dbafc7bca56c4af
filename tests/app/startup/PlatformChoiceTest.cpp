// SPDX-License-Identifier: GPL-3.0-or-later
// Which windowing system the program asks Qt for, from the environment and the command line.

#include "app/PlatformChoice.h"

#include <gtest/gtest.h>

namespace app {
namespace {

constexpr const char* kQtChooses = nullptr;
constexpr const char* kXWaylandFirst = "xcb;wayland";

// What the X server says when asked; a connection costs time, so it is asked only on a
// Wayland desktop where the user chose nothing.
enum class XServer { NotAsked, Answers, Refuses };

struct PlatformCase {
    const char* name;
    PlatformEnvironment environment;
    std::vector<std::string_view> arguments;
    XServer xServer;
    const char* requested; // kQtChooses: nothing is requested
};

const PlatformEnvironment kWaylandDesktop{"", ":0", "wayland-0"};

const PlatformCase kCases[] = {
    {"Wayland desktop with XWayland", kWaylandDesktop, {"tavrendale"}, XServer::Answers, kXWaylandFirst},
    {"XWayland not running or refusing the program", kWaylandDesktop, {"tavrendale"}, XServer::Refuses, kQtChooses},
    {"X11 desktop", {"", ":0", ""}, {"tavrendale"}, XServer::NotAsked, kQtChooses},
    {"Wayland without XWayland", {"", "", "wayland-0"}, {"tavrendale"}, XServer::NotAsked, kQtChooses},
    {"no display at all", {"", "", ""}, {"tavrendale"}, XServer::NotAsked, kQtChooses},
    {"the user's variable: native Wayland",
     {"wayland", ":0", "wayland-0"},
     {"tavrendale"},
     XServer::NotAsked,
     kQtChooses},
    {"the user's variable: X11", {"xcb", ":0", "wayland-0"}, {"tavrendale"}, XServer::NotAsked, kQtChooses},
    {"Qt's option", kWaylandDesktop, {"tavrendale", "-platform", "wayland"}, XServer::NotAsked, kQtChooses},
    {"Qt's option with two dashes",
     kWaylandDesktop,
     {"tavrendale", "--platform", "wayland"},
     XServer::NotAsked,
     kQtChooses},
    {"Qt's option joined to its value",
     kWaylandDesktop,
     {"tavrendale", "-platform=wayland"},
     XServer::NotAsked,
     kQtChooses},
    {"another of Qt's options",
     kWaylandDesktop,
     {"tavrendale", "-platformtheme", "gtk3"},
     XServer::Answers,
     kXWaylandFirst},
    {"the program's name is no option", kWaylandDesktop, {"-platform"}, XServer::Answers, kXWaylandFirst},
    {"an option's value is no option",
     kWaylandDesktop,
     {"tavrendale", "-style", "fusion"},
     XServer::Answers,
     kXWaylandFirst},
};

TEST(PlatformChoice, XWaylandOnAWaylandDesktopUnlessTheUserChose) {
    for (const PlatformCase& c : kCases) {
        bool asked = false;
        const std::optional<std::string> requested = PlatformToRequest(c.environment, c.arguments, [&] {
            asked = true;
            return c.xServer == XServer::Answers;
        });
        EXPECT_EQ(asked, c.xServer != XServer::NotAsked) << c.name;
        if (c.requested == kQtChooses) {
            EXPECT_FALSE(requested) << c.name << ": asked for " << requested.value_or("");
        } else {
            EXPECT_EQ(requested.value_or("(nothing)"), c.requested) << c.name;
        }
    }
}

} // namespace
} // namespace app
