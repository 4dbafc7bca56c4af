#include "controls/chameleonButton/ButtonPainter.h"

namespace chameleon {

void ButtonPainter::DrawButton(std::uint8_t, bool) {}

} // namespace chameleon
