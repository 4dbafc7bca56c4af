// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Figures.h"
#include "engine/KeptSitting.h"

#include <QAbstractTableModel>
#include <vector>

namespace history {

// A kept sitting's format as the History window names it: the sheet's title, or "Drill".
QString FormatTitle(const engine::SittingSummary& sitting);

// The kept sittings as a table, in the order given (newest first): when each ended, its
// format, how it ended, then its main scores: a column for each of the main figures where
// the sittings are of one format, else the main figures of each in one column. Read-only, and
// each cell is worded only when it is shown, so that ten thousand sittings open at once.
class SittingTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Ended, Format, End, FirstScore };

    explicit SittingTableModel(QObject* parent = nullptr);
    ~SittingTableModel() override;

    // `oneFormat`: the sittings are all of one format, whose main figures get a column each.
    void setSittings(std::vector<engine::SittingSummary> sittings, bool oneFormat);
    const std::vector<engine::SittingSummary>& sittings() const { return sittings_; }
    const engine::SittingSummary& sitting(int row) const { return sittings_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const engine::SittingSummary& sitting, int column) const;
    QString Heading(int column) const;

    std::vector<engine::SittingSummary> sittings_;
    // The figures with a column of their own; none where the sittings' formats differ.
    std::vector<engine::FigureKey> figureColumns_;
};

} // namespace history
