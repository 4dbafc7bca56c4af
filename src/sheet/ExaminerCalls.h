// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheet/CallVoice.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

namespace sheet {

class CueSound;

// What the examiner calls out during a sitting.
enum class ExaminerCall {
    // The time starts (heard in the examiner mode).
    Start,
    // On to the next column or line.
    Next,
    // The break between the two halves begins.
    Break,
    // Pauli: a stroke after the last answer.
    Stroke,
    // The time is up (heard in the examiner mode).
    End,
};

// The call as the window shows it, in the language installed: "Next!", 「はい、次」.
QString CallText(ExaminerCall call);
// The call as a voice speaks it: the shown text, or a form a speech engine reads more surely
// (kana for Japanese voices, which may not read every kanji).
QString SpokenCallText(ExaminerCall call);

// How the examiner's calls are heard.
enum class CallHearing {
    Tone,
    Voice,
    ToneAndVoice,
};

// The calls heard: the cue's tone, the voice, or both, as the user chose. Where the voice
// cannot speak (no speech engine, no voice for the language, an engine that failed) the tone
// sounds in its place, and `notice` says why in one line.
class CallSounds {
    Q_DECLARE_TR_FUNCTIONS(sheet::CallSounds)
public:
    CallSounds(CueSound& tone, CallVoice& voice);
    ~CallSounds();
    CallSounds(const CallSounds&) = delete;
    CallSounds& operator=(const CallSounds&) = delete;

    // A voice is made ready in `language` ("en", "id", "ja") when one is wanted.
    void setHearing(CallHearing hearing, const QString& language);
    CallHearing hearing() const { return hearing_; }
    // Sounds `call` as chosen. Returns at once.
    void Sound(ExaminerCall call);
    // Whether the voice speaks the calls now.
    bool voiceSpeaks() const;
    // Why the voice does not speak where one is wanted ("No voice for Indonesian here: the
    // calls sound as a tone"); empty where it speaks or none is wanted.
    QString notice() const;
    // Told whenever the notice may have changed.
    void setNoticeChanged(std::function<void()> handler) { noticeChanged_ = std::move(handler); }

private:
    CueSound& tone_;
    CallVoice& voice_;
    CallHearing hearing_ = CallHearing::Tone;
    QString language_;
    std::function<void()> noticeChanged_;
};

} // namespace sheet
