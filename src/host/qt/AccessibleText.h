// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
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

// Presents every widget of the class `type` (exactly that class, not its subclasses) to
// assistive technology in `role`, with the widget's own name, description and states: a
// plain top-level widget is otherwise a pane where it is a window, and a drawn chart a
// nameless client area. Call it before the first widget of the class is read; calling it
// again for a class changes nothing.
void PresentAs(const QMetaObject& type, QAccessible::Role role);

} // namespace host
