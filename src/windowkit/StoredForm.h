// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/chameleonButton/WindowDescription.h"

#include <QRect>
#include <QString>
#include <optional>
#include <span>

class QAbstractButton;
class QWidget;

namespace windowkit {

// The size of a command button of the windows, in twips: 89 x 25 pixels.
inline constexpr int kButtonWidthTwips = 1335;
inline constexpr int kButtonHeightTwips = 375;

// A window's stored form: the description of its command buttons (caption, font, style,
// colours) as the window's layout saved it, built into the program as a resource of the
// window's forms library, and the buttons made from it. A window keeps one for its life
// (a function-local static): the description is read when a button is first made.
class StoredForm {
public:
    // `resource` is the description's resource (":/forms/frmWorkCurve.twd"), which
    // `registerResource` makes known (the window's own Q_INIT_RESOURCE: the resources of a
    // static library are not registered by themselves). The buttons' stored `captions` are
    // shown translated by the catalog's `context`, each marked there for the translation tools.
    StoredForm(void (*registerResource)(), const char* resource, const char* context,
               std::span<const char* const> captions);

    // Read when first asked for; a description that cannot be read is a fault of the build
    // and ends the program.
    const chameleon::WindowDescription& description() const;

    // The button `name` of the description at `geometry` (pixels of `parent`), showing its
    // stored caption in the language installed. A name the description lacks is a fault of the
    // build and ends the program.
    QAbstractButton* MakeButton(QWidget* parent, const char* name, const QRect& geometry) const;
    // The same at the windows' button size (`widthTwips` wide), fixed, with `toolTip`.
    QAbstractButton* MakeButton(QWidget* parent, const char* name, const QString& toolTip,
                                int widthTwips = kButtonWidthTwips) const;

private:
    void (*registerResource_)();
    const char* resource_;
    const char* context_;
    std::span<const char* const> captions_;
    mutable std::optional<chameleon::WindowDescription> description_;
};

} // namespace windowkit
