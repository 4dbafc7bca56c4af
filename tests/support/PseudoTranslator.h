// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/chameleonButton/chameleonButton.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QTranslator>
#include <QWidget>

namespace testsupport {

// A language in which every text that goes through Qt's translation tools comes out marked,
// "⟦Close⟧": a text a window shows without the mark did not go through them. Installed
// into the application for its lifetime. A language of a test's own may also rewrite the
// text inside the marks.
class PseudoTranslator : public QTranslator {
public:
    static constexpr char16_t kOpen = u'⟦';
    static constexpr char16_t kClose = u'⟧';

    PseudoTranslator() { QCoreApplication::installTranslator(this); }
    ~PseudoTranslator() override { QCoreApplication::removeTranslator(this); }
    PseudoTranslator(const PseudoTranslator&) = delete;
    PseudoTranslator& operator=(const PseudoTranslator&) = delete;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override {
        (void)context;
        (void)disambiguation;
        (void)n;
        return QChar(kOpen) + Rewritten(QString::fromUtf8(sourceText)) + QChar(kClose);
    }

    // Whether `text` came through the translation tools: it holds a marked piece.
    static bool Marked(const QString& text) { return text.contains(QChar(kOpen)); }

    // The texts of `window` that did not: its title, and of each visible widget in it the
    // tooltip, the accessible name and description, a label's or a button's text, an
    // owner-drawn button's caption, a frame's title and a list's items.
    static QStringList Unmarked(const QWidget* window) {
        QStringList texts{window->windowTitle()};
        QList<const QWidget*> widgets{window};
        for (const QWidget* child : window->findChildren<const QWidget*>()) widgets << child;
        for (const QWidget* widget : widgets) {
            if (!widget->isVisible()) continue;
            texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
            if (const auto* label = qobject_cast<const QLabel*>(widget)) texts << label->text();
            if (const auto* button = qobject_cast<const chameleon::chameleonButton*>(widget))
                texts << button->Caption();
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) texts << button->text();
            if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) texts << frame->title();
            if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
                for (int item = 0; item < list->count(); ++item) texts << list->itemText(item);
            }
        }
        QStringList unmarked;
        for (const QString& text : texts) {
            if (!text.isEmpty() && !Marked(text)) unmarked << text;
        }
        return unmarked;
    }

protected:
    // The translation inside the marks: the English as it is.
    virtual QString Rewritten(const QString& source) const { return source; }
};

} // namespace testsupport
