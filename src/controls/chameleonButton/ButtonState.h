// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Geometry.h"
#include "host/core/PropertyStore.h"

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

// How DrawCaption draws the caption: the looks of the styles, and the special looks of
// the glossy and banded styles.
enum class CaptionStyle : std::uint8_t {
    Normal = 0,
    Hovered = 1,
    Pressed = 2,
    DisabledEmbossed = 3,
    DisabledFlat = 4,
    DisabledGlossy = 5,
    DisabledBanded = 6,
    PressedBanded = 7,
};

// The looks of the ButtonType property. The numbers are the stored ones; a stored number
// outside them is kept and drawn as the plain face.
enum class ButtonStyle : std::int32_t {
    OutlinedBevel = 1,
    Classic3D = 2,
    GlossyGradient = 3,
    RoundedLight = 4,
    DoubleLine = 5,
    Soft3D = 6,
    ThinRaised = 7,
    FlatThinHover = 8,
    FlatHighlight = 9,
    PictureOnly = 10,
    Transparent = 11,
    Flat3DHover = 12,
    Oval = 13,
    BandedGradient = 14,
};

// Where the ColorScheme property takes the colours from. Any other stored number behaves
// as SystemColours.
enum class ColourSource : std::int32_t {
    SystemColours = 1,
    CustomColours = 2,
    FixedPalette = 3,
    ContainerColours = 4,
};

// Where the PicturePosition property puts the picture, relative to the caption.
enum class PicturePlace : std::int32_t {
    Left = 0,
    Right = 1,
    Top = 2,
    Bottom = 3,
    Behind = 4,
};

// The copies of the caption and picture that the SpecialEffect property draws; stored
// numbers above Shadow behave as Shadow, below None as None.
enum class CaptionEffect : std::int32_t {
    None = 0,
    Raised = 1,
    Sunken = 2,
    Shadow = 3,
};

// Every field of one button instance. The control (properties, input, life cycle) and the
// painter (colours, layout, drawing, shape) both work on this one record.
struct ButtonState {
    // Properties.
    ButtonStyle buttonType = ButtonStyle::Classic3D;
    ColourSource colorScheme = ColourSource::SystemColours;
    PicturePlace picturePosition = PicturePlace::Left;
    CaptionEffect specialEffect = CaptionEffect::None;
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
    // The surface's font, pointer shape code and pointer icon (null for the empty picture).
    host::StoredFont font;
    std::int16_t mousePointer = 0;
    std::shared_ptr<host::Picture> mouseIcon;

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
    CaptionStyle captionState = CaptionStyle::Normal;

    // Shape and background copy (transparent style).
    std::shared_ptr<host::Region> buttonRegion;
    std::shared_ptr<host::MemoryContext> backgroundDC;
    bool capturingBackground = false;
};

} // namespace chameleon
