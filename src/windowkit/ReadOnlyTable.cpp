// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowkit/ReadOnlyTable.h"

#include "host/qt/AccessibleText.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

namespace windowkit {

QTableWidget* MakeReadOnlyTable(QWidget* parent, const char* name, const QString& accessibleName,
                                const QString& description, int rows, int columns) {
    auto* table = new QTableWidget(rows, columns, parent);
    table->setObjectName(QLatin1String(name));
    host::SetAccessibleText(table, accessibleName, description);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    return table;
}

QTableWidgetItem* MakeReadOnlyCell(const QString& text, const QString& toolTip) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (!toolTip.isEmpty()) item->setToolTip(toolTip);
    return item;
}

QString SpokenFigure(const QString& name, const QString& figure) {
    //: What a screen reader reads for a figure of a table: the row's name, then its figure.
    return QCoreApplication::translate("windowkit::ReadOnlyTable", "%1: %2").arg(name, figure);
}

} // namespace windowkit
