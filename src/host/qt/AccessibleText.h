// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

namespace host {

// What assistive technology says of a control besides what the control shows: a name and,
// where it helps, a description of what the control takes or does. The control's own text
// (a caption, a label's text) is left as it is.
inline void SetAccessibleText(QWidget* control, const QString& name, const QString& description = {}) {
    control->setAccessibleName(name);
    if (!description.isEmpty()) control->setAccessibleDescription(description);
}

} // namespace host
