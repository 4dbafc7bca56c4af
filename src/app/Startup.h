// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>

class QWidget;

namespace app {

// Starts the program: the application object, the fonts, the main window centred and
// shown, then the event loop until the user ends the program. `shown`, when given, is
// called with the main window once it has been shown (start-up measurements use it).
int RunTavrendale(int argc, char** argv, const std::function<void(QWidget*)>& shown = {});

// Reads the program's command line (Qt's own options already taken out): --help and
// --version print and exit with 0; any other option or argument is refused with a message
// on the standard error and exit code 1. With nothing given it returns and reads nothing.
void ReadCommandLine(const QStringList& arguments);

} // namespace app
