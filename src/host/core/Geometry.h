// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace host {

// A 32-bit colour value: red in the lowest byte, then green, then blue. A value with the
// high bit set names a system colour by the index in its low byte.
using Colour = std::uint32_t;
constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr bool IsSystemColour(Colour c) { return (c & kSystemColourFlag) != 0; }
constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// System colour indices (the platform's numbering).
enum SystemColourIndex : int {
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_BTNTEXT = 18,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_HIGHLIGHT = 13,
};

// Left, top, right, bottom in pixels; right and bottom exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// 16-bit boolean of the runtime: 0 false, -1 true.
using Bool16 = std::int16_t;
constexpr Bool16 kTrue16 = -1;
constexpr Bool16 kFalse16 = 0;

} // namespace host
