// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/SittingTable.h"

#include "charts/FigureText.h"
#include "keeping/HistoryText.h"
#include "keeping/Standing.h"
#include "sheetresults/ScoreText.h"
#include "windowkit/ReadOnlyTable.h"

#include <QCoreApplication>
#include <QStringList>
#include <set>

namespace history {

namespace {

// How many main figures a row shows in the one column of scores.
constexpr std::size_t kScoresInOneColumn = 3;

std::vector<engine::FigureKey> KeysOf(const engine::Figures& figures) {
    std::vector<engine::FigureKey> keys;
    for (const engine::Figure& figure : figures.items) keys.push_back(figure.key);
    return keys;
}

} // namespace

QString FormatTitle(const engine::SittingSummary& sitting) {
    if (sitting.kind == engine::SittingKind::Drill)
        return QCoreApplication::translate(engine::wording::kDrillTitle.context, engine::wording::kDrillTitle.english);
    return sheetresults::SheetTitle(sitting.format);
}

SittingTableModel::SittingTableModel(QObject* parent) : QAbstractTableModel(parent) {}

SittingTableModel::~SittingTableModel() = default;

void SittingTableModel::setSittings(std::vector<engine::SittingSummary> sittings, bool oneFormat) {
    beginResetModel();
    sittings_ = std::move(sittings);
    figureColumns_.clear();
    if (oneFormat) {
        std::set<engine::FigureKey> present;
        for (const engine::SittingSummary& sitting : sittings_)
            for (const engine::Figure& figure : sitting.figures.items) present.insert(figure.key);
        const std::vector<engine::FigureKey> keys(present.begin(), present.end());
        figureColumns_ = keeping::MainFigures(keys);
    }
    endResetModel();
}

int SittingTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(sittings_.size());
}

int SittingTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return FirstScore + (figureColumns_.empty() ? 1 : static_cast<int>(figureColumns_.size()));
}

QString SittingTableModel::Heading(int column) const {
    switch (column) {
    //: A heading of the table of kept sittings: when each ended.
    case Ended: return tr("Ended");
    case Format: return tr("Format");
    //: How each sitting ended: time up, stopped, worked through.
    case End: return tr("How it ended");
    default: break;
    }
    if (figureColumns_.empty()) return tr("Main scores");
    return keeping::FigureTitle(figureColumns_[static_cast<std::size_t>(column - FirstScore)]);
}

QString SittingTableModel::Text(const engine::SittingSummary& sitting, int column) const {
    switch (column) {
    case Ended: return keeping::SittingTimeText(sitting.endedAt);
    case Format: return FormatTitle(sitting);
    case End: return keeping::EndText(sitting.end);
    default: break;
    }
    if (!figureColumns_.empty()) {
        const engine::FigureKey key = figureColumns_[static_cast<std::size_t>(column - FirstScore)];
        const std::optional<double> value = sitting.figures.get(key);
        return value ? keeping::FigureValue(key, *value) : charts::NoFigure();
    }
    QStringList scores;
    for (const engine::FigureKey key : keeping::MainFigures(KeysOf(sitting.figures))) {
        if (static_cast<std::size_t>(scores.size()) == kScoresInOneColumn) break;
        //: A score in the table's one column of scores: its name, then its value.
        scores << tr("%1 %2").arg(keeping::FigureTitle(key), keeping::FigureValue(key, *sitting.figures.get(key)));
    }
    //: Between the scores in the table's one column of scores.
    return scores.join(tr("; "));
}

QVariant SittingTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const engine::SittingSummary& sitting = sittings_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole: return Text(sitting, index.column());
    case Qt::ToolTipRole:
        return index.column() >= FirstScore && figureColumns_.empty() ? Text(sitting, index.column()) : QVariant();
    case Qt::AccessibleTextRole: return windowkit::SpokenFigure(Heading(index.column()), Text(sitting, index.column()));
    case Qt::TextAlignmentRole:
        if (index.column() >= FirstScore && !figureColumns_.empty())
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant SittingTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return Heading(section);
    return {};
}

} // namespace history
