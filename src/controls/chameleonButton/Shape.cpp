#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/StyleLooks.h"

namespace chameleon {

namespace looks {
// The background copy is drawn once the memory context type is available.
void DrawBackgroundCopy(ButtonPainter&) {}
} // namespace looks

std::shared_ptr<host::Region> ButtonPainter::BuildRegion() const { return nullptr; }
void ButtonPainter::CaptureBackground() {}

} // namespace chameleon
