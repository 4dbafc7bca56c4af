// SPDX-License-Identifier: GPL-3.0-or-later
// A build without Qt TextToSpeech (the Windows build): the calls sound as a tone only.
#include "sheet/CallVoice.h"

namespace sheet {
namespace {

class NoCallVoice final : public CallVoice {
public:
    void Prepare(const QString& language) override {
        (void)language;
        if (told_) return;
        told_ = true;
        Report(VoiceState::NoEngine);
    }
    VoiceState state() const override { return told_ ? VoiceState::NoEngine : VoiceState::Loading; }
    void Say(const QString& text) override { (void)text; }

private:
    bool told_ = false;
};

} // namespace

std::unique_ptr<CallVoice> MakeSystemCallVoice() { return std::make_unique<NoCallVoice>(); }

} // namespace sheet
