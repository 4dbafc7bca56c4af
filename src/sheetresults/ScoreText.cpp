// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetresults/ScoreText.h"

#include "charts/FigureText.h"

#include <QCoreApplication>
#include <cmath>

namespace sheetresults {

using charts::NoFigure;
using charts::SecondsText;

namespace {

QString Decimal(const std::optional<double>& value, int decimals = 2) {
    return value ? QString::number(*value, 'f', decimals) : NoFigure();
}

// A slope or a rise with its sign; one that rounds to zero has none, as "-0.00" would
// claim a falling off.
QString Signed(double value) {
    const double shown = std::round(value * 100.0) / 100.0;
    if (shown == 0.0) return QStringLiteral("0.00");
    return QString::asprintf("%+.2f", shown);
}

QString Signed(const std::optional<double>& value) { return value ? Signed(*value) : NoFigure(); }

// The slope of a least-squares line, where there is one.
QString Slope(const std::optional<engine::LeastSquaresLine>& line) { return line ? Signed(line->slope) : NoFigure(); }

// The texts of this file, one context of the catalog.
class ScoreText {
    Q_DECLARE_TR_FUNCTIONS(ScoreText)
};

QString Corrections(std::uint64_t count) {
    return (count == 1 ? ScoreText::tr("%1 correction") : ScoreText::tr("%1 corrections")).arg(count);
}

QString Clock(std::uint64_t milliseconds) {
    const std::uint64_t seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString EndText(engine::SittingEnd end, std::uint64_t elapsedMs) {
    switch (end) {
    case engine::SittingEnd::TimeUp: return ScoreText::tr("Time up at %1").arg(Clock(elapsedMs));
    case engine::SittingEnd::Stopped: return ScoreText::tr("Stopped at %1").arg(Clock(elapsedMs));
    case engine::SittingEnd::WorkedThrough: return ScoreText::tr("Worked through at %1").arg(Clock(elapsedMs));
    }
    return NoFigure();
}

void AddKraepelin(std::vector<ScoreRow>& rows, const engine::KraepelinScores& k) {
    rows.push_back(
        {//: Kraepelin's speed index. Indonesian sheets call it panker (kecepatan kerja); Japanese has
         //: no name of its own for it.
         ScoreText::tr("Speed (panker)"), Decimal(k.speed),
         ScoreText::tr("Mean height of the complete columns; a column's height is its pairs answered or passed")});
    rows.push_back({//: Kraepelin's accuracy index: tianker (ketelitian kerja) on Indonesian sheets.
                    ScoreText::tr("Accuracy (tianker)"), QString::number(k.accuracy),
                    ScoreText::tr("Wrong answers + skipped pairs over the whole sheet; fewer is better")});
    rows.push_back({//: Kraepelin's steadiness index: janker (keajegan kerja) on Indonesian sheets.
                    ScoreText::tr("Steadiness (janker): range"), k.range ? QString::number(*k.range) : NoFigure(),
                    ScoreText::tr("Highest height − lowest height of the complete columns")});
    rows.push_back({ScoreText::tr("Steadiness (janker): average deviation"), Decimal(k.averageDeviation),
                    ScoreText::tr("Mean of |height − mean height| over the complete columns")});
    rows.push_back(
        {//: Kraepelin's endurance index: hanker (ketahanan kerja) on Indonesian sheets.
         ScoreText::tr("Endurance (hanker): slope b"), Slope(k.line),
         ScoreText::tr("Slope b of the least-squares line height = a + b × column over the complete columns; "
                       "needs two of them")});
    rows.push_back({ScoreText::tr("Endurance (hanker): rise"), Signed(k.rise),
                    ScoreText::tr("b × (columns − 1): how much the line rises over the sheet")});
}

void AddUchidaHalf(std::vector<ScoreRow>& rows, bool second, const engine::UchidaHalf& h) {
    //: Uchida-Kraepelin: the amount of work (作業量) of one half, before or after the break.
    rows.push_back(
        {second ? ScoreText::tr("Second half: mean amount") : ScoreText::tr("First half: mean amount"),
         Decimal(h.meanAmount),
         ScoreText::tr("Mean amount of the half's complete lines; a line's amount is its pairs answered or passed")});
    //: Uchida-Kraepelin: the initial effort ratio (初頭努力率) of one half.
    rows.push_back({second ? ScoreText::tr("Second half: initial effort") : ScoreText::tr("First half: initial effort"),
                    Decimal(h.initialEffort),
                    ScoreText::tr("Amount of the half's first line ÷ the half's mean amount")});
    //: Uchida-Kraepelin: the fluctuation rate (動揺率) of one half.
    rows.push_back({second ? ScoreText::tr("Second half: fluctuation") : ScoreText::tr("First half: fluctuation"),
                    Decimal(h.fluctuation),
                    ScoreText::tr("(Highest amount − lowest amount) ÷ the half's mean amount")});
}

void AddUchida(std::vector<ScoreRow>& rows, const engine::UchidaScores& u) {
    AddUchidaHalf(rows, false, u.first);
    if (u.second) AddUchidaHalf(rows, true, *u.second);
    rows.push_back({//: Uchida-Kraepelin: the rest effect ratio (休憩効果率) of the break between the halves.
                    ScoreText::tr("Rest effect"), Decimal(u.restEffect),
                    ScoreText::tr("Second half's mean amount ÷ the first half's")});
}

void AddPauli(std::vector<ScoreRow>& rows, const engine::PauliScores& p, const QString& period) {
    rows.push_back({//: Pauli: additions over the whole hour.
                    ScoreText::tr("Total"), QString::number(p.total),
                    ScoreText::tr("Additions answered or passed over the whole sitting")});
    rows.push_back({ScoreText::tr("Error %"), charts::AccuracyText(p.errorPercent),
                    ScoreText::tr("(Wrong answers + skipped pairs) ÷ additions × 100")});
    rows.push_back(
        {ScoreText::tr("Average deviation"), Decimal(p.averageDeviation),
         //: %1 is a period's length: "3 min".
         ScoreText::tr("Mean of |period total − mean period total| over the complete %1 periods").arg(period)});
    rows.push_back(
        {ScoreText::tr("Slope"), Slope(p.line),
         ScoreText::tr("Slope b of the least-squares line additions = a + b × period over the complete periods: "
                       "additions gained each period; needs two of them")});
}

} // namespace

QString PeriodName(const engine::SheetFormat& format) {
    //: What one period of a curve is, written after "per" and in "Curve per line".
    if (format.order == engine::WorkOrder::LeftToRight) return ScoreText::tr("line", "period");
    if (format.cued() || format.strokeSeconds == 0) return ScoreText::tr("column", "period");
    if (format.strokeSeconds % 60 == 0) return ScoreText::tr("%1 min", "period").arg(format.strokeSeconds / 60);
    return ScoreText::tr("%1 s", "period").arg(format.strokeSeconds);
}

QString SheetTitle(const engine::SheetFormat& format) {
    const engine::FormatTitle& title = format.title;
    if (title.wording() == nullptr) return QString::fromStdString(title.text());
    const QString words = QCoreApplication::translate(title.wording()->context, title.wording()->english);
    return title.figure().empty() ? words : words.arg(QString::fromStdString(title.figure()));
}

std::vector<ScoreRow> ScoreRows(const engine::SheetFormat& format, const engine::SheetScores& scores,
                                std::optional<std::uint64_t> seed, engine::SittingEnd end, std::uint64_t elapsedMs) {
    std::vector<ScoreRow> rows;
    // A practice version's title says so itself.
    rows.push_back({ScoreText::tr("Sheet"), SheetTitle(format), ScoreText::tr("The format sat")});
    if (seed) {
        rows.push_back({ScoreText::tr("Seed"), QString::number(*seed),
                        ScoreText::tr("The same seed and format give the same sheet, so a sitting can be repeated")});
    } else {
        rows.push_back({ScoreText::tr("Seed"), ScoreText::tr("not known"),
                        ScoreText::tr("The file this sitting was imported from does not say its seed")});
    }
    rows.push_back({ScoreText::tr("Ended"), EndText(end, elapsedMs),
                    ScoreText::tr("How the sitting ended, on its clock (a break included)")});
    rows.push_back({ScoreText::tr("Reached"),
                    ScoreText::tr("%1 (%2 right, %3 wrong, %4 skipped)")
                        .arg(scores.reached)
                        .arg(scores.right)
                        .arg(scores.wrong)
                        .arg(scores.skipped),
                    ScoreText::tr("Pairs answered or passed; pairs after the cue came are not reached")});
    rows.push_back({ScoreText::tr("Corrections"), QString::number(scores.corrections),
                    ScoreText::tr("Answers taken back with Backspace")});
    if (format.family == engine::ScoreFamily::Pauli) {
        rows.push_back(
            {ScoreText::tr("Complete periods"), QString::number(scores.completePeriods),
             ScoreText::tr("A period the sitting was stopped inside is shown, hatched, but left out of the figures "
                           "that compare them")});
    } else if (format.order == engine::WorkOrder::LeftToRight) {
        rows.push_back(
            {ScoreText::tr("Complete lines"), QString::number(scores.completePeriods),
             ScoreText::tr("A line the sitting was stopped inside is shown, hatched, but left out of the figures "
                           "that compare them")});
    } else {
        rows.push_back(
            {ScoreText::tr("Complete columns"), QString::number(scores.completePeriods),
             ScoreText::tr("A column the sitting was stopped inside is shown, hatched, but left out of the figures "
                           "that compare them")});
    }
    if (scores.kraepelin) AddKraepelin(rows, *scores.kraepelin);
    if (scores.uchida) AddUchida(rows, *scores.uchida);
    if (scores.pauli) AddPauli(rows, *scores.pauli, PeriodName(format));
    if (scores.untimed) {
        // A sheet worked on paper: its times were never taken.
        const QString why = ScoreText::tr("No answer times: the sheet was worked on paper and entered by hand");
        rows.push_back({ScoreText::tr("Median time"), SecondsText(std::nullopt), why});
        rows.push_back({ScoreText::tr("90th percentile"), SecondsText(std::nullopt), why});
        return rows;
    }
    rows.push_back(
        {ScoreText::tr("Median time"), SecondsText(scores.times.median),
         ScoreText::tr("Half the answers took at most this long, from the pair becoming current to its digit "
                       "(nearest rank)")});
    rows.push_back({ScoreText::tr("90th percentile"), SecondsText(scores.times.percentile90),
                    ScoreText::tr("Nine answers in ten took at most this long (nearest rank)")});
    return rows;
}

QStringList PeriodHeadings(const engine::SheetFormat& format) {
    switch (format.family) {
    case engine::ScoreFamily::Kraepelin:
        //: The headings of Kraepelin's table of columns; a column's height is its pairs reached.
        return {ScoreText::tr("Column", "heading"),  ScoreText::tr("Height", "heading"),
                ScoreText::tr("Right", "heading"),   ScoreText::tr("Wrong", "heading"),
                ScoreText::tr("Skipped", "heading"), ScoreText::tr("Corrections", "heading")};
    case engine::ScoreFamily::Uchida:
        //: The headings of Uchida-Kraepelin's table of lines; a line's amount of work (作業量).
        return {ScoreText::tr("Line", "heading"), ScoreText::tr("Amount", "heading"),
                ScoreText::tr("Errors", "heading")};
    case engine::ScoreFamily::Pauli:
        //: The headings of Pauli's table of periods between two strokes.
        return {ScoreText::tr("Period", "heading"), ScoreText::tr("Additions", "heading"),
                ScoreText::tr("Errors", "heading"), ScoreText::tr("Corrections", "heading")};
    }
    return {};
}

QStringList PeriodCells(const engine::SheetFormat& format, std::size_t index, const engine::PeriodScores& period) {
    const QString number = period.partial ? ScoreText::tr("%1 (partial)").arg(index + 1) : QString::number(index + 1);
    switch (format.family) {
    case engine::ScoreFamily::Kraepelin:
        return {number,
                QString::number(period.reached),
                QString::number(period.right),
                QString::number(period.wrong),
                QString::number(period.skipped),
                QString::number(period.corrections)};
    case engine::ScoreFamily::Uchida:
        return {number, QString::number(period.reached), QString::number(period.errors())};
    case engine::ScoreFamily::Pauli:
        return {number, QString::number(period.reached), QString::number(period.errors()),
                QString::number(period.corrections)};
    }
    return {};
}

QString PeriodText(const engine::SheetFormat& format, std::size_t index, const engine::PeriodScores& period) {
    QString title;
    QString text;
    switch (format.family) {
    case engine::ScoreFamily::Kraepelin:
        title = format.order == engine::WorkOrder::LeftToRight ? ScoreText::tr("Line %1") : ScoreText::tr("Column %1");
        title = title.arg(index + 1);
        //: A column's figures: "Column 3: height 20, 18 right, 2 wrong or blank, 1 correction, median 0.85 s".
        text = ScoreText::tr("%1: height %2, %3 right, %4 wrong or blank, %5, median %6");
        break;
    case engine::ScoreFamily::Uchida:
        title = format.order == engine::WorkOrder::LeftToRight ? ScoreText::tr("Line %1") : ScoreText::tr("Column %1");
        title = title.arg(index + 1);
        //: A line's figures: "Line 3: amount 50, 48 right, 2 wrong or blank, 1 correction, median 0.85 s".
        text = ScoreText::tr("%1: amount %2, %3 right, %4 wrong or blank, %5, median %6");
        break;
    case engine::ScoreFamily::Pauli:
        //: "Period 2 (3 min)"
        title = ScoreText::tr("Period %1 (%2)").arg(index + 1).arg(PeriodName(format));
        //: A period's figures: "Period 2 (3 min): additions 90, 88 right, 2 wrong or blank, 0 corrections,
        //: median 0.85 s".
        text = ScoreText::tr("%1: additions %2, %3 right, %4 wrong or blank, %5, median %6");
        break;
    }
    //: After a period's name, for the period the sitting was stopped inside.
    if (period.partial) title += ScoreText::tr(" (partial)");
    return text.arg(title)
        .arg(period.reached)
        .arg(period.right)
        .arg(period.errors())
        .arg(Corrections(period.corrections), SecondsText(period.times.median));
}

} // namespace sheetresults
