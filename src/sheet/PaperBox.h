// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/PaperLayout.h"
#include "engine/SheetFormat.h"

#include <QGroupBox>
#include <cstdint>
#include <functional>
#include <optional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace host {
class FileDialogs;
class MessageBoxes;
} // namespace host

namespace sheet {

struct PaperSheet;

// The sheet a window has chosen: its format and seed, or why they are refused.
struct ChosenSheet {
    engine::SheetFormat format;
    std::uint64_t seed = 0;
};
using SheetChooser = std::function<std::optional<ChosenSheet>(engine::FormatError& error)>;

// What the box needs from outside itself; each has the program's own when not given.
struct PaperServices {
    host::MessageBoxes* messages = nullptr;
    host::FileDialogs* files = nullptr;
    // Whether a printer is installed: Qt's list of the system's printers.
    std::function<bool()> printerInstalled;
};

// "Print and PDF" in the Exam sheets window: the paper, its orientation, the digit size, the
// answer key and curve grid pages, and the commands Print… (the preview, from which the
// platform's print dialog prints; also Ctrl+P anywhere in `window`) and Save as PDF…, which
// act on the sheet `chooser` gives. A refused value or a failure is told in a message box.
class PaperBox final : public QGroupBox {
    Q_OBJECT
public:
    PaperBox(QWidget* window, SheetChooser chooser, PaperServices services, QWidget* parent);

    // The options as set, or the digit size's refusal.
    std::optional<engine::PaperOptions> Options(engine::FormatError& error) const;
    // The chosen sheet laid out as the options say; a refusal is told and gives none.
    std::optional<PaperSheet> ChosenPaper();

    void cmdPrint_Click();
    void cmdSavePdf_Click();

private:
    void Tell(const QString& text);

    QWidget* window_;
    SheetChooser chooser_;
    PaperServices services_;
    QComboBox* cboPaper = nullptr;
    QComboBox* cboOrientation = nullptr;
    QLineEdit* txtDigitSize = nullptr;
    QCheckBox* chkAnswerKey = nullptr;
    QCheckBox* chkCurveGrid = nullptr;
    QAbstractButton* cmdPrint = nullptr;
    QAbstractButton* cmdSavePdf = nullptr;
};

} // namespace sheet
