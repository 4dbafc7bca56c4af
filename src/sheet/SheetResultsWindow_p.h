// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace sheet {

// The brief results window: a top-level window that assistive technology sees as one.
class SheetResultsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SheetResultsWindow(QWidget* parent);
};

} // namespace sheet
