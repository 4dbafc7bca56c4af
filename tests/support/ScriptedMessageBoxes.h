// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/qt/MessageBoxes.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace host {

// Message boxes answered from a script, for tests: every request is recorded, and the
// answers are taken in order. With the script empty a box is answered with its first
// button (OK or Yes), as a user pressing Enter would.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    // Runs while a box is "open", before it is answered: lets a test do what may happen
    // behind a modal box (timer ticks, for instance).
    using WhileOpen = std::function<void(const MessageRequest&)>;

    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    void SetWhileOpen(WhileOpen whileOpen) { whileOpen_ = std::move(whileOpen); }

    const std::vector<MessageRequest>& requests() const { return requests_; }
    void ClearRequests() { requests_.clear(); }

    MessageAnswer Show(QWidget* owner, const MessageRequest& request) override;

private:
    std::deque<MessageAnswer> answers_;
    std::vector<MessageRequest> requests_;
    WhileOpen whileOpen_;
};

} // namespace host
