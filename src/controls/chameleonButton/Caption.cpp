#include "controls/chameleonButton/ButtonPainter.h"

namespace chameleon {

void ButtonPainter::LayoutCaption() {}
void ButtonPainter::DrawCaption(std::uint8_t) {}
void ButtonPainter::DrawCaptionEffect(const host::Rect&) {}

} // namespace chameleon
