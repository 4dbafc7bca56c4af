// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Access keys that several controls of one window share, handled as Windows dialogs
// handle them.

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

namespace host {

// While more than one visible, enabled control of the window answers to the same
// Alt+key, each press moves the focus to the next of them in tab order after the focused
// control, wrapping round, and acts on none; Space (or Enter where the control takes it)
// then acts on the focused one. A key that only one control has acts at once, as that
// control's own shortcut does: a button clicks, a check box toggles, a label focuses its
// buddy.
//
// The controls keep their own Qt shortcuts, so the accelerators that assistive technology
// reads stay theirs; the window steps in when Qt finds a shortcut ambiguous, which it
// does exactly when several visible, enabled owners in the window have it.
class AccessKeys final : public QObject {
public:
    // Watches `window` and every widget in it, those added later included. The object
    // belongs to the window.
    static AccessKeys* Install(QWidget* window);

    // The access key of a control: a button's shortcut or a buddy label's mnemonic, when it
    // is Alt with one key; empty otherwise.
    static QKeySequence AccessKeyOf(const QWidget* control);
    // The visible, enabled controls of the window with that access key, in tab order.
    QList<QWidget*> Candidates(const QKeySequence& key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit AccessKeys(QWidget* window);
    void Watch(QWidget* widget);
    // The window's own widgets in tab order, the window itself left out.
    QList<QWidget*> FocusChain() const;
    // Moves the focus to the candidate after the focused control, passing over those
    // that cannot take it.
    void FocusNext(const QList<QWidget*>& candidates) const;

    QWidget* window_;
};

} // namespace host
