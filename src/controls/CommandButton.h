// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QAbstractButton;
class QWidget;

namespace chameleon {
class WindowDescription;
}

namespace controls {

// The description of a window built into the program, read from its resource (such as
// ":/forms/frmMain.twd"). The resource is the window's own: the window registers it before
// asking. A description that cannot be read is a fault of the build and ends the program.
chameleon::WindowDescription LoadBuiltInDescription(const QString& resource);

// Every command button of the program's windows is made here, from what its window's
// description stores for it (caption, font, style, colours); the windows use only its
// clicked() signal, its enabled state and its geometry. `name` becomes the object name;
// `geometry` is in pixels of the parent. A name the description lacks is a fault of the
// build and ends the program.
QAbstractButton* MakeCommandButton(QWidget* parent, const chameleon::WindowDescription& description, const char* name,
                                   const QRect& geometry);

} // namespace controls
