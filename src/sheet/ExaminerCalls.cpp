// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/ExaminerCalls.h"

#include "sheet/CueSound.h"
#include "sheet/frmSheet.h"

#include <QLocale>

namespace sheet {

QString CallText(ExaminerCall call) {
    switch (call) {
    //: The examiner's call that starts the time.
    case ExaminerCall::Start: return frmSheet::tr("Start!");
    //: The examiner's call to move on to the next column or line. Fits the room of the widest call.
    case ExaminerCall::Next: return frmSheet::tr("Next!");
    //: The examiner's call at the start of the break between the two halves.
    case ExaminerCall::Break: return frmSheet::tr("Break!");
    //: Pauli: the examiner's call to draw a stroke after the last answer.
    case ExaminerCall::Stroke: return frmSheet::tr("Stroke!");
    //: The examiner's call when the time is up: pencils down.
    case ExaminerCall::End: return frmSheet::tr("Stop!");
    }
    return {};
}

QString SpokenCallText(ExaminerCall call) {
    switch (call) {
    //: The call "Start!" as a speech engine speaks it; as shown, or spelt as the voice reads it surely.
    case ExaminerCall::Start: return frmSheet::tr("Start!", "spoken");
    //: The call "Next!" as a speech engine speaks it.
    case ExaminerCall::Next: return frmSheet::tr("Next!", "spoken");
    //: The call "Break!" as a speech engine speaks it.
    case ExaminerCall::Break: return frmSheet::tr("Break!", "spoken");
    //: The call "Stroke!" as a speech engine speaks it.
    case ExaminerCall::Stroke: return frmSheet::tr("Stroke!", "spoken");
    //: The call "Stop!" as a speech engine speaks it.
    case ExaminerCall::End: return frmSheet::tr("Stop!", "spoken");
    }
    return {};
}

CallSounds::CallSounds(CueSound& tone, CallVoice& voice) : tone_(tone), voice_(voice) {
    voice_.setStateChanged([this](VoiceState) {
        if (noticeChanged_) noticeChanged_();
    });
}

// The voice may outlive the calls: it is told of them no more.
CallSounds::~CallSounds() { voice_.setStateChanged({}); }

void CallSounds::setHearing(CallHearing hearing, const QString& language) {
    hearing_ = hearing;
    language_ = language;
    if (hearing_ != CallHearing::Tone) voice_.Prepare(language_);
    if (noticeChanged_) noticeChanged_();
}

bool CallSounds::voiceSpeaks() const { return hearing_ != CallHearing::Tone && voice_.state() == VoiceState::Ready; }

void CallSounds::Sound(ExaminerCall call) {
    // The tone never waits for the voice: it sounds first, and in the voice's place where
    // the voice cannot speak.
    if (hearing_ != CallHearing::Voice || !voiceSpeaks()) tone_.Play();
    if (voiceSpeaks()) voice_.Say(SpokenCallText(call));
}

QString CallSounds::notice() const {
    if (hearing_ == CallHearing::Tone) return {};
    switch (voice_.state()) {
    case VoiceState::Ready: return {};
    case VoiceState::Loading: return tr("Looking for a voice; until one speaks, the calls sound as a tone.");
    case VoiceState::NoVoiceForLanguage:
        //: %1 is the language's name in itself: "Bahasa Indonesia", "日本語".
        return tr("No voice speaks %1 here: the calls sound as a tone (install espeak-ng).")
            .arg(QLocale(language_).nativeLanguageName());
    case VoiceState::NoEngine:
        return tr("No speech engine here: the calls sound as a tone (install speech-dispatcher).");
    case VoiceState::Failed: return tr("The voice failed: the calls go on as a tone.");
    }
    return {};
}

} // namespace sheet
