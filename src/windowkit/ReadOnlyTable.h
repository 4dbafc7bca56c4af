// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace windowkit {

// A table of figures the user reads and does not edit, `rows` by `columns` to begin with,
// named `name`, with the name and description screen readers get: whole rows selected one at
// a time, no grid, no row headings, one line of the font a row, text not wrapped; Tab moves
// on to the next control and the arrow keys move within the table.
QTableWidget* MakeReadOnlyTable(QWidget* parent, const char* name, const QString& accessibleName,
                                const QString& description, int rows = 0, int columns = 0);

// A cell of such a table: selectable, not editable, with `toolTip` where there is one.
QTableWidgetItem* MakeReadOnlyCell(const QString& text, const QString& toolTip = {});

// What a screen reader reads for a figure of a table, so that it makes sense alone: the
// row's name, then its figure ("Speed: 41.5 a minute").
QString SpokenFigure(const QString& name, const QString& figure);

} // namespace windowkit
