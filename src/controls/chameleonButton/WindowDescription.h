// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/PropertyStore.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class QWidget;

namespace chameleon {

class chameleonButton;

// The stored controls of one window, as the program carries them; buttons are created
// from it by name when their window opens.
class WindowDescription {
public:
    static std::optional<WindowDescription> FromBytes(std::span<const std::uint8_t> bytes, QString* error);
    // From a resource such as ":/forms/frmMain.twd".
    static std::optional<WindowDescription> FromResource(const QString& path, QString* error);

    const std::vector<host::StoredControl>& Controls() const { return controls_; }
    const host::StoredControl* Find(const QString& name) const;

    // Creates the named button under parent, sized by its stored extent and loaded from
    // its stored properties. Null, with the reason, when the control is missing, of
    // another type or its records are malformed.
    chameleonButton* CreateButton(QWidget* parent, const QString& name, QString* error) const;

private:
    std::vector<host::StoredControl> controls_;
};

// Loads a button from its records (the host's extent records first, as stored). The
// button gets its size from the extent; returns false with the reason on failure.
bool LoadButton(chameleonButton& button, std::span<const std::uint8_t> records, QString* error);

// The records of a button as the window description stores them: extent, then properties.
// Nothing, with the reason, when a value is one the store cannot hold (a caption or a
// picture over the reader's limits).
std::optional<std::vector<std::uint8_t>> SaveButton(const chameleonButton& button, QString* error = nullptr);

} // namespace chameleon
