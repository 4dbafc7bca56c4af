// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../../support/ScriptedClock.h"
#include "app/frmMain.h"
#include "host/core/Random.h"
#include "host/qt/Frame.h"
#include "host/qt/PreciseTimer.h"
#include "host/qt/ScriptedFileDialogs.h"
#include "host/qt/ScriptedMessageBoxes.h"

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

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<app::frmMain>(
            app::MainWindowServices{&random, &boxes, [this] { ++endCalls; }, &clock, &files});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window.reset(); }

    template <typename T = QWidget> T* Get(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
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
