#include "controls/chameleonButton/ButtonPainter.h"

namespace chameleon {

void ButtonPainter::PreparePicture() {}
void ButtonPainter::PlacePicture() {}
void ButtonPainter::DrawPictures(std::uint8_t) {}
void ButtonPainter::DrawPictureEffect(int, const host::Picture&) {}
void ButtonPainter::DrawPicture(host::DrawingContext&, int, int, int, int, const host::Picture&, host::Colour,
                                std::int32_t, bool, bool, bool) {}

} // namespace chameleon
