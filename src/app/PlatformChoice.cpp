// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlatformChoice.h"

#include <algorithm>
#include <cstdlib>

namespace app {

namespace {

// Qt takes its options with one dash or two; the value follows as the next argument. The
// joined form is not Qt's, but whoever writes it has chosen a platform all the same.
bool ChoosesPlatform(std::string_view argument) {
    if (argument.starts_with("--")) argument.remove_prefix(1);
    return argument == "-platform" || argument.starts_with("-platform=");
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

} // namespace

std::optional<std::string> PlatformToRequest(const PlatformEnvironment& environment,
                                             const std::vector<std::string_view>& arguments,
                                             const std::function<bool()>& xServerAnswers) {
    if (!environment.qtPlatform.empty()) return std::nullopt;
    if (arguments.size() > 1 && std::any_of(arguments.begin() + 1, arguments.end(), ChoosesPlatform)) {
        return std::nullopt;
    }
    if (environment.display.empty() || environment.waylandDisplay.empty()) return std::nullopt;
    if (!xServerAnswers()) return std::nullopt;
    return std::string("xcb;wayland");
}

PlatformEnvironment ReadPlatformEnvironment() {
    return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

} // namespace app
