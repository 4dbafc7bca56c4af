// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Geometry.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace host {
class Picture;
class Region;
class MemoryContext;
} // namespace host

namespace chameleon {

// Drawing states: a button is drawn up or down.
constexpr std::uint8_t kStateNormal = 0;
constexpr std::uint8_t kStatePressed = 2;

// The styles whose number the control itself looks at.
constexpr std::int32_t kStyleDoubleLine = 5;
constexpr std::int32_t kStyleTransparent = 11;

// Every field of one button instance. The control (properties, input, life cycle) and the
// painter (colours, layout, drawing, shape) both work on this one record.
struct ButtonState {
    // Properties.
    std::int32_t buttonType = 2;
    std::int32_t colorScheme = 1;
    std::int32_t picturePosition = 0;
    std::int32_t specialEffect = 0;
    host::Colour backColor = 0;
    host::Colour backOver = 0;
    host::Colour foreColor = 0;
    host::Colour foreOver = 0;
    host::Colour maskColor = 0xC0C0C0;
    bool useMaskColor = true;
    bool useGreyscale = false;
    bool handPointer = false;
    std::shared_ptr<host::Picture> pictureNormal;
    std::shared_ptr<host::Picture> pictureOver;
    QString caption;
    bool enabled = true;
    bool softBevel = false;
    bool showFocusRect = true;
    bool checkBoxBehaviour = false;
    bool value = false;

    // Size, kept by the resize handling; nothing is drawn while buttonHeight is 0.
    std::int32_t buttonWidth = 0;
    std::int32_t buttonHeight = 0;

    // Derived colour set (plain red-green-blue values), written only by DeriveColors.
    host::Colour faceColor = 0;
    host::Colour lightColor = 0;
    host::Colour highlightColor = 0;
    host::Colour shadowColor = 0;
    host::Colour darkShadowColor = 0;
    host::Colour textColor = 0;
    host::Colour textOverColor = 0;
    host::Colour hotColor = 0;
    host::Colour hotLightColor = 0;
    host::Colour maskColorRGB = 0;
    host::Colour faceLightColor = 0;

    // Drawing memory.
    std::uint8_t lastState = 0;
    QString lastCaption;
    bool redrawEnabled = true;

    // Pointer, keyboard and focus.
    bool isOver = false;
    bool hasFocus = false;
    std::uint8_t lastMouseButton = 0;
    std::uint8_t lastKeyCode = 0;

    // Geometry and layout.
    host::Rect faceRect;
    host::Rect captionRect;
    host::Rect captionMeasureRect;
    std::int32_t captionWidth = 0;
    std::int32_t captionHeight = 0;
    struct PictureBox {
        std::int32_t left = 0, top = 0, width = 0, height = 0;
    } pictureRect;
    std::uint8_t captionState = 0;

    // Shape and background copy (transparent style).
    std::shared_ptr<host::Region> buttonRegion;
    std::shared_ptr<host::MemoryContext> backgroundDC;
    bool capturingBackground = false;
};

} // namespace chameleon
