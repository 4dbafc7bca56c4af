// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace sheet {

// The examiner mode's display, in place of the sheet while the user works a printed one: the
// column, line or period under way, the call, the break's countdown and the time left, large
// and calm, readable from a desk away. The setters store, return early when nothing changes
// and show what changed. It takes the focus, so that screen readers read what it says.
class ExaminerView final : public QWidget {
    Q_OBJECT
public:
    explicit ExaminerView(QWidget* parent = nullptr);

    // "Column 3 of 50"; during the break, the break.
    void setWhere(const QString& text);
    // The call while it stands; empty between calls.
    void setCall(const QString& text);
    // "Break – 4:32 left", or empty outside the break.
    void setBreakLeft(const QString& text);
    // "12:05 left", or empty where the time is hidden.
    void setTimeLeft(const QString& text);
    // The voice's one line, where the calls cannot be spoken; empty otherwise.
    void setNotice(const QString& text);

private:
    static void SetText(QLabel* label, const QString& text);

    QLabel* lblWhere = nullptr;
    QLabel* lblExamCall = nullptr;
    QLabel* lblBreakLeft = nullptr;
    QLabel* lblTimeLeft = nullptr;
    QLabel* lblNotice = nullptr;
};

} // namespace sheet
