// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/PaperEntryForm.h"

#include "host/qt/AccessibleText.h"
#include "sheetresults/ScoreText.h"
#include "windowkit/StoredForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>
#include <utility>

// The window description is a resource of an object library; registering it by hand keeps
// it whichever way the program is linked.
static void RegisterEntryButtons() { Q_INIT_RESOURCE(sheet_window_forms); }

namespace sheet {
namespace {

constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("sheet::PaperEntryForm", "Show &results"),
    QT_TRANSLATE_NOOP("sheet::PaperEntryForm", "&Back"),
};

QAbstractButton* MakeButton(QWidget* parent, const char* name, const QString& toolTip) {
    static const windowkit::StoredForm form(RegisterEntryButtons, ":/forms/frmSheet.twd", "sheet::PaperEntryForm",
                                            kCaptions);
    return form.MakeButton(parent, name, toolTip);
}

enum class Detail { Pairs = 0, Counts = 1 };

// A row's name: "Column 3", "Line 3", "Period 3".
QString RowName(const engine::SheetFormat& format, std::size_t row) {
    if (!format.cued()) return PaperEntryForm::tr("Period %1").arg(row + 1);
    return (format.order == engine::WorkOrder::LeftToRight ? PaperEntryForm::tr("Line %1")
                                                           : PaperEntryForm::tr("Column %1"))
        .arg(row + 1);
}

// The fields' names: the headings of the form's columns and what a refusal names.
QString EndName(const engine::SheetFormat& format) {
    return format.cued() ? PaperEntryForm::tr("last pair reached") : PaperEntryForm::tr("stroke after");
}
QString WrongName() { return PaperEntryForm::tr("wrong pairs"); }
QString SkippedName() { return PaperEntryForm::tr("blank pairs"); }

QString Capitalised(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString PaperErrorText(const engine::SheetFormat& format, const engine::PaperError& error) {
    using Problem = engine::PaperError::Problem;
    const QString value = QString::fromStdString(error.value);
    QString what;
    switch (error.problem) {
    case Problem::None: return {};
    case Problem::RowCount:
        return PaperEntryForm::tr("The entry has %1 rows; the sheet has %2.").arg(value).arg(error.high);
    case Problem::Missing:
        what = format.cued() ? PaperEntryForm::tr("must be filled in (0 for none)")
                             : PaperEntryForm::tr("must be filled in");
        break;
    case Problem::NotANumber: what = PaperEntryForm::tr("must be a whole number, not \"%1\"").arg(value); break;
    case Problem::NotAPlace:
        what = PaperEntryForm::tr("must be a column and a pair, as 12/30, not \"%1\"").arg(value);
        break;
    case Problem::OutOfRange:
        what = (format.cued() && error.field == engine::PaperError::Field::End
                    ? PaperEntryForm::tr("must be %1 to %2, not %3")
                    : PaperEntryForm::tr("the pair must be %1 to %2, not %3"))
                   .arg(error.low)
                   .arg(error.high)
                   .arg(value);
        break;
    case Problem::ColumnOutOfRange:
        what = PaperEntryForm::tr("the column must be %1 to %2, not %3").arg(error.low).arg(error.high).arg(value);
        break;
    case Problem::BeyondEnd: what = PaperEntryForm::tr("pair %1 is beyond the last pair reached").arg(value); break;
    case Problem::BeforePreviousStroke:
        what = PaperEntryForm::tr("the stroke at %1 stands before the one of the period before").arg(value);
        break;
    case Problem::OutsidePeriod:
        what = PaperEntryForm::tr("pair %1 lies before this period's first pair").arg(value);
        break;
    case Problem::Twice: what = PaperEntryForm::tr("pair %1 is named twice, or both wrong and blank").arg(value); break;
    case Problem::TooMany:
        what = PaperEntryForm::tr("wrong and blank pairs are %1, more than the %2 pairs reached")
                   .arg(value)
                   .arg(error.high);
        break;
    case Problem::NotBegun:
        what = PaperEntryForm::tr("the sitting was stopped before it began; it must be empty");
        break;
    }
    const QString field = error.field == engine::PaperError::Field::End     ? EndName(format)
                          : error.field == engine::PaperError::Field::Wrong ? WrongName()
                                                                            : SkippedName();
    //: A refusal: "Column 4, last pair reached: must be 0 to 26, not 30".
    return PaperEntryForm::tr("%1, %2: %3").arg(RowName(format, error.row), field, what);
}

PaperEntryForm::PaperEntryForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmPaperEntry"));
    lblPaperTitle = new QLabel(this);
    lblPaperTitle->setObjectName(QStringLiteral("lblPaperTitle"));
    QFont bold = font();
    bold.setBold(true);
    lblPaperTitle->setFont(bold);
    lblPaperHelp = new QLabel(this);
    lblPaperHelp->setObjectName(QStringLiteral("lblPaperHelp"));
    lblPaperHelp->setWordWrap(true);
    cboDetail = new QComboBox(this);
    cboDetail->setObjectName(QStringLiteral("cboDetail"));
    cboDetail->addItem(tr("their numbers (3, 17)"), static_cast<int>(Detail::Pairs));
    cboDetail->addItem(tr("only how many"), static_cast<int>(Detail::Counts));
    auto* detailLabel = new QLabel(tr("&Wrong and blank pairs as:"), this);
    detailLabel->setBuddy(cboDetail);
    cboDetail->setToolTip(tr("Which pairs were wrong or left blank, or only how many of each"));

    scrRows = new QScrollArea(this);
    scrRows->setObjectName(QStringLiteral("scrRows"));
    scrRows->setWidgetResizable(true);
    lblPaperError = new QLabel(this);
    lblPaperError->setObjectName(QStringLiteral("lblPaperError"));
    lblPaperError->setWordWrap(true);
    QPalette alarm = lblPaperError->palette();
    alarm.setColor(QPalette::WindowText, QColor(0xB0, 0x10, 0x10));
    lblPaperError->setPalette(alarm);
    cmdShowPaper = MakeButton(this, "cmdShowPaper",
                              tr("Checks every value against the sheet and shows the results "
                                 "(Enter)"));
    cmdBackPaper = MakeButton(this, "cmdBackPaper", tr("Back to choosing a sheet; nothing is kept (Esc)"));
    host::SetAccessibleText(cmdShowPaper, tr("Show results"), cmdShowPaper->toolTip());
    host::SetAccessibleText(cmdBackPaper, tr("Back"), cmdBackPaper->toolTip());

    auto* detail = new QHBoxLayout;
    detail->addWidget(detailLabel);
    detail->addWidget(cboDetail);
    detail->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblPaperError, 1);
    buttons->addWidget(cmdShowPaper);
    buttons->addWidget(cmdBackPaper);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblPaperTitle);
    layout->addLayout(detail);
    layout->addWidget(scrRows, 1);
    layout->addLayout(buttons);

    connect(cboDetail, &QComboBox::currentIndexChanged, this, &PaperEntryForm::ShowDetail);
    connect(cmdShowPaper, &QAbstractButton::clicked, this, &PaperEntryForm::cmdShowPaper_Click);
    connect(cmdBackPaper, &QAbstractButton::clicked, this, &PaperEntryForm::cancelled);
}

void PaperEntryForm::Begin(const engine::SheetFormat& format, const engine::Sheet& sheet, std::uint64_t seed,
                           const engine::PaperEnd& end) {
    format_ = format;
    sheet_ = sheet;
    seed_ = seed;
    end_ = end;
    //: %1 is the sheet's title, %2 its seed.
    lblPaperTitle->setText(tr("%1, seed %2: what was done on paper").arg(sheetresults::SheetTitle(format)).arg(seed));
    cboDetail->setCurrentIndex(static_cast<int>(Detail::Pairs));
    lblPaperError->clear();
    BuildRows();
    ShowDetail();
    if (!rows_.empty()) rows_.front().end->setFocus();
}

void PaperEntryForm::BuildRows() {
    // The help above the rows scrolls with them: it reads whole at any height of the window.
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    lblPaperHelp->setParent(page);
    lblPaperHelp->show();
    pageLayout->addWidget(lblPaperHelp);
    rowsPage_ = new QWidget(page);
    pageLayout->addWidget(rowsPage_, 1);
    auto* grid = new QGridLayout(rowsPage_);
    const bool cued = format_.cued();
    grid->addWidget(
        new QLabel(cued ? (format_.order == engine::WorkOrder::LeftToRight ? tr("Line") : tr("Column")) : tr("Period"),
                   rowsPage_),
        0, 0);
    grid->addWidget(new QLabel(Capitalised(EndName(format_)), rowsPage_), 0, 1);
    grid->addWidget(new QLabel(Capitalised(WrongName()), rowsPage_), 0, 2);
    grid->addWidget(new QLabel(Capitalised(SkippedName()), rowsPage_), 0, 3);
    rows_.clear();
    const std::uint32_t count = engine::PaperRowCount(format_);
    const std::uint64_t elapsed = std::min(end_.elapsedMs.value_or(format_.durationMs()), format_.durationMs());
    for (std::uint32_t index = 0; index < count; ++index) {
        const QString name = RowName(format_, index);
        auto* label = new QLabel(name, rowsPage_);
        const auto makeField = [&](const char* prefix, const QString& field, int width) {
            auto* edit = new QLineEdit(rowsPage_);
            edit->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(index + 1));
            edit->setMinimumWidth(width);
            //: A field's name for screen readers: "Column 3, last pair reached".
            edit->setAccessibleName(tr("%1, %2").arg(name, field));
            return edit;
        };
        const int narrow = fontMetrics().horizontalAdvance(QStringLiteral("000/000")) + 16;
        Row row{makeField("txtEnd", EndName(format_), narrow), makeField("txtWrong", WrongName(), narrow * 2),
                makeField("txtSkipped", SkippedName(), narrow * 2)};
        // Nothing was done in a column, line or period begun after a stop.
        const std::uint64_t startMs =
            cued ? format_.unitStartMs(index) : std::uint64_t{index} * format_.strokeSeconds * 1000;
        if (elapsed <= startMs) {
            for (QLineEdit* edit : {row.end, row.wrong, row.skipped}) edit->setEnabled(false);
            if (cued) row.end->setText(QStringLiteral("0"));
        }
        grid->addWidget(label, static_cast<int>(index) + 1, 0);
        grid->addWidget(row.end, static_cast<int>(index) + 1, 1);
        grid->addWidget(row.wrong, static_cast<int>(index) + 1, 2);
        grid->addWidget(row.skipped, static_cast<int>(index) + 1, 3);
        rows_.push_back(row);
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(static_cast<int>(count) + 1, 1);
    // The old page goes, the help kept.
    scrRows->setWidget(page);
}

void PaperEntryForm::ShowDetail() {
    const bool counts = cboDetail->currentData().toInt() == static_cast<int>(Detail::Counts);
    QString help;
    if (format_.cued()) {
        help = format_.order == engine::WorkOrder::BottomUp
                   ? tr("For each column, the last pair reached, counted from the bottom (0 for none).")
                   : (format_.order == engine::WorkOrder::TopDown
                          ? tr("For each column, the last pair reached, counted from the top (0 for none).")
                          : tr("For each line, the last pair reached, counted from the left (0 for none)."));
    } else {
        help = tr("For each period, where its stroke was drawn: after the pair of the column, as 12/30 (column 12, "
                  "pair 30 from the top); the last period's at the end of the time.");
    }
    help += QLatin1Char(' ');
    if (counts)
        help += tr("Then how many pairs were written wrong and how many left blank.");
    else if (format_.cued())
        help += tr("Then the numbers of the pairs written wrong and left blank, such as 3, 17.");
    else
        help += tr("Then the pairs written wrong and left blank, each as column/pair, such as 12/3, 12/17.");
    lblPaperHelp->setText(help);
}

std::optional<engine::PaperRecord> PaperEntryForm::Read() {
    using Field = engine::PaperError::Field;
    const bool counts = cboDetail->currentData().toInt() == static_cast<int>(Detail::Counts);
    engine::PaperEntry entry;
    entry.detail = counts ? engine::PaperEntry::Detail::Counts : engine::PaperEntry::Detail::Pairs;
    engine::PaperError error;
    const auto fail = [&](std::size_t row, Field field) {
        error.row = row;
        error.field = field;
        Refuse(error);
        return std::nullopt;
    };
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        const Row& fields = rows_[index];
        engine::PaperRow row;
        // A period begun after the stop holds no work: its stroke stands where the one before does.
        if (!format_.cued() && !fields.end->isEnabled()) {
            row.end = index > 0 ? entry.rows.back().end : engine::PaperPlace{1, 0};
            entry.rows.push_back(std::move(row));
            continue;
        }
        const std::string end = fields.end->text().trimmed().toStdString();
        if (end.empty()) {
            error.problem = engine::PaperError::Problem::Missing;
            error.value.clear();
            return fail(index, Field::End);
        }
        if (format_.cued()) {
            const auto pair = engine::ParsePaperNumber(end, 0, error);
            if (!pair) return fail(index, Field::End);
            row.end = {static_cast<std::uint32_t>(index) + 1, *pair};
        } else {
            const auto place = engine::ParsePaperPlace(end, error);
            if (!place) return fail(index, Field::End);
            row.end = *place;
        }
        const std::uint32_t unit = format_.cued() ? static_cast<std::uint32_t>(index) + 1 : 0;
        const std::string wrong = fields.wrong->text().toStdString();
        const std::string skipped = fields.skipped->text().toStdString();
        if (counts) {
            const auto wrongCount = engine::ParsePaperNumber(wrong, 0, error);
            if (!wrongCount) return fail(index, Field::Wrong);
            const auto skippedCount = engine::ParsePaperNumber(skipped, 0, error);
            if (!skippedCount) return fail(index, Field::Skipped);
            row.wrongCount = *wrongCount;
            row.skippedCount = *skippedCount;
        } else {
            auto wrongPlaces = engine::ParsePaperPlaces(wrong, unit, error);
            if (!wrongPlaces) return fail(index, Field::Wrong);
            auto skippedPlaces = engine::ParsePaperPlaces(skipped, unit, error);
            if (!skippedPlaces) return fail(index, Field::Skipped);
            row.wrong = std::move(*wrongPlaces);
            row.skipped = std::move(*skippedPlaces);
        }
        entry.rows.push_back(std::move(row));
    }
    auto record = engine::MakePaperRecord(format_, sheet_, entry, end_, error);
    if (!record) {
        Refuse(error);
        return std::nullopt;
    }
    lblPaperError->clear();
    return record;
}

void PaperEntryForm::cmdShowPaper_Click() {
    auto record = Read();
    if (record) emit entered(*record);
}

void PaperEntryForm::Refuse(const engine::PaperError& error) {
    lblPaperError->setText(Capitalised(PaperErrorText(format_, error)));
    // The field at fault takes the focus, its text selected to be typed over.
    if (QLineEdit* field = FieldOf(error)) {
        field->setFocus();
        field->selectAll();
        scrRows->ensureWidgetVisible(field);
    }
    QAccessibleEvent alert(lblPaperError, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QLineEdit* PaperEntryForm::FieldOf(const engine::PaperError& error) const {
    if (error.row >= rows_.size()) return nullptr;
    const Row& row = rows_[error.row];
    switch (error.field) {
    case engine::PaperError::Field::End: return row.end;
    case engine::PaperError::Field::Wrong: return row.wrong;
    case engine::PaperError::Field::Skipped: return row.skipped;
    case engine::PaperError::Field::None: break;
    }
    return nullptr;
}

void PaperEntryForm::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            cmdShowPaper_Click();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            emit cancelled();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace sheet
