// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlatformChoice.h"

#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace app {

namespace {

// The standard error pointed at /dev/null for as long as it lives.
class SilencedErrors {
public:
    SilencedErrors() : saved_(dup(STDERR_FILENO)) {
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            close(null);
        }
    }
    ~SilencedErrors() {
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    SilencedErrors(const SilencedErrors&) = delete;
    SilencedErrors& operator=(const SilencedErrors&) = delete;

private:
    int saved_;
};

} // namespace

bool XServerAnswers(const std::string& display) {
    // XCB prints the reason a server refuses a connection ("Authorization required..."), which
    // would alarm a user for whom the program runs on native Wayland instead.
    const SilencedErrors silenced;
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

const char* WindowlessPlatform() { return "offscreen"; }

} // namespace app
