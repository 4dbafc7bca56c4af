// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/MessageBoxes.h"

#include <QMessageBox>

namespace host {

namespace {

// The buttons' words are Qt's own, and Qt's catalog of the language has them where the system
// has one; for a language Qt's catalogs lack (Indonesian) this catalog has them.
[[maybe_unused]] constexpr const char* kButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
};

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtMessageBoxes::Show(QWidget* owner, const MessageRequest& request) {
    QMessageBox box(ToQt(request.icon), request.title, request.text, QMessageBox::NoButton, owner);
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        // Closing the box without choosing counts as the safe answer.
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int chosen = box.exec();
    if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return chosen == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

MessageBoxes& SystemMessageBoxes() {
    static QtMessageBoxes boxes;
    return boxes;
}

} // namespace host
