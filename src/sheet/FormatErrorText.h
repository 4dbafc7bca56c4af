// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace engine {
struct FormatError;
}

namespace sheet {

// What FormatError::Describe() says, in the language installed: "columns: must be 1 to 100,
// not 150". The field and the sentence come from the error's problem and values, not from
// its English message; an error without a problem falls back to that message.
QString FormatErrorText(const engine::FormatError& error);

} // namespace sheet
