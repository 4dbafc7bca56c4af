// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetresults/ScoreText.h"

#include "workcurve/FigureText.h"

#include <cmath>

namespace sheetresults {

using workcurve::NoFigure;
using workcurve::SecondsText;

namespace {

QString Decimal(const std::optional<double>& value, int decimals = 2) {
    return value ? QString::number(*value, 'f', decimals) : NoFigure();
}

// A slope or a rise with its sign; one that rounds to zero has none, as "-0.00" would
// claim a falling off.
QString Signed(const std::optional<double>& value) {
    if (!value) return NoFigure();
    const double shown = std::round(*value * 100.0) / 100.0;
    if (shown == 0.0) return QStringLiteral("0.00");
    return QString::asprintf("%+.2f", shown);
}

QString Count(std::uint64_t count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString Clock(std::uint64_t milliseconds) {
    const std::uint64_t seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString EndText(test::SittingEnd end, std::uint64_t elapsedMs) {
    switch (end) {
    case test::SittingEnd::TimeUp: return QStringLiteral("Time up at %1").arg(Clock(elapsedMs));
    case test::SittingEnd::Stopped: return QStringLiteral("Stopped at %1").arg(Clock(elapsedMs));
    case test::SittingEnd::WorkedThrough: return QStringLiteral("Worked through at %1").arg(Clock(elapsedMs));
    }
    return NoFigure();
}

QString Capitalised(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

void AddKraepelin(std::vector<ScoreRow>& rows, const test::KraepelinScores& k) {
    const std::optional<double> slope = k.line ? std::optional<double>(k.line->slope) : std::nullopt;
    rows.push_back({QStringLiteral("Speed (panker)"), Decimal(k.speed),
                    QStringLiteral("Mean height of the complete columns; a column's height is its pairs answered "
                                   "or passed")});
    rows.push_back({QStringLiteral("Accuracy (tianker)"), QString::number(k.accuracy),
                    QStringLiteral("Wrong answers + skipped pairs over the whole sheet; fewer is better")});
    rows.push_back({QStringLiteral("Steadiness (janker): range"), k.range ? QString::number(*k.range) : NoFigure(),
                    QStringLiteral("Highest height − lowest height of the complete columns")});
    rows.push_back({QStringLiteral("Steadiness (janker): average deviation"), Decimal(k.averageDeviation),
                    QStringLiteral("Mean of |height − mean height| over the complete columns")});
    rows.push_back({QStringLiteral("Endurance (hanker): slope b"), Signed(slope),
                    QStringLiteral("Slope b of the least-squares line height = a + b × column over the complete "
                                   "columns; needs two of them")});
    rows.push_back({QStringLiteral("Endurance (hanker): rise"), Signed(k.rise),
                    QStringLiteral("b × (columns − 1): how much the line rises over the sheet")});
}

void AddUchidaHalf(std::vector<ScoreRow>& rows, const QString& half, const test::UchidaHalf& h) {
    rows.push_back({QStringLiteral("%1: mean amount").arg(half), Decimal(h.meanAmount),
                    QStringLiteral("Mean amount of the half's complete lines; a line's amount is its pairs "
                                   "answered or passed")});
    rows.push_back({QStringLiteral("%1: initial effort").arg(half), Decimal(h.initialEffort),
                    QStringLiteral("Amount of the half's first line ÷ the half's mean amount")});
    rows.push_back({QStringLiteral("%1: fluctuation").arg(half), Decimal(h.fluctuation),
                    QStringLiteral("(Highest amount − lowest amount) ÷ the half's mean amount")});
}

void AddUchida(std::vector<ScoreRow>& rows, const test::UchidaScores& u) {
    AddUchidaHalf(rows, QStringLiteral("First half"), u.first);
    if (u.second) AddUchidaHalf(rows, QStringLiteral("Second half"), *u.second);
    rows.push_back({QStringLiteral("Rest effect"), Decimal(u.restEffect),
                    QStringLiteral("Second half's mean amount ÷ the first half's")});
}

void AddPauli(std::vector<ScoreRow>& rows, const test::PauliScores& p, const QString& period) {
    const std::optional<double> slope = p.line ? std::optional<double>(p.line->slope) : std::nullopt;
    rows.push_back({QStringLiteral("Total"), QString::number(p.total),
                    QStringLiteral("Additions answered or passed over the whole sitting")});
    rows.push_back({QStringLiteral("Error %"), workcurve::AccuracyText(p.errorPercent),
                    QStringLiteral("(Wrong answers + skipped pairs) ÷ additions × 100")});
    rows.push_back(
        {QStringLiteral("Average deviation"), Decimal(p.averageDeviation),
         QStringLiteral("Mean of |period total − mean period total| over the complete %1 periods").arg(period)});
    rows.push_back({QStringLiteral("Slope"), Signed(slope),
                    QStringLiteral("Slope b of the least-squares line additions = a + b × period over the "
                                   "complete periods: additions gained each period; needs two of them")});
}

} // namespace

QString PeriodName(const test::SheetFormat& format) {
    if (format.order == test::WorkOrder::LeftToRight) return QStringLiteral("line");
    if (format.cued() || format.strokeSeconds == 0) return QStringLiteral("column");
    if (format.strokeSeconds % 60 == 0) return QStringLiteral("%1 min").arg(format.strokeSeconds / 60);
    return QStringLiteral("%1 s").arg(format.strokeSeconds);
}

std::vector<ScoreRow> ScoreRows(const test::SheetFormat& format, const test::SheetScores& scores, std::uint64_t seed,
                                test::SittingEnd end, std::uint64_t elapsedMs) {
    std::vector<ScoreRow> rows;
    // A practice version's title says so itself.
    rows.push_back({QStringLiteral("Sheet"), QString::fromStdString(format.title), QStringLiteral("The format sat")});
    rows.push_back({QStringLiteral("Seed"), QString::number(seed),
                    QStringLiteral("The same seed and format give the same sheet, so a sitting can be repeated")});
    rows.push_back({QStringLiteral("Ended"), EndText(end, elapsedMs),
                    QStringLiteral("How the sitting ended, on its clock (a break included)")});
    rows.push_back({QStringLiteral("Reached"),
                    QStringLiteral("%1 (%2 right, %3 wrong, %4 skipped)")
                        .arg(scores.reached)
                        .arg(scores.right)
                        .arg(scores.wrong)
                        .arg(scores.skipped),
                    QStringLiteral("Pairs answered or passed; pairs after the cue came are not reached")});
    rows.push_back({QStringLiteral("Corrections"), QString::number(scores.corrections),
                    QStringLiteral("Answers taken back with Backspace")});
    const QString unit = format.family == test::ScoreFamily::Pauli ? QStringLiteral("period") : PeriodName(format);
    rows.push_back({QStringLiteral("Complete %1s").arg(unit), QString::number(scores.completePeriods),
                    QStringLiteral("A %1 the sitting was stopped inside is shown, hatched, but left out of the "
                                   "figures that compare them")
                        .arg(unit)});
    if (scores.kraepelin) AddKraepelin(rows, *scores.kraepelin);
    if (scores.uchida) AddUchida(rows, *scores.uchida);
    if (scores.pauli) AddPauli(rows, *scores.pauli, PeriodName(format));
    rows.push_back({QStringLiteral("Median time"), SecondsText(scores.times.median),
                    QStringLiteral("Half the answers took at most this long, from the pair becoming current to "
                                   "its digit (nearest rank)")});
    rows.push_back({QStringLiteral("90th percentile"), SecondsText(scores.times.percentile90),
                    QStringLiteral("Nine answers in ten took at most this long (nearest rank)")});
    return rows;
}

QStringList PeriodHeadings(const test::SheetFormat& format) {
    switch (format.family) {
    case test::ScoreFamily::Kraepelin:
        return {QStringLiteral("Column"), QStringLiteral("Height"),  QStringLiteral("Right"),
                QStringLiteral("Wrong"),  QStringLiteral("Skipped"), QStringLiteral("Corrections")};
    case test::ScoreFamily::Uchida: return {QStringLiteral("Line"), QStringLiteral("Amount"), QStringLiteral("Errors")};
    case test::ScoreFamily::Pauli:
        return {QStringLiteral("Period"), QStringLiteral("Additions"), QStringLiteral("Errors"),
                QStringLiteral("Corrections")};
    }
    return {};
}

QStringList PeriodCells(const test::SheetFormat& format, std::size_t index, const test::PeriodScores& period) {
    const QString number = QString::number(index + 1) + (period.partial ? QStringLiteral(" (partial)") : QString());
    switch (format.family) {
    case test::ScoreFamily::Kraepelin:
        return {number,
                QString::number(period.reached),
                QString::number(period.right),
                QString::number(period.wrong),
                QString::number(period.skipped),
                QString::number(period.corrections)};
    case test::ScoreFamily::Uchida: return {number, QString::number(period.reached), QString::number(period.errors())};
    case test::ScoreFamily::Pauli:
        return {number, QString::number(period.reached), QString::number(period.errors()),
                QString::number(period.corrections)};
    }
    return {};
}

QString PeriodText(const test::SheetFormat& format, std::size_t index, const test::PeriodScores& period) {
    const QString name = PeriodName(format);
    const QString reached = format.family == test::ScoreFamily::Kraepelin ? QStringLiteral("height")
                            : format.family == test::ScoreFamily::Uchida  ? QStringLiteral("amount")
                                                                          : QStringLiteral("additions");
    const QString title = format.family == test::ScoreFamily::Pauli
                              ? QStringLiteral("Period %1 (%2)").arg(index + 1).arg(name)
                              : QStringLiteral("%1 %2").arg(Capitalised(name)).arg(index + 1);
    return QStringLiteral("%1%2: %3 %4, %5 right, %6 wrong or blank, %7, median %8")
        .arg(title, period.partial ? QStringLiteral(" (partial)") : QString(), reached)
        .arg(period.reached)
        .arg(period.right)
        .arg(period.errors())
        .arg(Count(period.corrections, "correction", "corrections"), SecondsText(period.times.median));
}

} // namespace sheetresults
