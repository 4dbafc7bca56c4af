#include "controls/chameleonButton/ButtonPainter.h"

namespace chameleon {

void ButtonPainter::DeriveColors() {}
host::Colour ButtonPainter::TranslateColor(host::Colour colour) const { return colour; }
host::Colour ButtonPainter::ShiftColor(host::Colour colour, int, bool) const { return colour; }
host::Colour ButtonPainter::TintColor(host::Colour colour, int) { return colour; }

} // namespace chameleon
