// SPDX-License-Identifier: GPL-3.0-or-later
// The cue on Linux, inside: libcanberra found at run time, and the cue that plays through it.
#pragma once

#include "sheet/CueSound.h"

// For libcanberra's types, constants and the signatures of its functions only: the program
// does not link the library, it opens it when the first cue sounds.
#include <canberra.h>
#include <functional>
#include <memory>
#include <optional>

namespace sheet {

// libcanberra's file as the dynamic linker finds it (the runtime package's soname).
inline constexpr const char* kCanberraLibrary = "libcanberra.so.0";

// The functions of libcanberra that the cue calls, as found in the library.
struct CanberraFunctions {
    decltype(&ca_context_create) contextCreate = nullptr;
    decltype(&ca_context_destroy) contextDestroy = nullptr;
    decltype(&ca_context_change_props) contextChangeProps = nullptr;
    decltype(&ca_context_play) contextPlay = nullptr;
};

// Opens the shared library `fileName` and finds every function above in it. Nothing where the
// library cannot be opened or lacks one of them; it is closed again then. A library that has
// them all stays loaded until the process ends.
std::optional<CanberraFunctions> LoadCanberra(const char* fileName);

// libcanberra for the program: loaded at the first call, once per process; null where it is
// missing or incomplete.
const CanberraFunctions* SystemCanberra();

// The cue through libcanberra. `resolve` is asked once, at the first Play and not before; where it
// gives null, or the sound server cannot be reached, every cue stays silent.
std::unique_ptr<CueSound> MakeCanberraCueSound(std::function<const CanberraFunctions*()> resolve);

} // namespace sheet
