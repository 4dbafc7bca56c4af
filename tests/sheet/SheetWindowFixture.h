// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../support/ScriptedClock.h"
#include "../support/ScriptedMessageBoxes.h"
#include "../support/SheetFixture.h"
#include "engine/Sheet.h"
#include "engine/SheetFormat.h"
#include "sheet/CueSound.h"
#include "sheet/SheetView.h"
#include "sheet/frmSheet.h"

#include <QAbstractButton>
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
        services.newSeed = [] { return kOfferedSeed; };
        services.showResults = [this](QWidget*, const engine::SheetFormat& format,
                                      std::span<const engine::SheetAnswer> record, std::uint64_t seed,
                                      engine::SittingEnd end, std::uint64_t elapsedMs) {
            results.push_back({format.title, {record.begin(), record.end()}, seed, end, elapsedMs});
        };
        window = std::make_unique<sheet::frmSheet>(services);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T> T* Get(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

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
    std::vector<HandedResults> results;
    std::unique_ptr<sheet::frmSheet> window;
};
