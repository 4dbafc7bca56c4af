// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace chameleon {

// Registers, once per process, the accessibility interface that presents every
// chameleonButton to assistive technology as a push button named by its caption, or by
// its accessible name where the window sets one.
void InstallButtonAccessibility();

} // namespace chameleon
