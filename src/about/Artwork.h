// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace about {

// The program's pictures, drawn from vector sources so they stay crisp at any size.
enum class Art {
    ProgramIcon,    // three shaded balls, green, yellow and red
    QuestionBubble, // a speech bubble with a blue question mark
    Figure,         // a small cartoon figure, transparent around it
};

// Where `art` lives among the resources.
QString ArtResource(Art art);

// The window icon; drawn at whatever sizes the window manager asks for.
QIcon ProgramIcon();

} // namespace about
