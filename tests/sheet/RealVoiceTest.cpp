// SPDX-License-Identifier: GPL-3.0-or-later
// The voice through the system's speech engine, run by RealVoiceTest.sh with a private
// speech-dispatcher: it loads away from the caller, finds a voice for each of the program's
// languages, and takes the calls.
#include "sheet/CallVoice.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using sheet::VoiceState;

// speech-dispatcher is started by the first request and lists every voice it has.
constexpr int kLoadingMs = 240000;

TEST(RealVoiceTest, SpeechDispatcherSpeaksTheCallsInEachLanguage) {
    if (qEnvironmentVariableIsEmpty("TAVRENDALE_REAL_VOICE"))
        GTEST_SKIP() << "runs through RealVoiceTest.sh (ctest -R sheet_voice_speech_dispatcher), with a private "
                        "speech-dispatcher";
    const std::unique_ptr<sheet::CallVoice> voice = sheet::MakeSystemCallVoice();
    QList<VoiceState> states;
    voice->setStateChanged([&](VoiceState state) { states << state; });
    for (const char* language : {"en", "id", "ja"}) {
        SCOPED_TRACE(language);
        voice->Prepare(QString::fromLatin1(language));
        // Prepare returns at once; the answer comes later, on this thread.
        EXPECT_EQ(voice->state(), VoiceState::Loading);
        ASSERT_TRUE(QTest::qWaitFor([&] { return voice->state() != VoiceState::Loading; }, kLoadingMs));
        ASSERT_EQ(voice->state(), VoiceState::Ready) << "espeak-ng has a voice for every language of the program";
        voice->Say(QStringLiteral("Next!"));
        QTest::qWait(1000);
        EXPECT_EQ(voice->state(), VoiceState::Ready);
    }
    EXPECT_FALSE(states.contains(VoiceState::Failed));
}

} // namespace
