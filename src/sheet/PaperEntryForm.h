// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/PaperSitting.h"
#include "engine/Sheet.h"
#include "engine/SheetFormat.h"

#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QScrollArea;

namespace sheet {

// A paper sitting's refusal in the user's language: "Column 4, last pair reached: must be 0
// to 26, not 30".
QString PaperErrorText(const engine::SheetFormat& format, const engine::PaperError& error);

// The form a sheet worked on paper is entered with: a row per column or line (Pauli: per
// period between two strokes) with where the work ended, and the pairs written wrong or left
// blank, by their numbers or only how many. "Show results" checks every value against the
// sheet (engine::MakePaperRecord) and hands on the record; a value that contradicts the sheet
// is named, its field takes the focus, and nothing is handed on. Enter shows the results, Esc
// goes back.
class PaperEntryForm final : public QWidget {
    Q_OBJECT
public:
    explicit PaperEntryForm(QWidget* parent = nullptr);

    // A blank form for `sheet` (of `format`, made from `seed`), ended as `end` says: the rows
    // of columns, lines or periods begun after a stop are shut.
    void Begin(const engine::SheetFormat& format, const engine::Sheet& sheet, std::uint64_t seed,
               const engine::PaperEnd& end);
    const engine::SheetFormat& format() const { return format_; }
    std::uint64_t seed() const { return seed_; }

    // Reads and checks the form: the record, or none with the refusal shown.
    std::optional<engine::PaperRecord> Read();

    void cmdShowPaper_Click();

signals:
    // A checked record, for the results.
    void entered(const engine::PaperRecord& record);
    // Back to choosing a sheet; nothing is kept.
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Row {
        QLineEdit* end = nullptr;
        QLineEdit* wrong = nullptr;
        QLineEdit* skipped = nullptr;
    };

    void BuildRows();
    void ShowDetail();
    void Refuse(const engine::PaperError& error);
    QLineEdit* FieldOf(const engine::PaperError& error) const;

    engine::SheetFormat format_;
    engine::Sheet sheet_;
    std::uint64_t seed_ = 0;
    engine::PaperEnd end_;
    std::vector<Row> rows_;

    QLabel* lblPaperTitle = nullptr;
    QLabel* lblPaperHelp = nullptr;
    QComboBox* cboDetail = nullptr;
    QScrollArea* scrRows = nullptr;
    QWidget* rowsPage_ = nullptr;
    QLabel* lblPaperError = nullptr;
    QAbstractButton* cmdShowPaper = nullptr;
    QAbstractButton* cmdBackPaper = nullptr;
};

} // namespace sheet
