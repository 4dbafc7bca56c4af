// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../../support/ScriptedClock.h"
#include "../../support/ScriptedFileDialogs.h"
#include "../../support/ScriptedMessageBoxes.h"
#include "../../support/WindowLookups.h"
#include "app/frmMain.h"
#include "host/core/Random.h"
#include "host/qt/Frame.h"
#include "host/qt/PreciseTimer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Draws the values it is given, then keeps drawing the last one.
class SequenceRandom final : public host::Random {
public:
    void Push(std::initializer_list<float> values) { values_.insert(values_.end(), values); }
    void ReseedFromClock() override {}
    float Next() override {
        if (values_.empty()) return last_;
        last_ = values_.front();
        values_.pop_front();
        return last_;
    }

private:
    std::deque<float> values_;
    float last_ = 0.0f;
};

// The states of the main window that show texts the first look does not.
enum class Shown { FirstLook, LoggedResults, UnloggedResults };
inline const char* ShownName(Shown shown) {
    const char* const names[] = {"FirstLook", "LoggedResults", "UnloggedResults"};
    return names[static_cast<int>(shown)];
}

inline void PrintTo(Shown shown, std::ostream* os) { *os << ShownName(shown); }

using testsupport::FindIn;

// Brings a window as it opened to `shown`: a one-minute run logged to its time-out, or an
// unlogged one stopped, each with the longest figures a minute has room for (every pair is
// 5 + 5; 88 answers true and 2 false).
inline void ShowState(app::frmMain& window, SequenceRandom& random, host::ScriptedMessageBoxes& boxes, Shown shown) {
    if (shown == Shown::FirstLook) return;
    FindIn<QCheckBox>(window, "chkStatistic")->setChecked(shown == Shown::LoggedResults);
    FindIn<QLineEdit>(window, "txtTime")->setText(QStringLiteral("1"));
    random.Push({0.55f});
    QTest::mouseClick(FindIn<QAbstractButton>(window, "cmdStart"), Qt::LeftButton);
    auto* answer = FindIn<QLineEdit>(window, "txtResult");
    for (int i = 0; i < 90; ++i) {
        QTest::keyClicks(answer, i < 88 ? "0" : "1");
        QTest::keyClick(answer, Qt::Key_Return);
    }
    if (shown == Shown::LoggedResults) {
        for (int i = 0; i < 60; ++i) window.tmrTimer_Timer();
    } else {
        boxes.Answer(host::MessageAnswer::Yes);
        QTest::mouseClick(FindIn<QAbstractButton>(window, "cmdStop"), Qt::LeftButton);
    }
    EXPECT_TRUE(FindIn<QWidget>(window, "Frame2")->isVisible());
}

// Opens main windows, each in the language installed at the time, brought to `shown`.
class MainWindowOpener {
protected:
    std::unique_ptr<app::frmMain> Open(Shown shown) {
        auto window =
            std::make_unique<app::frmMain>(app::MainWindowServices{&random_, &boxes_, [] {}, &clock_, &files_});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ShowState(*window, random_, boxes_, shown);
        return window;
    }

private:
    SequenceRandom random_;
    host::ScriptedMessageBoxes boxes_;
    ScriptedClock clock_;
    host::ScriptedFileDialogs files_;
};

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<app::frmMain>(
            app::MainWindowServices{&random, &boxes, [this] { ++endCalls; }, &clock, &files});
        ASSERT_TRUE(testsupport::ShowActive(*window));
    }
    void TearDown() override { window.reset(); }

    template <typename T = QWidget> T* Get(const char* name) const { return testsupport::FindIn<T>(*window, name); }
    QString Text(const char* name) const {
        if (auto* edit = window->findChild<QLineEdit*>(QLatin1String(name))) return edit->text();
        return Get<QLabel>(name)->text();
    }
    host::PreciseTimer* Timer() const { return window->findChild<host::PreciseTimer*>("tmrTimer"); }

    void Click(const char* name) { QTest::mouseClick(Get<QAbstractButton>(name), Qt::LeftButton); }
    void SetDuration(const QString& text) { Get<QLineEdit>("txtTime")->setText(text); }
    // Starts a run whose first pair is drawn from `first` and `second`.
    void StartRun(const QString& duration, float first, float second, bool logging = true) {
        SetDuration(duration);
        Get<QCheckBox>("chkStatistic")->setChecked(logging);
        random.Push({first, second});
        Click("cmdStart");
    }
    void Answer(const char* digit) {
        auto* field = Get<QLineEdit>("txtResult");
        QTest::keyClicks(field, digit);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) window->tmrTimer_Timer();
    }
    QStringList LogRows() const {
        QStringList rows;
        auto* list = Get<QListWidget>("lstStat");
        for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
        return rows;
    }

    SequenceRandom random;
    host::ScriptedMessageBoxes boxes;
    ScriptedClock clock;
    host::ScriptedFileDialogs files;
    int endCalls = 0;
    std::unique_ptr<app::frmMain> window;
};
