// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/ExaminerView.h"

#include <QLabel>
#include <QVBoxLayout>

namespace sheet {
namespace {

// Calm: a pale grey-blue page, dark slate text, the call in a quiet blue rather than an alarm's red.
const QColor kPage(0xF2, 0xF4, 0xF7);
const QColor kText(0x2E, 0x3A, 0x46);
const QColor kCall(0x1F, 0x5A, 0x96);

QLabel* MakeLabel(QWidget* parent, const char* name, double grown, bool bold, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font = parent->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * grown);
    else
        font.setPixelSize(static_cast<int>(font.pixelSize() * grown));
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

ExaminerView::ExaminerView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, kPage);
    setPalette(page);
    lblWhere = MakeLabel(this, "lblWhere", 2.6, false, kText);
    lblExamCall = MakeLabel(this, "lblExamCall", 4.0, true, kCall);
    lblBreakLeft = MakeLabel(this, "lblBreakLeft", 2.2, false, kText);
    lblTimeLeft = MakeLabel(this, "lblTimeLeft", 1.8, false, kText);
    lblNotice = MakeLabel(this, "lblNotice", 1.0, false, kText);
    // The call keeps its room while none stands, so that nothing moves when one comes.
    lblExamCall->setMinimumHeight(lblExamCall->fontMetrics().height() * 3 / 2);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(lblWhere);
    layout->addWidget(lblExamCall);
    layout->addWidget(lblBreakLeft);
    layout->addStretch(1);
    layout->addWidget(lblTimeLeft);
    layout->addStretch(2);
    layout->addWidget(lblNotice);
}

void ExaminerView::SetText(QLabel* label, const QString& text) {
    if (label->text() == text) return;
    label->setText(text);
}

void ExaminerView::setWhere(const QString& text) { SetText(lblWhere, text); }
void ExaminerView::setCall(const QString& text) { SetText(lblExamCall, text); }
void ExaminerView::setBreakLeft(const QString& text) { SetText(lblBreakLeft, text); }
void ExaminerView::setTimeLeft(const QString& text) { SetText(lblTimeLeft, text); }
void ExaminerView::setNotice(const QString& text) { SetText(lblNotice, text); }

} // namespace sheet
