// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace sheet {

// The examiner's call, heard: a short signal through the platform's own sound service.
// Playing never blocks the caller and never fails loudly: where no sound can be played
// (no sound server, no device) the cue is only seen.
class CueSound {
public:
    virtual ~CueSound() = default;
    virtual void Play() = 0;
};

// The platform's sound service: libcanberra's event sounds on Linux (through PulseAudio or
// PipeWire where they run), MessageBeep on Windows.
std::unique_ptr<CueSound> MakeSystemCueSound();

} // namespace sheet
