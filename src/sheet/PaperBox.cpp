// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/PaperBox.h"

#include "host/qt/AccessibleText.h"
#include "host/qt/FileDialogs.h"
#include "host/qt/MessageBoxes.h"
#include "host/qt/MouseMoves.h"
#include "host/qt/WindowLayout.h"
#include "host/qt/WindowShortcut.h"
#include "sheet/FormatErrorText.h"
#include "sheet/PaperPrint.h"
#include "sheetresults/ScoreText.h"
#include "windowkit/CsvFile.h"
#include "windowkit/StoredForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

// The window description is a resource of an object library; registering it by hand keeps
// it whichever way the program is linked.
static void RegisterPaperButtons() { Q_INIT_RESOURCE(sheet_window_forms); }

namespace sheet {
namespace {

constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("sheet::PaperBox", "P&rint…"),
    QT_TRANSLATE_NOOP("sheet::PaperBox", "Save &as PDF…"),
};

QAbstractButton* MakeButton(QWidget* parent, const char* name) {
    static const windowkit::StoredForm form(RegisterPaperButtons, ":/forms/frmSheet.twd", "sheet::PaperBox", kCaptions);
    return form.MakeButton(parent, name, QString());
}

bool SystemHasPrinter() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

// "tavrendale-pauli-7.pdf", "tavrendale-uchida-practice-12.pdf".
QString PdfFileName(const engine::SheetFormat& format, std::uint64_t seed) {
    const QString name =
        QString::fromStdString(format.name) + (format.practice ? QStringLiteral("-practice") : QString());
    return QStringLiteral("tavrendale-%1-%2.pdf").arg(name).arg(seed);
}

} // namespace

PaperBox::PaperBox(QWidget* window, SheetChooser chooser, PaperServices services, QWidget* parent)
    : QGroupBox(tr("Print and PDF"), parent), window_(window), chooser_(std::move(chooser)),
      services_(std::move(services)) {
    if (!services_.messages) services_.messages = &host::SystemMessageBoxes();
    if (!services_.files) services_.files = &host::SystemFileDialogs();
    if (!services_.printerInstalled) services_.printerInstalled = SystemHasPrinter;
    setObjectName(QStringLiteral("fraPaper"));

    cboPaper = new QComboBox(this);
    cboPaper->setObjectName(QStringLiteral("cboPaper"));
    cboPaper->addItem(tr("A4"), static_cast<int>(engine::PaperSize::A4));
    cboPaper->addItem(tr("A3"), static_cast<int>(engine::PaperSize::A3));
    cboPaper->addItem(tr("Letter"), static_cast<int>(engine::PaperSize::Letter));
    cboOrientation = new QComboBox(this);
    cboOrientation->setObjectName(QStringLiteral("cboOrientation"));
    cboOrientation->addItem(tr("As the form"), -1);
    cboOrientation->addItem(tr("Portrait"), static_cast<int>(engine::PaperOrientation::Portrait));
    cboOrientation->addItem(tr("Landscape"), static_cast<int>(engine::PaperOrientation::Landscape));
    txtDigitSize = new QLineEdit(this);
    txtDigitSize->setObjectName(QStringLiteral("txtDigitSize"));
    txtDigitSize->setMaximumWidth(80);
    //: Shown in the empty digit size field: the form's own size is used.
    txtDigitSize->setPlaceholderText(tr("as the form"));
    chkAnswerKey = new QCheckBox(tr("Answer key pa&ge"), this);
    chkAnswerKey->setObjectName(QStringLiteral("chkAnswerKey"));
    chkAnswerKey->setToolTip(tr("The sheet's pages again with the answer of each pair, small, where it is written"));
    chkCurveGrid = new QCheckBox(tr("Cur&ve grid page"), this);
    chkCurveGrid->setObjectName(QStringLiteral("chkCurveGrid"));
    chkCurveGrid->setToolTip(tr("A blank grid to draw the work curve on by hand"));
    cmdPrint = MakeButton(this, "cmdPrintSheet");
    cmdPrint->setToolTip(tr("Shows the pages as they print, then prints them (Ctrl+P)"));
    host::SetAccessibleText(cmdPrint, tr("Print"), tr("Shows the pages as they print, then prints them (Ctrl+P)"));
    cmdSavePdf = MakeButton(this, "cmdSavePdf");
    cmdSavePdf->setToolTip(tr("Writes the pages to a PDF file, to print elsewhere"));
    host::SetAccessibleText(cmdSavePdf, tr("Save as PDF"), tr("Writes the pages to a PDF file, to print elsewhere"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(
        host::MakeBuddyLabel(this, tr("Paper for&mat:"), cboPaper, tr("The paper the sheet is printed on")), 0, 0);
    layout->addWidget(cboPaper, 0, 1);
    layout->addWidget(
        host::MakeBuddyLabel(this, tr("Orientation:"), cboOrientation,
                             tr("As the form: Kraepelin's columns and Uchida-Kraepelin's lines across, Pauli's "
                                "columns upright")),
        0, 2);
    layout->addWidget(cboOrientation, 0, 3);
    layout->addWidget(
        host::MakeBuddyLabel(this, tr("Digit si&ze (pt):"), txtDigitSize,
                             tr("%1 to %2 points; empty: the form's size, smaller where the page needs it")
                                 .arg(engine::PaperLimits::kMinDigitPoints)
                                 .arg(engine::PaperLimits::kMaxDigitPoints)),
        0, 4);
    layout->addWidget(txtDigitSize, 0, 5);
    layout->addWidget(chkAnswerKey, 1, 0, 1, 2);
    layout->addWidget(chkCurveGrid, 1, 2, 1, 2);
    layout->addWidget(cmdPrint, 1, 4);
    layout->addWidget(cmdSavePdf, 1, 5);
    layout->setColumnStretch(6, 1);

    connect(cmdPrint, &QAbstractButton::clicked, this, &PaperBox::cmdPrint_Click);
    connect(cmdSavePdf, &QAbstractButton::clicked, this, &PaperBox::cmdSavePdf_Click);
    // Ctrl+P wherever the focus is in the window, its text fields too, while the box is seen.
    auto* print = new host::WindowShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), window_);
    connect(print, &QShortcut::activated, this, [this] {
        if (isVisible()) cmdPrint_Click();
    });
}

std::optional<engine::PaperOptions> PaperBox::Options(engine::FormatError& error) const {
    engine::PaperOptions options;
    options.size = static_cast<engine::PaperSize>(cboPaper->currentData().toInt());
    const int orientation = cboOrientation->currentData().toInt();
    if (orientation >= 0) options.orientation = static_cast<engine::PaperOrientation>(orientation);
    const QString size = txtDigitSize->text().trimmed();
    if (!size.isEmpty()) {
        bool ok = false;
        const uint points = size.toUInt(&ok);
        if (!ok) {
            error.field = engine::FormatError::Field::DigitSize;
            error.problem = engine::FormatError::Problem::NotAWholeNumber;
            error.value = size.toStdString();
            error.message = "must be a whole number, not \"" + error.value + "\"";
            return std::nullopt;
        }
        options.digitPoints = points;
    }
    options.answerKey = chkAnswerKey->isChecked();
    options.curveGrid = chkCurveGrid->isChecked();
    return options;
}

std::optional<PaperSheet> PaperBox::ChosenPaper() {
    engine::FormatError error;
    std::optional<PaperSheet> paper;
    const std::optional<ChosenSheet> chosen = chooser_(error);
    std::optional<engine::PaperOptions> options;
    if (chosen) options = Options(error);
    if (options) paper = MakePaperSheet(chosen->format, chosen->seed, *options, error);
    if (paper) return paper;
    QString text = FormatErrorText(error);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    Tell(text);
    if (error.field == engine::FormatError::Field::DigitSize) {
        txtDigitSize->setFocus();
        txtDigitSize->selectAll();
    }
    return std::nullopt;
}

void PaperBox::Tell(const QString& text) {
    services_.messages->Show(
        window_, {text, QStringLiteral("Tavrendale"), host::MessageIcon::Warning, host::MessageButtons::Ok});
}

void PaperBox::cmdPrint_Click() {
    if (!services_.printerInstalled()) {
        Tell(tr("No printer is installed: Save as PDF… writes the sheet to a file to print elsewhere."));
        return;
    }
    const std::optional<PaperSheet> paper = ChosenPaper();
    if (!paper) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(PageLayoutOf(*paper));
    printer.setDocName(sheetresults::SheetTitle(paper->format));
    // The preview shows the pages; its Print button opens the platform's print dialog.
    QPrintPreviewDialog preview(&printer, window_);
    preview.setObjectName(QStringLiteral("dlgPrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&paper](QPrinter* device) { PaintPaper(*device, *paper); });
    preview.exec();
}

void PaperBox::cmdSavePdf_Click() {
    const std::optional<PaperSheet> paper = ChosenPaper();
    if (!paper) return;
    const QString path =
        services_.files->SaveFileName(window_, {tr("Save as PDF"),
                                                windowkit::SuggestedPath(PdfFileName(paper->format, paper->seed)),
                                                {tr("PDF files (*.pdf)"), tr("All files (*)")},
                                                QStringLiteral("pdf")});
    if (path.isEmpty()) return;
    if (const std::optional<QString> failure = WritePaperPdf(path, *paper)) {
        //: The file's path, then on a line of its own the system's reason.
        Tell(tr("The sheet could not be saved to \"%1\":\n%2").arg(QDir::toNativeSeparators(path), *failure));
    }
}

} // namespace sheet
