#include "controls/chameleonButton/ButtonPainter.h"

namespace chameleon {

void ButtonPainter::DrawRect(int, int, int, int, host::Colour, bool) {}
void ButtonPainter::DrawEllipse(int, int, int, int, host::Colour, host::Colour) {}
void ButtonPainter::DrawLine(int, int, int, int, host::Colour) {}
void ButtonPainter::DrawPixel(int, int, host::Colour) {}
void ButtonPainter::DrawBevel(host::Colour, host::Colour, host::Colour, host::Colour, std::int16_t, bool) {}
void ButtonPainter::DrawFocus() {}

} // namespace chameleon
