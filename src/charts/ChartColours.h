// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The colours the charts share, so that a mark means the same in each.
namespace charts {

inline const QColor kTrueColour(0x3F, 0x8F, 0x5A);
inline const QColor kFalseColour(0xD1, 0x49, 0x5B);
inline const QColor kTimeColour(0x1F, 0x4E, 0xB4);
// Trend lines, breaks and outlines.
inline const QColor kTrendColour(0x44, 0x44, 0x44);
inline const QColor kGridColour(0xE2, 0xE2, 0xE2);
// Behind the item selected by the keyboard.
inline const QColor kSelectionColour(0xFF, 0xE9, 0xA8);
// A user's best, marked among the rest.
inline const QColor kBestColour(0xD9, 0x73, 0x0D);

} // namespace charts
