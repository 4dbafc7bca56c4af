// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the Sheet results window on a sitting of a sheet answered to a given curve, for the
// README's pictures of curves a candidate would take an hour to sit (an Uchida-Kraepelin
// sheet that misses a feature of the typical curve):
//   sitting_shot [--lang CODE] --sheet FORMAT [--practice] --seed N --amounts A1,A2,...
//                [--wrong PERIOD:COUNT,...]
// Period i (counted from 1) is answered right for its first Ai pairs of the sheet made from
// the seed, COUNT of them wrong where --wrong says so, each in 0.6 to 1.1 s; the sitting ends
// by time. Nothing is written.
#include "engine/Sheet.h"
#include "engine/SheetFormat.h"
#include "host/qt/Fonts.h"
#include "host/qt/Languages.h"
#include "sheetresults/frmSheetResults.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <map>
#include <vector>

namespace {

int Refuse(const QString& why) {
    std::fprintf(stderr, "sitting_shot: %s\n", qPrintable(why));
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("The language"), QStringLiteral("code"));
    const QCommandLineOption sheetName(QStringLiteral("sheet"), QStringLiteral("The format"), QStringLiteral("name"));
    const QCommandLineOption practice(QStringLiteral("practice"), QStringLiteral("Its practice version"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("The seed"), QStringLiteral("n"));
    const QCommandLineOption amounts(QStringLiteral("amounts"), QStringLiteral("Pairs reached per period"),
                                     QStringLiteral("list"));
    const QCommandLineOption wrong(QStringLiteral("wrong"), QStringLiteral("Wrong answers per period"),
                                   QStringLiteral("period:count,..."));
    parser.addOptions({lang, sheetName, practice, seed, amounts, wrong});
    parser.process(application);

    host::Translations translations;
    if (parser.isSet(lang) && !translations.Install(parser.value(lang)))
        return Refuse(QStringLiteral("no language %1").arg(parser.value(lang)));
    host::InstallFontSubstitutes();

    engine::FormatError error;
    const std::optional<engine::SheetFormat> format =
        engine::FormatByName(parser.value(sheetName).toStdString(), parser.isSet(practice), error);
    if (!format) return Refuse(QString::fromStdString(error.message));
    bool ok = false;
    const std::uint64_t seedValue = parser.value(seed).toULongLong(&ok);
    if (!ok) return Refuse(QStringLiteral("--seed takes a number"));
    std::vector<std::uint32_t> reached;
    for (const QString& amount : parser.value(amounts).split(u',', Qt::SkipEmptyParts))
        reached.push_back(amount.toUInt());
    std::map<std::uint32_t, std::uint32_t> wrongIn;
    for (const QString& item : parser.value(wrong).split(u',', Qt::SkipEmptyParts))
        wrongIn[item.section(u':', 0, 0).toUInt()] = item.section(u':', 1, 1).toUInt();

    // The pairs in the order of work: a cued sheet's period is its column or line; the others
    // work through the sheet, a period's pairs following the one before.
    const engine::Sheet sheet = engine::MakeSheet(*format, seedValue);
    std::vector<engine::SheetAnswer> record;
    std::uint32_t unit = 0, position = 0;
    for (std::uint32_t period = 0; period < reached.size(); ++period) {
        if (format->cued()) {
            unit = period;
            position = 0;
        }
        for (std::uint32_t at = 0; at < reached[period]; ++at) {
            if (unit >= sheet.unitCount()) return Refuse(QStringLiteral("more pairs than the sheet has"));
            if (position >= sheet.pairCount(unit)) {
                if (format->cued()) break;
                ++unit;
                position = 0;
                if (unit >= sheet.unitCount()) return Refuse(QStringLiteral("more pairs than the sheet has"));
            }
            engine::SheetAnswer pair;
            pair.unit = static_cast<std::uint16_t>(unit);
            pair.position = static_cast<std::uint16_t>(position);
            pair.period = static_cast<std::uint16_t>(period);
            pair.operand1 = static_cast<std::uint8_t>(sheet.digit(unit, position));
            pair.operand2 = static_cast<std::uint8_t>(sheet.digit(unit, position + 1));
            const int sum = (pair.operand1 + pair.operand2) % 10;
            const bool right = at >= wrongIn[period + 1];
            pair.answer = static_cast<std::uint8_t>(right ? sum : (sum + 1) % 10);
            pair.correct = right ? 1 : 0;
            pair.milliseconds = 600 + (period * 37 + at * 53) % 500;
            record.push_back(pair);
            ++position;
        }
    }
    sheetresults::ShowSheetResults(nullptr, *format, record, seedValue, engine::SittingEnd::TimeUp,
                                   format->durationMs());
    return QApplication::exec();
}
