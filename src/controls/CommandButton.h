// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <span>

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

// Shows the caption `button`'s description stores in the language installed, looked up in
// the catalog's `context` where it is one of the window's `captions` (each marked there
// for the translation tools). Any other caption stays as stored, and so does every caption
// the catalog has no translation of: in English the button is exactly as described.
void TranslateStoredCaption(QAbstractButton* button, const char* context, std::span<const char* const> captions);

} // namespace controls
