// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace host {

enum class MessageIcon { None, Information, Warning, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Modal message boxes. The windows ask through this interface so that tests can answer
// in the user's place.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally over `owner` and returns the button chosen. Timers keep
    // firing while the box is open.
    virtual MessageAnswer Show(QWidget* owner, const MessageRequest& request) = 0;
};

// The real boxes, drawn by Qt.
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer Show(QWidget* owner, const MessageRequest& request) override;
};

// The program's one instance of the real boxes.
MessageBoxes& SystemMessageBoxes();

} // namespace host
