// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Geometry.h"

#include <QColor>
#include <array>
#include <optional>

namespace host {

// System colours by the platform's index (0 to 30).
//
// On Windows the values are the real system colours. Elsewhere they come from the
// application's palette (QApplication::palette(), active group), so buttons follow the
// desktop theme, dark ones included:
//
//   COLOR_BTNFACE (15)       Button            COLOR_BTNHIGHLIGHT (20)  Light
//   COLOR_BTNSHADOW (16)     Dark              COLOR_3DDKSHADOW (21)    Shadow
//   COLOR_3DLIGHT (22)       Midlight          COLOR_BTNTEXT (18)       ButtonText
//   COLOR_HIGHLIGHT (13)     Highlight         COLOR_HIGHLIGHTTEXT (14) HighlightedText
//   COLOR_WINDOW (5)         Base              COLOR_WINDOWTEXT (8)     Text
//   COLOR_GRAYTEXT (17)      Text (disabled)   COLOR_INFOBK (24)        ToolTipBase
//   COLOR_INFOTEXT (23)      ToolTipText
//
// and the remaining indices keep the classic Windows defaults. Without an application
// object every index has its classic default.
constexpr int kSystemColourCount = 31;
using SystemColourTable = std::array<Colour, kSystemColourCount>;

// The current red-green-blue value of a system colour; nullopt for an unknown index.
std::optional<Colour> SystemColour(int index);

// The red-green-blue value of a Qt colour; its alpha is dropped.
Colour FromQColor(const QColor& colour);

// The classic Windows defaults (grey 3-D faces, black text, navy selection).
const SystemColourTable& ClassicSystemColours();

// The platform's colour translation without a palette: a value with the high bit set names
// a system colour by its low byte; a value with high byte 0 is red-green-blue already;
// high byte 2 (a palette-relative value) keeps its low three bytes. Anything else, and an
// unknown system colour index, fails: nullopt.
std::optional<Colour> TranslateColour(Colour colour);

// Replaces the system colours for as long as it lives (tests; nested scopes restore the
// previous table).
class ScopedSystemColours {
public:
    explicit ScopedSystemColours(const SystemColourTable& table);
    ~ScopedSystemColours();
    ScopedSystemColours(const ScopedSystemColours&) = delete;
    ScopedSystemColours& operator=(const ScopedSystemColours&) = delete;

private:
    const SystemColourTable* previous_;
    SystemColourTable table_;
};

} // namespace host
