// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/HistoryStore.h"

#include <QFrame>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QLabel;

namespace keeping {

class SittingKeeping;

// A window's bar about the history, in the window's own space, hidden while it has nothing to
// say: the question whether to keep this sitting and later ones (Keep, Don't keep: the answer
// holds for every window and is remembered), or in one line a fault of the history with the
// file's path and what can mend it: Start a new history for a damaged file (which sets it
// aside, never deleting it), Try again where another try may succeed. Its buttons have access
// keys; screen readers read its line as the bar's name.
class KeepBar final : public QFrame {
    Q_OBJECT
public:
    explicit KeepBar(QWidget* parent);
    ~KeepBar() override;

    // Shows from now on what the user must know of `keeping`; nothing where it is null.
    void Follow(SittingKeeping* keeping);
    // Shows `fault` of something the window asked of the history; `retry`, where given, is
    // what Try again and a new history try again.
    void ShowFault(const engine::StoreFault& fault, std::function<void()> retry = {});
    void Clear();

    // The line shown; empty while the bar is hidden.
    QString text() const;

signals:
    // The bar showed or hid itself, or says something else.
    void changed();

private:
    void Update();
    void Show(const QString& line, std::initializer_list<QAbstractButton*> buttons);
    void cmdNewHistory_Click();

    QPointer<SittingKeeping> keeping_;
    std::function<void()> retry_;
    bool notKept_ = false;
    // Where the damaged file was set aside, told until the next thing the bar says.
    QString setAside_;
    QLabel* lblKeep = nullptr;
    QAbstractButton* cmdKeep = nullptr;
    QAbstractButton* cmdDontKeep = nullptr;
    QAbstractButton* cmdRetry = nullptr;
    QAbstractButton* cmdNewHistory = nullptr;
};

// The line under a results window's bar that says where its sitting stands against the
// user's earlier ones (StandingLine): selectable text, hidden until it has something to say.
QLabel* MakeStandingLabel(QWidget* parent, const QString& toolTip);
// Shows `line` there, and to screen readers; hides the label where it is empty.
void ShowStanding(QLabel* label, const QString& line);

} // namespace keeping
