// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EngineTexts.h"

#include <QCoreApplication>
#include <string_view>

namespace app {

namespace {

constexpr const char* kContext = "app::EngineTexts";

// Texts the engine words whole.
constexpr const char* kWhole[] = {
    QT_TRANSLATE_NOOP("app::EngineTexts", "Duration: 0 minute(s)"),
    QT_TRANSLATE_NOOP("app::EngineTexts", "Duration: - minute(s)"),
    QT_TRANSLATE_NOOP("app::EngineTexts", "Result not logged."),
    QT_TRANSLATE_NOOP("app::EngineTexts", "Invalid value detected in test duration field, please change the value "
                                          "into numbers only, then try again."),
};

// Result lines: the engine's label, then its figure (a count, a clock, a rate or "-").
struct Labelled {
    std::string_view label;
    const char* text;
};
constexpr Labelled kLabelled[] = {
    //: A result line, right-aligned in a box of 129 px; %1 is a count or "-".
    {"Total answered: ", QT_TRANSLATE_NOOP("app::EngineTexts", "Total answered: %1")},
    //: A result line, right-aligned in a box of 129 px; %1 is a count or "-".
    {"Total true: ", QT_TRANSLATE_NOOP("app::EngineTexts", "Total true: %1")},
    //: A result line, right-aligned in a box of 129 px; %1 is a count or "-".
    {"Total false: ", QT_TRANSLATE_NOOP("app::EngineTexts", "Total false: %1")},
    //: A result line, right-aligned in a box of 129 px; %1 is the run's clock (1:00) or "-".
    {"Duration: ", QT_TRANSLATE_NOOP("app::EngineTexts", "Duration: %1")},
    //: A result line, right-aligned in a box of 129 px; %1 is the true answers per second (0.57) or "-".
    {"Operation per sec: ", QT_TRANSLATE_NOOP("app::EngineTexts", "Operation per sec: %1")},
    //: A result line, right-aligned in a box of 129 px; %1 is the true answers per minute (34.00) or "-".
    {"Operation per min: ", QT_TRANSLATE_NOOP("app::EngineTexts", "Operation per min: %1")},
};

// Answer log lines: the pair and the answer given, then whether it was right.
struct Judged {
    std::string_view ending;
    const char* text;
};
constexpr Judged kJudged[] = {
    //: An answer log line: %1 is the sum and the answer given ("7 + 5 = 2"), then that it is right.
    {" | TRUE", QT_TRANSLATE_NOOP("app::EngineTexts", "%1 | TRUE")},
    //: An answer log line: %1 is the sum and the answer given ("7 + 5 = 3"), then that it is wrong.
    {" | FALSE", QT_TRANSLATE_NOOP("app::EngineTexts", "%1 | FALSE")},
};

QString Translated(const char* text) { return QCoreApplication::translate(kContext, text); }

} // namespace

QString EngineText(const std::string& english) {
    const std::string_view text = english;
    for (const char* whole : kWhole) {
        if (text == whole) return Translated(whole);
    }
    for (const Labelled& line : kLabelled) {
        if (text.starts_with(line.label))
            return Translated(line.text).arg(QString::fromUtf8(text.substr(line.label.size())));
    }
    for (const Judged& line : kJudged) {
        if (text.ends_with(line.ending))
            return Translated(line.text).arg(QString::fromUtf8(text.substr(0, text.size() - line.ending.size())));
    }
    return QString::fromStdString(english);
}

} // namespace app
