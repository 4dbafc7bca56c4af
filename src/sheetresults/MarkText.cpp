// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetresults/MarkText.h"

#include "charts/FigureText.h"
#include "engine/Figures.h"
#include "engine/KeptSitting.h"
#include "engine/MarkTexts.h"
#include "keeping/HistoryText.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace sheetresults {

namespace {

// The texts of this file, one context of the catalog.
class MarkText {
    Q_DECLARE_TR_FUNCTIONS(MarkText)
};

QString Translated(const engine::Wording& wording) {
    return QCoreApplication::translate(wording.context, wording.english);
}

QString Number(double value) { return QString::number(value, 'g', 6); }

// A figure's value as the history words it (keeping::FigureValue), or the mark of no figure.
QString FigureValue(engine::FigureKey key, const std::optional<double>& value) {
    return value ? keeping::FigureValue(key, *value) : charts::NoFigure();
}

// A published source's date as the file gives it ("2004-09, read 2026-12-08"): when it was
// published, else when it was read.
QString SourceDate(const engine::MarkSource& source) {
    const QString date = QString::fromStdString(source.date);
    const QString read = QStringLiteral("read ");
    if (date.startsWith(read))
        //: A source's date where it gives none of its own: when it was read.
        return MarkText::tr("read %1").arg(date.mid(read.size()));
    const qsizetype at = date.indexOf(QStringLiteral(", ") + read);
    return at < 0 ? date : date.left(at);
}

// A source as a mark names it: its title and date, or the program's own figure.
QString SourceName(const engine::MarkSource& source) {
    //: A mark's number no source gives, which the program chose.
    if (source.own()) return MarkText::tr("Tavrendale's own figure");
    //: A mark's number the program was given, which none of the sources read publishes.
    if (source.unsourced()) return MarkText::tr("Tavrendale's own figure (no published source found)");
    const QString title = QString::fromStdString(source.title);
    const QString date = SourceDate(source);
    //: A source named under a mark: %1 its title, %2 when it was published.
    return date.isEmpty() ? title : MarkText::tr("%1 (%2)").arg(title, date);
}

// A source in full, for the tooltip: its title, address, date and what it says.
QString SourceDetail(const engine::MarkSource& source) {
    if (source.own())
        return MarkText::tr("Tavrendale's own figure: no source we found gives a number for this, so the program "
                            "chose one.");
    if (source.unsourced())
        return MarkText::tr("No published source found: none of the sources we could read publishes this number, so "
                            "it is shown as Tavrendale's own figure until a source is named.");
    QStringList lines{QString::fromStdString(source.title)};
    if (!source.address.empty() && source.address != "-") lines << QString::fromStdString(source.address);
    lines << QString::fromStdString(source.date) << QString::fromStdString(source.says);
    return lines.join(u'\n');
}

struct Sourced {
    QString reference;
    QString sources;
};

Sourced Sources(const engine::MarksFile& file, const std::vector<std::string>& ids) {
    // A number found in no source is named as the program's own already.
    const bool unsourced = std::find(ids.begin(), ids.end(), "unsourced") != ids.end();
    QStringList names, details;
    for (const std::string& id : ids) {
        if (const engine::MarkSource* source = file.source(id); source && !(unsourced && source->own())) {
            names << SourceName(*source);
            details << SourceDetail(*source);
        }
    }
    if (names.isEmpty()) return {};
    //: Between the sources a mark names.
    return {Translated(engine::wording::kMarkReference).arg(names.join(MarkText::tr("; ", "between sources"))),
            details.join(QStringLiteral("\n\n"))};
}

MarkRow Heading(const QString& text) { return {MarkRow::Kind::Heading, text, {}, {}, {}, false}; }

MarkRow Mark(const engine::MarksFile& file, const QString& text, const std::vector<std::string>& ids,
             engine::Places places, bool missed) {
    const Sourced sourced = Sources(file, ids);
    return {MarkRow::Kind::Mark, text, sourced.reference, sourced.sources, std::move(places), missed};
}

// A feature met or not, with its lines where it names some.
QString FeatureText(const QString& name, bool met, const engine::Places& lines) {
    if (lines.empty())
        //: A feature of the curve met or not, where it involves no line in particular (errors, where there were none).
        return (met ? MarkText::tr("%1: met") : MarkText::tr("%1: not met")).arg(name);
    return Translated(met ? engine::wording::kMarkMet : engine::wording::kMarkNotMet).arg(name, PlacesText(lines));
}

QString NoVerdictText(const engine::SheetFormat& format, const engine::SheetScores& scores, engine::NoVerdict reason) {
    QString text = Translated(engine::WordingOf(reason));
    if (reason != engine::NoVerdict::Incomplete) return text;
    const std::size_t all = format.family == engine::ScoreFamily::Pauli ? format.strokePeriods() : format.units;
    if (scores.completePeriods >= all) return text;
    const std::size_t missing = all - scores.completePeriods;
    QString count;
    switch (format.family) {
    //: After why a stopped sitting gets no verdict: how many of its columns are missing.
    case engine::ScoreFamily::Kraepelin: count = MarkText::tr("Columns not complete: %1 of %2."); break;
    case engine::ScoreFamily::Uchida: count = MarkText::tr("Lines not complete: %1 of %2."); break;
    case engine::ScoreFamily::Pauli: count = MarkText::tr("Periods not complete: %1 of %2."); break;
    }
    return text + u' ' + count.arg(missing).arg(all);
}

void AddUchida(SittingMarks& marks, const engine::UchidaVerdict& verdict, const engine::MarksFile& file) {
    // The summary first, then each feature.
    //: Uchida-Kraepelin: how close the curve is to the typical one, all features together.
    marks.rows.push_back(Heading(MarkText::tr("Leaning")));
    //: %1 is the leaning ("Close to the typical curve"), %2 how many of the %3 typical features were not met, %4 how
    //: many non-typical features were found.
    const QString leaning = MarkText::tr("%1: %2 of the %3 features of the typical curve not met, %4 non-typical "
                                         "features found")
                                .arg(Translated(engine::WordingOf(verdict.leaning)))
                                .arg(verdict.unmet)
                                .arg(verdict.typical.size())
                                .arg(verdict.found);
    marks.rows.push_back(Mark(file, leaning, verdict.leaningSources, {}, false));
    //: Uchida-Kraepelin: the level of the work amount.
    marks.rows.push_back(Heading(MarkText::tr("Work amount (作業量)")));
    const auto setting = [&](const char* key) {
        const engine::MarkSetting* found = file.setting(key);
        return found ? Number(found->value) : charts::NoFigure();
    };
    const QString level =
        Translated(verdict.levelA ? engine::wording::kLevelA : engine::wording::kBelowLevelA)
            .arg(QString::number(verdict.firstHalfMean, 'f', 1), QString::number(verdict.secondHalfMean, 'f', 1),
                 setting("level_a.first_half_mean_at_least"), setting("level_a.second_half_mean_at_least"));
    marks.rows.push_back(Mark(file, level, verdict.levelASources, {}, false));
    //: Uchida-Kraepelin: the features of the typical curve, each met or not.
    marks.rows.push_back(Heading(MarkText::tr("Typical curve (定型曲線)")));
    for (const engine::UchidaFeatureMark& mark : verdict.typical) {
        const QString name = Translated(engine::WordingOf(mark.feature));
        marks.rows.push_back(Mark(file, FeatureText(name, mark.met, mark.lines), mark.sources, mark.lines, !mark.met));
    }
    //: Uchida-Kraepelin: the features of a non-typical curve (非定型), each found or not.
    marks.rows.push_back(Heading(MarkText::tr("Non-typical features (非定型)")));
    for (const engine::UchidaAtypicalMark& mark : verdict.atypical) {
        const QString name = Translated(engine::WordingOf(mark.feature));
        const QString text = mark.found ? Translated(engine::wording::kFeatureFound).arg(name, PlacesText(mark.lines))
                                        : Translated(engine::wording::kFeatureNotFound).arg(name);
        marks.rows.push_back(Mark(file, text, mark.sources, mark.found ? mark.lines : engine::Places{}, mark.found));
    }
}

void AddKraepelinBands(SittingMarks& marks, const engine::KraepelinMarks& kraepelin, const engine::Figures& figures,
                       const engine::MarksFile& file) {
    //: Kraepelin: the five levels of each index, in the test's own words.
    marks.rows.push_back(Heading(MarkText::tr("Bands (baik sekali, baik, sedang, kurang, kurang sekali)")));
    if (kraepelin.verdicts.empty())
        marks.rows.push_back({MarkRow::Kind::Note, Translated(engine::wording::kNoBands), {}, {}, {}, false});
    for (const engine::BandVerdict& verdict : kraepelin.verdicts) {
        //: A band a source's table gives this sitting's figure: %1 the figure, %2 its value, %3 the band.
        QString text = kraepelin.disagree(verdict.figure)
                           ? MarkText::tr("%1: %2 — %3, where the sources disagree")
                           //: A band a source's table gives this sitting's figure, where every source gives the same.
                           : MarkText::tr("%1: %2 — %3");
        text = text.arg(keeping::FigureTitle(verdict.figure), FigureValue(verdict.figure, verdict.value),
                        Translated(engine::WordingOf(verdict.band)));
        marks.rows.push_back(Mark(file, text, {verdict.source}, {}, false));
    }
    if (kraepelin.examples.empty()) return;
    //: Kraepelin: the bands published reports gave to figures of their own sittings.
    marks.rows.push_back(Heading(MarkText::tr("Verdicts in published reports")));
    for (const engine::BandExample& example : kraepelin.examples) {
        //: %1 is a figure, %2 the value a report rated, %3 the band it gave it, %4 this sitting's value.
        const QString text = MarkText::tr("%1: %2 rated %3 in that report; this sitting %4")
                                 .arg(keeping::FigureTitle(example.figure), FigureValue(example.figure, example.value),
                                      Translated(engine::WordingOf(example.band)),
                                      FigureValue(example.figure, figures.get(example.figure)));
        marks.rows.push_back(Mark(file, text, {example.source}, {}, false));
    }
}

void AddKraepelinFormulas(SittingMarks& marks, const engine::KraepelinMarks& kraepelin, const engine::MarksFile& file) {
    //: Kraepelin: other published ways of working out panker, janker and hanker.
    marks.rows.push_back(Heading(MarkText::tr("Other published formulas")));
    for (const engine::FormulaMark& formula : kraepelin.formulas) {
        //: %1 and %2: a published formula and its value for this sitting; %3 and %4: the program's own.
        const QString text =
            MarkText::tr("%1: %2 (the program's %3: %4)")
                .arg(keeping::FigureTitle(formula.published), FigureValue(formula.published, formula.publishedValue),
                     keeping::FigureTitle(formula.ours), FigureValue(formula.ours, formula.oursValue));
        marks.rows.push_back(Mark(file, text, {formula.source}, {}, false));
    }
}

void AddPauli(SittingMarks& marks, const engine::PauliMarks& pauli, const engine::MarksFile& file) {
    for (const engine::PauliMarkResult& mark : pauli.marks) {
        const QString said = Translated(engine::WordingOf(mark.mark))
                                 .arg(QString::number(mark.value, 'f', 0), QString::number(mark.against, 'f', 0));
        //: A Pauli mark met or not: %1 says what was compared ("First period: 120 additions against a mark of 130"),
        //: %2 lists the periods involved ("1, 20").
        const QString text =
            (mark.met ? MarkText::tr("%1 — met (periods %2)") : MarkText::tr("%1 — not met (periods %2)"))
                .arg(said, PlacesText(mark.periods));
        marks.rows.push_back(Mark(file, text, mark.sources, mark.periods, !mark.met));
    }
}

} // namespace

const MarkFiles& BuiltInMarkFiles() {
    static const auto parse = [](engine::MarkTest test) {
        engine::MarksError error;
        std::optional<engine::MarksFile> file = engine::ParseMarksFile(engine::BuiltInMarksText(test), error);
        // Built into the program and read by its tests: a fault here is the build's.
        if (!file) qFatal("A built-in marks file is refused: %s", error.Describe().c_str());
        return *file;
    };
    static const engine::MarksFile kraepelin = parse(engine::MarkTest::Kraepelin);
    static const engine::MarksFile uchida = parse(engine::MarkTest::Uchida);
    static const engine::MarksFile pauli = parse(engine::MarkTest::Pauli);
    static const MarkFiles files{&kraepelin, &uchida, &pauli};
    return files;
}

SittingMarks MarkRows(const engine::SheetFormat& format, const engine::SheetScores& scores, const MarkFiles& files) {
    SittingMarks marks;
    switch (format.family) {
    case engine::ScoreFamily::Uchida: {
        const engine::UchidaMarks uchida = engine::MarkUchida(format, scores, *files.uchida);
        if (uchida.verdict)
            AddUchida(marks, *uchida.verdict, *files.uchida);
        else
            marks.noVerdict = NoVerdictText(format, scores, uchida.reason);
        break;
    }
    case engine::ScoreFamily::Kraepelin: {
        const engine::KraepelinMarks kraepelin = engine::MarkKraepelin(format, scores, *files.kraepelin);
        if (kraepelin.reason == engine::NoVerdict::None)
            AddKraepelinBands(marks, kraepelin, engine::FiguresOf(format, scores), *files.kraepelin);
        else
            marks.noVerdict = NoVerdictText(format, scores, kraepelin.reason);
        // The other formulas are figures of this sitting, not a verdict: shown for every sheet.
        AddKraepelinFormulas(marks, kraepelin, *files.kraepelin);
        break;
    }
    case engine::ScoreFamily::Pauli: {
        const engine::PauliMarks pauli = engine::MarkPauli(format, scores, *files.pauli);
        if (pauli.reason == engine::NoVerdict::None)
            AddPauli(marks, pauli, *files.pauli);
        else
            marks.noVerdict = NoVerdictText(format, scores, pauli.reason);
        break;
    }
    }
    return marks;
}

QString PlacesText(const engine::Places& places) {
    engine::Places sorted = places;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QStringList parts;
    for (std::size_t first = 0; first < sorted.size();) {
        std::size_t last = first;
        while (last + 1 < sorted.size() && sorted[last + 1] == sorted[last] + 1) ++last;
        if (last - first >= 2) {
            parts << QStringLiteral("%1\u2013%2").arg(sorted[first]).arg(sorted[last]);
        } else {
            for (std::size_t at = first; at <= last; ++at) parts << QString::number(sorted[at]);
        }
        first = last + 1;
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace sheetresults
