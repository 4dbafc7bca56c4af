// SPDX-License-Identifier: GPL-3.0-or-later
// The cue on Windows: the system's own notification sound, played by user32.
#include "sheet/CueSound.h"

#include <windows.h>

namespace sheet {
namespace {

class Win32CueSound final : public CueSound {
public:
    // MessageBeep returns at once and plays the sound the user chose for "Asterisk"; it
    // falls back to the speaker's beep by itself where no sound is set.
    void Play() override { MessageBeep(MB_ICONASTERISK); }
};

} // namespace

std::unique_ptr<CueSound> MakeSystemCueSound() { return std::make_unique<Win32CueSound>(); }

} // namespace sheet
