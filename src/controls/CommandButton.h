// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QAbstractButton;
class QWidget;

namespace controls {

// The font a command button's caption is stored with.
struct CommandButtonFont {
    QString family;
    double points = 8.25;
    bool bold = false;
};

// Every command button of both windows is made here, from the caption and font the
// window layout stores for it; the windows use only its clicked() signal, its enabled
// state and its geometry. `name` becomes the object name; `geometry` is in pixels of the
// parent.
QAbstractButton* MakeCommandButton(QWidget* parent, const char* name, const QString& caption,
                                   const CommandButtonFont& font, const QRect& geometry);

} // namespace controls
