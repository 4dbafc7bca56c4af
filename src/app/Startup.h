// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QPixmap;
class QWidget;

namespace app {

// Starts the program: the application object, the fonts, the main window centred and
// shown, then the event loop until the user ends the program. `shown`, when given, is
// called with the main window once it has been shown (start-up measurements use it).
int RunTavrendale(int argc, char** argv, const std::function<void(QWidget*)>& shown = {});

// The Fusion style draws group-box frames from a small picture of Qt's own. Loading it
// by its name asks every image-format plugin whether it reads it, which loads them all at
// start-up; this reads it with the built-in reader into the pixmap cache, where the
// style's QPixmap finds it. Returns the cached pixmap, null where there is no picture.
QPixmap PreloadGroupBoxFrame();

} // namespace app
