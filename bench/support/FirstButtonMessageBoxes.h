// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/qt/MessageBoxes.h"

// Message boxes that never open: each is answered at once with its first button (OK or Yes),
// as a user pressing Enter would, so that a benchmark never waits on a modal box.
class FirstButtonMessageBoxes final : public host::MessageBoxes {
public:
    host::MessageAnswer Show(QWidget*, const host::MessageRequest& request) override {
        return request.buttons == host::MessageButtons::YesNo ? host::MessageAnswer::Yes : host::MessageAnswer::Ok;
    }
};
