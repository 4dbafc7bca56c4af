// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"
#include "sheetresults/MarkText.h"
#include "sheetresults/SittingCurveChart.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace sheetresults {

// The Marks part of the results window: where the sitting stands against the published
// marks of its test (MarkRows), a mark a row with its verdict, its lines, columns or periods
// and the reference to its sources, whose title, address and words are its tooltip and what
// screen readers are told of it. A sitting that gets no verdict says why in one line above
// the rows. Choosing a row (by the arrow keys or the mouse) frames that mark's lines on the
// curve: the view tells the curve where its marks sit by curveMarksChanged.
class MarksView final : public QWidget {
    Q_OBJECT
public:
    explicit MarksView(QWidget* parent = nullptr);
    ~MarksView() override;

    // Shows the marks of this sitting, against the files built into the program unless
    // `files` are given; no row is chosen.
    void setSitting(const engine::SheetFormat& format, const engine::SheetScores& scores,
                    const MarkFiles& files = BuiltInMarkFiles());
    const SittingMarks& marks() const { return marks_; }
    const CurveMarks& curveMarks() const { return curve_; }

signals:
    void curveMarksChanged(const sheetresults::CurveMarks& marks);

private:
    void RowChosen();

    QLabel* lblNoVerdict = nullptr;
    QTableWidget* grdMarks = nullptr;
    SittingMarks marks_;
    CurveMarks curve_;
};

} // namespace sheetresults
