// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetresults/MarksView.h"

#include "charts/PeriodCurvePainter.h"
#include "windowkit/ReadOnlyTable.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace sheetresults {

namespace {

// A mark's reference, the lines after its first in a row's text.
constexpr int kReferenceRole = Qt::UserRole + 1;
// Around a row's text, as the table's own cells keep it.
constexpr int kPadding = 3;
const QColor kReferenceColour(0x5A, 0x5A, 0x5A);
const QColor kHeadingColour(0xEE, 0xEE, 0xEE);

// Draws a mark's row: its verdict, then its reference in grey, each wrapped to the column.
class MarkDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString reference = index.data(kReferenceRole).toString();
        if (reference.isEmpty()) return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text.left(item.text.size() - reference.size() - 1);
        item.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);
        const bool selected = item.state.testFlag(QStyle::State_Selected);
        const QRect box = item.rect.adjusted(kPadding, kPadding, -kPadding, -kPadding);
        const QRect first = item.fontMetrics.boundingRect(box, Qt::TextWordWrap, text);
        painter->save();
        painter->setFont(item.font);
        painter->setPen(selected ? item.palette.color(QPalette::HighlightedText)
                        : index.data(Qt::ForegroundRole).value<QColor>().isValid()
                            ? index.data(Qt::ForegroundRole).value<QColor>()
                            : item.palette.color(QPalette::Text));
        painter->drawText(box, Qt::TextWordWrap, text);
        painter->setPen(selected ? item.palette.color(QPalette::HighlightedText) : kReferenceColour);
        painter->drawText(box.adjusted(0, first.height(), 0, 0), Qt::TextWordWrap, reference);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        // The table gives the column's width where it wraps its rows.
        const QRect box(0, 0, std::max(1, option.rect.width() - 2 * kPadding), 1 << 20);
        const QRect text = item.fontMetrics.boundingRect(box, Qt::TextWordWrap, item.text);
        return {option.rect.width(), text.height() + 2 * kPadding};
    }
};

} // namespace

MarksView::MarksView(QWidget* parent) : QWidget(parent) {
    lblNoVerdict = new QLabel(this);
    lblNoVerdict->setObjectName(QStringLiteral("lblNoVerdict"));
    lblNoVerdict->setWordWrap(true);
    lblNoVerdict->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblNoVerdict->hide();

    grdMarks = windowkit::MakeReadOnlyTable(
        this, "grdMarks", tr("Marks"),
        tr("Where this sitting stands against the marks published for its test, one a row with its verdict, its "
           "lines and its sources; the Up and Down keys move through them, and the curve frames the chosen one's "
           "lines"));
    grdMarks->setColumnCount(1);
    grdMarks->horizontalHeader()->hide();
    grdMarks->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // A mark and its reference take the lines they need at the width the window gives them.
    grdMarks->setWordWrap(true);
    grdMarks->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdMarks->setItemDelegate(new MarkDelegate(grdMarks));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(lblNoVerdict);
    layout->addWidget(grdMarks, 1);
    layout->addStretch();
    setFocusProxy(grdMarks);

    connect(grdMarks, &QTableWidget::itemSelectionChanged, this, &MarksView::RowChosen);
}

MarksView::~MarksView() = default;

void MarksView::setSitting(const engine::SheetFormat& format, const engine::SheetScores& scores,
                           const MarkFiles& files) {
    marks_ = MarkRows(format, scores, files);
    lblNoVerdict->setText(marks_.noVerdict);
    lblNoVerdict->setAccessibleName(marks_.noVerdict);
    lblNoVerdict->setVisible(!marks_.noVerdict.isEmpty());

    curve_ = {};
    const QSignalBlocker quiet(grdMarks);
    grdMarks->clearContents();
    grdMarks->setRowCount(static_cast<int>(marks_.rows.size()));
    for (std::size_t index = 0; index < marks_.rows.size(); ++index) {
        const MarkRow& row = marks_.rows[index];
        const QString text = row.reference.isEmpty() ? row.text : row.text + u'\n' + row.reference;
        QTableWidgetItem* item = windowkit::MakeReadOnlyCell(text, row.sources);
        item->setData(kReferenceRole, row.reference);
        if (!row.sources.isEmpty()) item->setData(Qt::AccessibleDescriptionRole, row.sources);
        if (row.kind == MarkRow::Kind::Heading) {
            QFont bold = grdMarks->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setBackground(kHeadingColour);
        }
        // In the colour of the curve's flags.
        if (row.missed) item->setForeground(charts::ChartMarks::kColour);
        grdMarks->setItem(static_cast<int>(index), 0, item);
        curve_.shown = curve_.shown || !row.places.empty();
        if (row.missed && !row.places.empty()) {
            curve_.missed.insert(curve_.missed.end(), row.places.begin(), row.places.end());
            curve_.missedTexts << row.text;
        }
    }
    grdMarks->setVisible(!marks_.rows.empty());
    emit curveMarksChanged(curve_);
}

void MarksView::RowChosen() {
    curve_.chosen.clear();
    curve_.chosenText.clear();
    const QModelIndexList chosen = grdMarks->selectionModel()->selectedRows();
    if (!chosen.isEmpty()) {
        const MarkRow& row = marks_.rows[static_cast<std::size_t>(chosen.front().row())];
        curve_.chosen = row.places;
        if (!row.places.empty()) curve_.chosenText = row.text;
    }
    emit curveMarksChanged(curve_);
}

} // namespace sheetresults
