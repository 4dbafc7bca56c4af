// SPDX-License-Identifier: GPL-3.0-or-later
#include "keeping/HistoryText.h"

#include "keeping/Keeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <cmath>

namespace keeping {

namespace {

using engine::FigureKey;

// The context of this file's texts in the catalog.
class HistoryText {
    Q_DECLARE_TR_FUNCTIONS(keeping::HistoryText)
};

enum class Kind { Count, Milliseconds, Percent, Ratio, Mean, Signed };

Kind KindOf(FigureKey key) {
    switch (key) {
    case FigureKey::MedianMs:
    case FigureKey::Percentile90Ms: return Kind::Milliseconds;
    case FigureKey::UchidaErrorPercent:
    case FigureKey::PauliErrorPercent:
    case FigureKey::DrillAccuracy: return Kind::Percent;
    case FigureKey::UchidaFirstInitialEffort:
    case FigureKey::UchidaSecondInitialEffort:
    case FigureKey::UchidaFirstFluctuation:
    case FigureKey::UchidaSecondFluctuation:
    case FigureKey::UchidaRestEffect: return Kind::Ratio;
    case FigureKey::Panker:
    case FigureKey::PankerRight:
    case FigureKey::JankerAverageDeviation:
    case FigureKey::JankerStandardDeviation:
    case FigureKey::UchidaMean:
    case FigureKey::UchidaFirstMean:
    case FigureKey::UchidaSecondMean:
    case FigureKey::PauliAverageDeviation:
    case FigureKey::DrillSpeed: return Kind::Mean;
    case FigureKey::HankerSlope:
    case FigureKey::HankerRise:
    case FigureKey::HankerSpan:
    case FigureKey::PauliSlope:
    case FigureKey::DrillTrend: return Kind::Signed;
    default: return Kind::Count;
    }
}

// A number with `decimals` decimals, with its sign where `sign`, the minus as a minus sign.
QString Number(double value, int decimals, bool sign) {
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(u'-')) {
        // "-0.0" is no change.
        if (QString::number(0.0, 'f', decimals) == text.mid(1))
            text = text.mid(1);
        else
            text.replace(0, 1, QChar(0x2212));
    }
    if (sign && !text.startsWith(QChar(0x2212))) text.prepend(u'+');
    return text;
}

int Decimals(Kind kind) {
    switch (kind) {
    // Answer times in whole milliseconds, as their names say.
    case Kind::Count:
    case Kind::Milliseconds: return 0;
    case Kind::Percent:
    case Kind::Mean: return 1;
    case Kind::Ratio:
    case Kind::Signed: return 2;
    }
    return 2;
}

} // namespace

QString FigureTitle(FigureKey key) {
    const engine::Wording& title = engine::InfoOf(key).title;
    return QCoreApplication::translate(title.context, title.english);
}

QString FigureValue(FigureKey key, double value) {
    const Kind kind = KindOf(key);
    switch (kind) {
    case Kind::Percent: return Number(value, 1, false) + QStringLiteral(" %");
    case Kind::Signed: return Number(value, Decimals(kind), true);
    default: return Number(value, Decimals(kind), false);
    }
}

QString FigureChange(FigureKey key, double change) {
    const Kind kind = KindOf(key);
    const QString number = Number(change, Decimals(kind), true);
    return kind == Kind::Percent ? number + QStringLiteral(" %") : number;
}

QString SittingTimeText(const engine::SittingTime& time) {
    return QDateTime::fromMSecsSinceEpoch(time.localMs(), Qt::UTC).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString SittingDateText(const engine::SittingTime& time) {
    return QDateTime::fromMSecsSinceEpoch(time.localMs(), Qt::UTC).toString(QStringLiteral("yyyy-MM-dd"));
}

QString EndText(engine::KeptEnd end) {
    switch (end) {
    //: How a kept sitting ended: its time ran out.
    case engine::KeptEnd::TimeUp: return HistoryText::tr("Time up");
    //: How a kept sitting ended: the user stopped it.
    case engine::KeptEnd::Stopped: return HistoryText::tr("Stopped");
    //: How a kept sitting ended: a sheet without a cue worked to its last pair.
    case engine::KeptEnd::WorkedThrough: return HistoryText::tr("Worked through");
    //: A kept sitting imported from a CSV file, which does not say how it ended.
    case engine::KeptEnd::NotRecorded: return HistoryText::tr("Imported");
    }
    return {};
}

QString StandingText(const Standing& standing) {
    const FigureKey key = standing.key;
    const QString best =
        HistoryText::tr("%1 (%2)").arg(FigureValue(key, standing.best), SittingDateText(standing.bestAt));
    if (standing.newBest) {
        //: The results' line against the user's history, where this sitting is the best: the figure's name, its
        //: value, the previous sitting's value, its change, then the best before this one with its date.
        return HistoryText::tr("Against your earlier sittings: %1 %2, your best yet; previous %3 (%4), best before %5")
            .arg(FigureTitle(key), FigureValue(key, standing.value), FigureValue(key, standing.previous),
                 FigureChange(key, standing.value - standing.previous), best);
    }
    //: The results' line against the user's history: the figure's name, its value, the previous sitting's value,
    //: its change, then the best with its date.
    return HistoryText::tr("Against your earlier sittings: %1 %2; previous %3 (%4), best %5")
        .arg(FigureTitle(key), FigureValue(key, standing.value), FigureValue(key, standing.previous),
             FigureChange(key, standing.value - standing.previous), best);
}

engine::SittingTime TimeOf(const QDateTime& moment) {
    return {moment.toMSecsSinceEpoch(), moment.offsetFromUtc() / 60};
}

QString StandingLine(const std::string& formatKey, engine::SittingId self, const engine::SittingTime& endedAt,
                     const engine::Figures& figures) {
    engine::HistoryStore* store = ProgramKeeper().store();
    if (!store) return {};
    engine::StoreFault fault;
    // A store that cannot be read says so where the sitting is kept; here there is no line.
    const std::optional<std::vector<engine::SittingSummary>> sittings = store->List({formatKey, 0}, fault);
    if (!sittings) return {};
    const std::optional<Standing> standing = StandingOf(*sittings, self, endedAt, figures);
    return standing ? StandingText(*standing) : QString();
}

QString FaultText(const engine::StoreFault& fault, bool notKept) {
    using Kind = engine::StoreFault::Kind;
    QString what;
    switch (fault.kind) {
    case Kind::None: return {};
    case Kind::CannotOpen: what = HistoryText::tr("The history could not be opened"); break;
    case Kind::Locked: what = HistoryText::tr("The history is in use by another Tavrendale"); break;
    case Kind::ReadOnly: what = HistoryText::tr("The history can be read but not written"); break;
    case Kind::Full: what = HistoryText::tr("The disk that holds the history is full"); break;
    case Kind::Corrupt: what = HistoryText::tr("The history is damaged and cannot be read"); break;
    case Kind::NewerVersion:
        //: %1 is the version of the history's layout the newer program wrote.
        what = HistoryText::tr("The history was written by a newer Tavrendale (layout %1) and is only read here")
                   .arg(fault.version);
        break;
    case Kind::NotFound: what = HistoryText::tr("That sitting is no longer in the history"); break;
    case Kind::Failed: what = HistoryText::tr("The history could not do that"); break;
    }
    //: What happened to the history, then the system's own reason in brackets.
    if (!fault.reason.empty()) what = HistoryText::tr("%1 (%2)").arg(what, QString::fromStdString(fault.reason));
    //: One line about the history: what happened, then the file's path.
    QString line = HistoryText::tr("%1: %2.").arg(what, QDir::toNativeSeparators(QString::fromStdString(fault.path)));
    //: Added to a fault of the history after a sitting ended: it is still on screen and can be saved.
    if (notKept)
        line += u' ' + HistoryText::tr("This sitting was not kept; its results stay here and can be saved as CSV.");
    return line;
}

} // namespace keeping
