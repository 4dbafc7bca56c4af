// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Wording.h"

namespace engine {

// A preset's titles before they are worded: the full sheet's and the practice version's.
struct PresetTitles {
    // The preset's stable name, as FormatByName takes it.
    const char* name;
    Wording full;
    Wording practice;
};

// The titles of the formats the engine makes, keyed by the format: a preset's by its stable
// name and version, the custom format's by its layout, with the number of its units as %1.
// The catalog of the Sheet results window, which words them for both sheet windows,
// translates them (tavrendale_catalog ... TEXTS_OF engine:titles).
namespace wording {

inline constexpr PresetTitles kPresetTitles[] = {
    {"kraepelin-15", TranslatableText("SheetTitle", "Kraepelin 50 × 15 s"),
     TranslatableText("SheetTitle", "Kraepelin 10 × 15 s (practice)")},
    {"kraepelin-30", TranslatableText("SheetTitle", "Kraepelin 40 × 30 s"),
     TranslatableText("SheetTitle", "Kraepelin 10 × 30 s (practice)")},
    {"uchida", TranslatableText("SheetTitle", "Uchida-Kraepelin"),
     TranslatableText("SheetTitle", "Uchida-Kraepelin 3 + 3 lines (practice)")},
    {"pauli", TranslatableText("SheetTitle", "Pauli"), TranslatableText("SheetTitle", "Pauli 9 min (practice)")},
};
inline constexpr Wording kCustomLinesTitle = TranslatableText("SheetTitle", "Custom %1 lines");
inline constexpr Wording kCustomColumnsTitle = TranslatableText("SheetTitle", "Custom %1 columns");

} // namespace wording

} // namespace engine
