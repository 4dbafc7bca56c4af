// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../support/ScriptedClock.h"
#include "../support/ScriptedMessageBoxes.h"
#include "../support/SheetFixture.h"
#include "../support/WindowLookups.h"
#include "engine/Sheet.h"
#include "engine/SheetFormat.h"
#include "sheet/CallVoice.h"
#include "sheet/CueSound.h"
#include "sheet/SheetView.h"
#include "sheet/frmSheet.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Counts the cues it was asked to play.
class CountingSound final : public sheet::CueSound {
public:
    void Play() override { ++plays; }
    int plays = 0;
};

// A voice that speaks what it is told into a list, in the state the test sets; Prepare
// answers at once with the state set for the language.
class FakeVoice final : public sheet::CallVoice {
public:
    void Prepare(const QString& language) override {
        prepared << language;
        SetState(readyFor.contains(language) ? sheet::VoiceState::Ready : whenNotReady);
    }
    sheet::VoiceState state() const override { return state_; }
    void Say(const QString& text) override { said << text; }
    // As the engine's thread would report a change.
    void SetState(sheet::VoiceState state) {
        if (state == state_) return;
        state_ = state;
        Report(state);
    }

    QStringList readyFor{QStringLiteral("en"), QStringLiteral("id"), QStringLiteral("ja")};
    sheet::VoiceState whenNotReady = sheet::VoiceState::NoVoiceForLanguage;
    QStringList prepared;
    QStringList said;

private:
    sheet::VoiceState state_ = sheet::VoiceState::Loading;
};

// What the window handed to the results.
struct HandedResults {
    std::string title;
    std::vector<engine::SheetAnswer> record;
    std::uint64_t seed = 0;
    engine::SittingEnd end = engine::SittingEnd::Stopped;
    std::uint64_t elapsedMs = 0;
};

// The sheet window with a scripted clock, scripted message boxes and a counting sound,
// driven by key presses as the user drives it.
class SheetWindowTest : public testing::Test {
protected:
    static constexpr std::uint64_t kOfferedSeed = 4242;

    void SetUp() override {
        sheet::SheetServices services;
        services.clock = &clock;
        services.messages = &boxes;
        services.sound = &sound;
        services.voice = &voice;
        services.newSeed = [] { return kOfferedSeed; };
        services.showResults = [this](QWidget*, const engine::SheetFormat& format,
                                      std::span<const engine::SheetAnswer> record, std::uint64_t seed,
                                      engine::SittingEnd end, std::uint64_t elapsedMs) {
            results.push_back({format.title, {record.begin(), record.end()}, seed, end, elapsedMs});
        };
        window = std::make_unique<sheet::frmSheet>(services);
        ASSERT_TRUE(testsupport::ShowActive(*window));
        // Straight to the sheet, as a user who knows the procedure would set it; the
        // procedure's own tests switch it on again.
        Get<QCheckBox>("chkProcedure")->click();
    }

    template <typename T> T* Get(const char* name) const { return testsupport::FindIn<T>(*window, name); }

    // Chooses and starts a sheet; the format it was made with.
    engine::SheetFormat Start(const std::string& name, bool practice, std::uint64_t seed) {
        window->Choose({name, practice, seed});
        Get<QAbstractButton>("cmdStartSheet")->click();
        EXPECT_NE(window->sitting(), nullptr);
        engine::FormatError error;
        return *engine::FormatByName(name, practice, error);
    }

    sheet::SheetView* View() const { return window->view(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(View(), key, modifiers); }
    void Digit(int digit) { Key(static_cast<Qt::Key>(Qt::Key_0 + digit)); }
    // The right answer to the cursor's pair.
    int RightAnswer() const { return sheets::RightAnswer(*window->sitting()); }
    // Moves the clock and lets the window's timer see it.
    void Wait(std::uint64_t milliseconds) {
        clock.Advance(milliseconds);
        window->tmrSheet_Timer();
    }

    ScriptedClock clock;
    host::ScriptedMessageBoxes boxes;
    CountingSound sound;
    FakeVoice voice;
    std::vector<HandedResults> results;
    std::unique_ptr<sheet::frmSheet> window;
};
