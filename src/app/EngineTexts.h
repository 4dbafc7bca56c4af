// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace app {

// The test engine words what the main window shows in English: its result lines ("Total
// true: 12"), its answer log's lines ("7 + 5 = 2 | TRUE", "Result not logged.") and its
// refusal of a duration. This is the same text in the language installed, its figures kept
// as the engine wrote them; a text the engine does not word is shown as it is.
QString EngineText(const std::string& english);

} // namespace app
