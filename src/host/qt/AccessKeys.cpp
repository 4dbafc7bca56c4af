// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/AccessKeys.h"

#include <QAbstractButton>
#include <QChildEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QShortcutEvent>
#include <QWidget>

namespace host {

namespace {

// The control that takes the focus for a candidate: a label hands it to its buddy.
QWidget* FocusTarget(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) return label->buddy();
    return control;
}

bool CanTakeFocus(const QWidget* widget) {
    return widget && widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
}

bool IsAccessKey(const QKeySequence& key) { return key.count() == 1 && key[0].keyboardModifiers() == Qt::AltModifier; }

} // namespace

AccessKeys::AccessKeys(QWidget* window) : QObject(window), window_(window) { Watch(window); }

AccessKeys* AccessKeys::Install(QWidget* window) { return new AccessKeys(window); }

void AccessKeys::Watch(QWidget* widget) {
    widget->installEventFilter(this);
    for (QObject* child : widget->children())
        if (auto* childWidget = qobject_cast<QWidget*>(child); childWidget && !childWidget->isWindow())
            Watch(childWidget);
}

QKeySequence AccessKeys::AccessKeyOf(const QWidget* control) {
    QKeySequence key;
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        key = button->shortcut();
    else if (const auto* label = qobject_cast<const QLabel*>(control); label && label->buddy())
        key = QKeySequence::mnemonic(label->text());
    return IsAccessKey(key) ? key : QKeySequence();
}

QList<QWidget*> AccessKeys::FocusChain() const {
    // Every widget of the window is in the chain once, in tab order; the walk goes no
    // further than there are widgets, whatever state the chain is in.
    QList<QWidget*> chain;
    const qsizetype limit = window_->findChildren<QWidget*>().size();
    for (QWidget* widget = window_->nextInFocusChain(); widget && widget != window_ && chain.size() < limit;
         widget = widget->nextInFocusChain())
        if (widget->window() == window_) chain.append(widget);
    return chain;
}

QList<QWidget*> AccessKeys::Candidates(const QKeySequence& key) const {
    QList<QWidget*> candidates;
    if (!IsAccessKey(key)) return candidates;
    for (QWidget* widget : FocusChain())
        if (widget->isVisible() && widget->isEnabled() && AccessKeyOf(widget) == key) candidates.append(widget);
    return candidates;
}

void AccessKeys::FocusNext(const QList<QWidget*>& candidates) const {
    // Where the focus is: at the candidate that holds it (a label through its buddy), else
    // at the focused widget's own place in the chain.
    QWidget* focused = window_->focusWidget();
    QWidget* from = focused;
    for (QWidget* candidate : candidates)
        if (focused && FocusTarget(candidate) == focused) from = candidate;
    const QList<QWidget*> chain = FocusChain();
    const qsizetype at = chain.indexOf(from);
    qsizetype next = 0;
    while (next < candidates.size() && chain.indexOf(candidates[next]) <= at) ++next;
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        QWidget* target = FocusTarget(candidates[(next + i) % candidates.size()]);
        if (!CanTakeFocus(target)) continue;
        target->setFocus(Qt::ShortcutFocusReason);
        window_->setAttribute(Qt::WA_KeyboardFocusChange);
        return;
    }
}

bool AccessKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child && !child->isWindow()) Watch(child);
        return false;
    }
    if (event->type() != QEvent::Shortcut) return false;
    auto* control = qobject_cast<QWidget*>(watched);
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    // Qt calls a shortcut ambiguous when several owners in the active window have it; it
    // would hand the press to one of them in turn, whichever the focus.
    if (!control || !shortcut->isAmbiguous() || control->window() != window_) return false;
    const QList<QWidget*> candidates = Candidates(shortcut->key());
    if (candidates.size() > 1) {
        FocusNext(candidates);
        return true;
    }
    if (candidates.size() == 1 && candidates.front() == control) {
        // The other owners are no controls of this window: this one acts at once.
        QShortcutEvent single(shortcut->key(), shortcut->shortcutId(), false);
        QCoreApplication::sendEvent(control, &single);
        return true;
    }
    return false;
}

} // namespace host
