#include "controls/chameleonButton/ButtonPainter.h"

namespace chameleon {

std::shared_ptr<host::Region> ButtonPainter::BuildRegion() const { return nullptr; }
void ButtonPainter::CaptureBackground() {}

} // namespace chameleon
