// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedMessageBoxes.h"

namespace host {

MessageAnswer ScriptedMessageBoxes::Show(QWidget* owner, const MessageRequest& request) {
    (void)owner;
    requests_.push_back(request);
    if (whileOpen_) whileOpen_(request);
    const MessageAnswer fallback = request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    if (answers_.empty()) return fallback;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    // An OK box is answered OK, whatever answer the script holds for it.
    if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == MessageAnswer::No ? MessageAnswer::No : MessageAnswer::Yes;
}

} // namespace host
