// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace app {

// Starts the program: the application object, the fonts, the main window centred and
// shown, then the event loop until the user ends the program. `shown`, when given, is
// called with the main window once it has been shown (start-up measurements use it).
int RunTavrendale(int argc, char** argv, const std::function<void(QWidget*)>& shown = {});

} // namespace app
