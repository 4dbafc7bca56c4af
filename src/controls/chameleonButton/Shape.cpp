// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "controls/chameleonButton/StyleLooks.h"
#include "host/core/Geometry.h"
#include "host/qt/DrawingContext.h"
#include "host/qt/Region.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace chameleon {

namespace looks {

// Style 11's face: the parent's pixels as captured. A copy smaller than the button (it
// keeps the size of the first show) covers only its own size; the rest keeps the face fill.
void DrawBackgroundCopy(ButtonPainter& painter) {
    const ButtonState& s = painter.state();
    if (!s.backgroundDC) return;
    const int width = std::min(s.buttonWidth, s.backgroundDC->Width());
    const int height = std::min(s.buttonHeight, s.backgroundDC->Height());
    painter.surface().Context().BitBlt(0, 0, width, height, *s.backgroundDC, 0, 0);
}

} // namespace looks

std::shared_ptr<host::Region> ButtonPainter::BuildRegion() const {
    const int w = s_.buttonWidth;
    const int h = s_.buttonHeight;
    const host::Rect box{0, 0, w, h};

    if (s_.buttonType == ButtonStyle::Oval) return std::make_shared<host::Region>(host::Region::Ellipse(box));

    auto region = std::make_shared<host::Region>(host::Region::Rectangle(box));
    const auto cut = [&](int x, int y) { region->Subtract(host::Region::Rectangle({x, y, x + 1, y + 1})); };
    switch (s_.buttonType) {
    case ButtonStyle::OutlinedBevel:
    case ButtonStyle::BandedGradient:
        cut(0, 0);
        cut(w - 1, 0);
        cut(0, h - 1);
        cut(w - 1, h - 1);
        break;
    case ButtonStyle::DoubleLine:
        cut(0, h - 1);
        cut(w - 1, 0);
        break;
    case ButtonStyle::GlossyGradient:
    case ButtonStyle::RoundedLight:
        cut(0, 0), cut(1, 0), cut(0, 1);
        cut(w - 2, 0), cut(w - 1, 0), cut(w - 1, 1);
        cut(0, h - 1), cut(1, h - 1), cut(0, h - 2);
        cut(w - 2, h - 1), cut(w - 1, h - 1), cut(w - 1, h - 2);
        break;
    default: break;
    }
    return region;
}

void ButtonPainter::CreateBackgroundCopy() {
    if (s_.backgroundDC) return;
    s_.backgroundDC = std::make_shared<host::MemoryContext>(s_.buttonWidth, s_.buttonHeight);
}

namespace {

// Puts the surface back to the height it had and lifts the resize guard, whatever happens
// while the button is hidden.
class HiddenForCapture {
public:
    HiddenForCapture(ButtonState& state, ButtonSurface& surface)
        : state_(state), surface_(surface), savedHeight_(surface.SurfaceHeightPixels()) {
        state_.capturingBackground = true;
        surface_.SetSurfaceHeightPixels(0);
    }
    ~HiddenForCapture() {
        surface_.SetSurfaceHeightPixels(savedHeight_);
        state_.capturingBackground = false;
    }
    HiddenForCapture(const HiddenForCapture&) = delete;
    HiddenForCapture& operator=(const HiddenForCapture&) = delete;

private:
    ButtonState& state_;
    ButtonSurface& surface_;
    std::int32_t savedHeight_;
};

} // namespace

void ButtonPainter::CaptureBackground() {
    HiddenForCapture hidden(s_, surface_);
    // The parent repaints the uncovered area before its pixels are read.
    surface_.PumpEvents();
    // Without a copy there is nothing to fill; a failed copy leaves the old one as it was.
    if (s_.backgroundDC) surface_.CopyParentPixels(*s_.backgroundDC, s_.buttonWidth, s_.buttonHeight);
}

} // namespace chameleon
