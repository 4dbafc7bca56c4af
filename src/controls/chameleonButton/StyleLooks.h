// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The per-style drawings behind DrawButton. Private to the painter: only its own sources
// include this header.

#include "controls/chameleonButton/ButtonPainter.h"

#include <cstdint>

namespace chameleon::looks {

enum class Look { Normal, Pressed, Disabled };

// Caption style a look draws with for the given style and hover flag.
CaptionStyle CaptionStyleFor(ButtonStyle buttonType, Look look, bool isOver);

// True for the styles whose looks are drawn from their own palettes and gradients.
bool IsPaletteStyle(ButtonStyle buttonType);

// Styles drawn from bevels and simple shapes (and the face-only fallback).
void DrawBevelStyle(ButtonPainter& painter, Look look);

// Styles with gradients, fixed colours and corner work.
void DrawPaletteStyle(ButtonPainter& painter, Look look);

// The transparent style's face: the captured background copy, as far as it reaches.
void DrawBackgroundCopy(ButtonPainter& painter);

// One line per pixel row: row i (1..H) darkened by round(depth / H * i), with the ratio held
// in single precision and halves rounded to even. Upside down puts the darkest row at the
// top.
void DrawGradient(ButtonPainter& painter, host::Colour base, int depth, bool blueScaled, bool upsideDown);

} // namespace chameleon::looks
