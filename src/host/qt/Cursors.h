// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPixmap>

namespace host {

// Where the pointing-hand picture lives among the resources (":/host/cursors/hand.svg").
QString HandResource();

// The program's pointing-hand picture, drawn at `size`
// device-independent pixels for the screen's pixel ratio.
QPixmap HandPicture(int size = 32);

// The pointing-hand mouse pointer of the hyperlink labels and the button control, its
// hot spot on the tip of the index finger.
QCursor HandCursor();

} // namespace host
