// SPDX-License-Identifier: GPL-3.0-or-later
// A sitting's results in brief: the format, the seed, how it ended and the test's own
// figures, as text that can be read, selected and copied.
#include "host/qt/AccessibleText.h"
#include "sheet/SheetResults.h"
#include "sheet/SheetResultsWindow_p.h"
#include "test/SheetScores.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

namespace sheet {
namespace {

QString Figure(const std::optional<double>& value, int decimals = 2) {
    return value ? QString::number(*value, 'f', decimals) : QStringLiteral("\u2013");
}

QString EndText(test::SittingEnd end) {
    switch (end) {
    case test::SittingEnd::TimeUp: return QStringLiteral("the time was up");
    case test::SittingEnd::Stopped: return QStringLiteral("stopped");
    case test::SittingEnd::WorkedThrough: return QStringLiteral("the sheet was worked through");
    }
    return {};
}

QString FamilyLines(const test::SheetScores& scores) {
    QStringList lines;
    if (scores.kraepelin) {
        const test::KraepelinScores& k = *scores.kraepelin;
        lines << QStringLiteral("Speed (mean height): %1").arg(Figure(k.speed))
              << QStringLiteral("Accuracy (wrong and blank): %1").arg(k.accuracy)
              << QStringLiteral("Steadiness: range %1, average deviation %2")
                     .arg(k.range ? QString::number(*k.range) : QStringLiteral("\u2013"), Figure(k.averageDeviation))
              << QStringLiteral("Endurance: slope %1, rise %2")
                     .arg(k.line ? QString::number(k.line->slope, 'f', 2) : QStringLiteral("\u2013"), Figure(k.rise));
    }
    if (scores.uchida) {
        const auto half = [&lines](const char* name, const test::UchidaHalf& h) {
            lines << QStringLiteral("%1 half: mean amount %2, initial effort %3, fluctuation %4")
                         .arg(QLatin1String(name), Figure(h.meanAmount), Figure(h.initialEffort),
                              Figure(h.fluctuation));
        };
        half("First", scores.uchida->first);
        if (scores.uchida->second) half("Second", *scores.uchida->second);
        lines << QStringLiteral("Rest effect: %1").arg(Figure(scores.uchida->restEffect));
    }
    if (scores.pauli) {
        const test::PauliScores& p = *scores.pauli;
        lines << QStringLiteral("Additions: %1, errors %2 %").arg(p.total).arg(Figure(p.errorPercent))
              << QStringLiteral("Average deviation of the periods: %1").arg(Figure(p.averageDeviation))
              << QStringLiteral("Slope: %1 a period")
                     .arg(p.line ? QString::number(p.line->slope, 'f', 2) : QStringLiteral("\u2013"));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

SheetResultsWindow::SheetResultsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    host::PresentAs(staticMetaObject, QAccessible::Window);
}

void ShowSheetResults(QWidget* parent, const test::SheetFormat& format, const test::Sheet& sheet,
                      std::span<const test::SheetAnswer> record, std::uint64_t seed, test::SittingEnd end,
                      std::uint64_t elapsedMs) {
    (void)sheet;
    const test::SheetScores scores = test::ScoreSheet(format, record, elapsedMs);
    auto* window = new SheetResultsWindow(parent);
    window->setObjectName(QStringLiteral("frmSheetResults"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Sheet results"));
    QString text = QStringLiteral("%1, seed %2: %3 after %4:%5.\n")
                       .arg(QString::fromStdString(format.title))
                       .arg(seed)
                       .arg(EndText(end))
                       .arg(elapsedMs / 60000)
                       .arg(elapsedMs / 1000 % 60, 2, 10, QLatin1Char('0'));
    text += QStringLiteral("Reached %1: %2 right, %3 wrong, %4 blank; %5 corrections.\n")
                .arg(scores.reached)
                .arg(scores.right)
                .arg(scores.wrong)
                .arg(scores.skipped)
                .arg(scores.corrections);
    text += FamilyLines(scores);
    auto* figures = new QLabel(text, window);
    figures->setObjectName(QStringLiteral("lblFigures"));
    figures->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    figures->setFocusPolicy(Qt::StrongFocus);
    figures->setAccessibleName(text);
    auto* close = new QPushButton(QStringLiteral("&Close"), window);
    close->setToolTip(QStringLiteral("Close this window (Esc)"));
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(figures, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    window->show();
    figures->setFocus();
}

} // namespace sheet
