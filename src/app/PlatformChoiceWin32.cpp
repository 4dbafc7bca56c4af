// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlatformChoice.h"

namespace app {

bool XServerAnswers(const std::string&) { return false; }

const char* WindowlessPlatform() { return nullptr; }

} // namespace app
