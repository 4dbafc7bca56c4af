// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology sees of the button: a push button named by its caption, or by
// the accessible name its window gives it.

#include "controls/chameleonButton/Accessibility_p.h"
#include "controls/chameleonButton/ButtonState.h"
#include "controls/chameleonButton/chameleonButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

namespace chameleon {

namespace {

// The caption as read aloud: access-key markers dropped, "&&" read as one "&".
QString CaptionWithoutMarkers(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        text.append(caption[i]);
    }
    return text;
}

} // namespace

// A friend of chameleonButton, so it cannot live in the anonymous namespace.
class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(chameleonButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        // The name the window gives the button, else the caption as shown (picture-font
        // letters are read as their symbols).
        if (t == QAccessible::Name) {
            const QString given = button()->accessibleName();
            return given.isEmpty() ? CaptionWithoutMarkers(button()->text()) : given;
        }
        if (t == QAccessible::Accelerator && !button()->AccessKey().isEmpty())
            return QStringLiteral("Alt+") + button()->AccessKey().toUpper();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        const ButtonState& s = button()->State();
        st.disabled = !s.enabled;
        st.focusable = s.enabled;
        st.focused = s.hasFocus;
        if (s.checkBoxBehaviour) {
            st.checkable = true;
            st.checked = s.value;
            st.pressed = s.value;
        } else {
            st.pressed = s.lastState == 2;
        }
        return st;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->State().enabled) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (name == pressAction()) {
            button()->HandleAccessKey();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    chameleonButton* button() const { return static_cast<chameleonButton*>(widget()); }
};

namespace {

QAccessibleInterface* ButtonAccessibleFactory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<chameleonButton*>(object)) return new ButtonAccessible(button);
    return nullptr;
}

} // namespace

void InstallButtonAccessibility() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(ButtonAccessibleFactory); });
}

} // namespace chameleon
