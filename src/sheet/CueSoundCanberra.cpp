// SPDX-License-Identifier: GPL-3.0-or-later
// The cue on Linux: the desktop's own event sound, played by libcanberra.
#include "sheet/CueSound.h"

#include <canberra.h>

namespace sheet {
namespace {

class CanberraCueSound final : public CueSound {
public:
    ~CanberraCueSound() override {
        if (context_ != nullptr) ca_context_destroy(context_);
    }

    void Play() override {
        // Made at the first cue, not with the window: connecting to the sound server
        // costs more than opening the window may.
        if (context_ == nullptr && !failed_) {
            failed_ = ca_context_create(&context_) != CA_SUCCESS;
            if (!failed_) {
                ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Tavrendale", CA_PROP_APPLICATION_ID,
                                        "org.example.tavrendale", nullptr);
            }
        }
        if (failed_) return;
        // The theme's instant-message sound is short and distinct; the plain bell where the
        // theme has none. libcanberra plays asynchronously and reports a missing server or
        // sound only through its return value, which a cue that is also seen can ignore.
        if (ca_context_play(context_, 0, CA_PROP_EVENT_ID, "message-new-instant", CA_PROP_EVENT_DESCRIPTION,
                            "Next column or line", nullptr) != CA_SUCCESS) {
            ca_context_play(context_, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Next column or line",
                            nullptr);
        }
    }

private:
    ca_context* context_ = nullptr;
    bool failed_ = false;
};

} // namespace

std::unique_ptr<CueSound> MakeSystemCueSound() { return std::make_unique<CanberraCueSound>(); }

} // namespace sheet
