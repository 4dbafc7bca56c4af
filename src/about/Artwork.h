#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace about {

// The program's pictures, drawn from vector sources so they stay crisp at any size.
enum class Art {
    ProgramIcon,    // three shaded balls, green, yellow and red
    QuestionBubble, // a speech bubble with a blue question mark
    Figure,         // a small cartoon figure, transparent around it
};

// `art` drawn to fill `size` device-independent pixels at the screen's pixel ratio.
QPixmap RenderArt(Art art, QSize size);

// The window icon, at the sizes a window manager asks for.
QIcon ProgramIcon();

} // namespace about
