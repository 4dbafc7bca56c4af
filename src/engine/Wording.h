// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace engine {

// A text the engine words: English, with its figures as %1, %2 and %3, and the context a
// translation catalog keeps it under. The engine puts the figures into the English
// (Worded); a window in another language puts the same figures into the catalog's
// translation of `english`. The drill's texts stand below, the sheets' titles in
// SheetTitles.h.
struct Wording {
    const char* context;
    const char* english;
};

// Marks an English text for Qt's translation tools, which read a call of it as they read
// QT_TRANSLATE_NOOP (cmake/Translations.cmake tells lupdate so). The engine has no Qt: its
// texts go into the catalog of the window that shows them.
consteval Wording TranslatableText(const char* context, const char* english) { return {context, english}; }

// The English with the figures put in: %1 is the first figure, %2 the second, %3 the third.
// A figure is put in as it is, never searched for markers itself, and a marker without a
// figure stays as it is.
std::string Worded(const Wording& wording, std::initializer_list<std::string_view> figures = {});

namespace wording {

//: A result line, right-aligned in a box of 129 px; %1 is a count or "-".
inline constexpr Wording kAnsweredLine = TranslatableText("engine::TestEngine", "Total answered: %1");
//: A result line, right-aligned in a box of 129 px; %1 is a count or "-".
inline constexpr Wording kTrueLine = TranslatableText("engine::TestEngine", "Total true: %1");
//: A result line, right-aligned in a box of 129 px; %1 is a count or "-".
inline constexpr Wording kFalseLine = TranslatableText("engine::TestEngine", "Total false: %1");
//: A result line, right-aligned in a box of 129 px; %1 is the run's clock (1:00) or "-".
inline constexpr Wording kDurationLine = TranslatableText("engine::TestEngine", "Duration: %1");
//: A result line, right-aligned in a box of 129 px, before the first run ("0") and after a run without logging
//: stopped by the user ("-"); %1 is that figure.
inline constexpr Wording kDurationInMinutesLine = TranslatableText("engine::TestEngine", "Duration: %1 minute(s)");
//: A result line, right-aligned in a box of 129 px; %1 is the true answers per second (0.57), "0" or "-".
inline constexpr Wording kPerSecondLine = TranslatableText("engine::TestEngine", "Operation per sec: %1");
//: A result line, right-aligned in a box of 129 px; %1 is the true answers per minute (34.00), "0" or "-".
inline constexpr Wording kPerMinuteLine = TranslatableText("engine::TestEngine", "Operation per min: %1");

//: An answer log line: %1 and %2 are the two numbers, each after a blank (" 7"), %3 the answer given; then that it
//: is right.
inline constexpr Wording kTrueAnswer = TranslatableText("engine::TestEngine", "%1 + %2 = %3 | TRUE");
//: An answer log line: %1 and %2 are the two numbers, each after a blank (" 7"), %3 the answer given; then that it
//: is wrong.
inline constexpr Wording kFalseAnswer = TranslatableText("engine::TestEngine", "%1 + %2 = %3 | FALSE");
//: The answer log's one line after a run with "Log test" off.
inline constexpr Wording kNotLogged = TranslatableText("engine::TestEngine", "Result not logged.");

//: A warning box, after Start with a duration that is not a number of at least 1.
inline constexpr Wording kDurationRefused = TranslatableText(
    "engine::TestEngine",
    "Invalid value detected in test duration field, please change the value into numbers only, then try again.");

} // namespace wording

} // namespace engine
