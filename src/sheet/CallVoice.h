// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace sheet {

// What a voice can do for the calls.
enum class VoiceState {
    // Not asked for yet, or still being loaded.
    Loading,
    // Speaks the language asked for.
    Ready,
    // The speech engine runs but has no voice for the language.
    NoVoiceForLanguage,
    // No speech engine: this build has none, or the system lacks its plugin or service.
    NoEngine,
    // The engine failed after it was ready; it is not asked again.
    Failed,
};

// The examiner's call, spoken by a voice of the system's speech engine. Nothing here ever
// blocks its caller: the engine is loaded, asked and made to speak away from the caller's
// thread, and every fault ends in a state the caller hears of (`stateChanged`, on its own
// thread), never in a message box or a wait.
class CallVoice {
public:
    virtual ~CallVoice() = default;

    // Loads the engine, where not done yet, and chooses a voice of `language` ("en", "id",
    // "ja"). The state is Loading until the answer comes.
    virtual void Prepare(const QString& language) = 0;
    virtual VoiceState state() const = 0;
    // Speaks `text` where Ready, cutting short a call still being spoken; nothing otherwise.
    virtual void Say(const QString& text) = 0;
    // Told of every change of state.
    void setStateChanged(std::function<void(VoiceState)> handler) { stateChanged_ = std::move(handler); }

protected:
    void Report(VoiceState state) const {
        if (stateChanged_) stateChanged_(state);
    }

private:
    std::function<void(VoiceState)> stateChanged_;
};

// Qt TextToSpeech with the platform's default engine (speech-dispatcher on Linux), or, in a
// build without it, a voice that is never Ready.
std::unique_ptr<CallVoice> MakeSystemCallVoice();

} // namespace sheet
