// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/SheetChoice.h"

#include "engine/SheetFormat.h"
#include "sheet/FormatErrorText.h"

#include <QCoreApplication>

namespace sheet {

const char* const kSheetChoiceNames = "kraepelin-15, kraepelin-30, uchida, pauli, custom";

std::optional<SheetChoice> MakeSheetChoice(std::string_view format, bool practice, std::optional<std::string_view> seed,
                                           std::string& error) {
    SheetChoice choice;
    choice.format = std::string(format);
    choice.practice = practice;
    engine::FormatError refused;
    if (format == "custom") {
        if (practice) {
            error = QCoreApplication::translate("SheetChoice",
                                                "the custom sheet has no practice version; the formats with one are %1")
                        .arg(QLatin1String(engine::kFormatNames))
                        .toStdString();
            return std::nullopt;
        }
    } else if (!engine::FormatByName(format, practice, refused)) {
        error = QCoreApplication::translate("SheetChoice", "unknown sheet format \"%1\"; the formats are %2")
                    .arg(QString::fromStdString(std::string(format)), QLatin1String(kSheetChoiceNames))
                    .toStdString();
        return std::nullopt;
    }
    if (seed) {
        choice.seed = engine::ParseSeed(*seed, refused);
        if (!choice.seed) {
            error = FormatErrorText(refused).toStdString();
            return std::nullopt;
        }
    }
    return choice;
}

namespace {

// The value of "--name VALUE" or "--name=VALUE" at `at`, moving `at` past it.
std::optional<std::string_view> ValueOf(std::span<const std::string_view> arguments, std::size_t& at,
                                        std::string_view name) {
    const std::string_view argument = arguments[at];
    if (argument == name) {
        if (at + 1 >= arguments.size()) return std::nullopt;
        at += 2;
        return arguments[at - 1];
    }
    if (argument.size() > name.size() && argument.starts_with(name) && argument[name.size()] == '=') {
        ++at;
        return argument.substr(name.size() + 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<SheetChoice> ReadSheetArguments(std::span<const std::string_view> arguments) {
    std::optional<std::string_view> format;
    std::optional<std::string_view> seed;
    bool practice = false;
    for (std::size_t at = 0; at < arguments.size();) {
        // Each option once: a second one is no choice but a mistake to refuse.
        if (arguments[at] == "--practice") {
            if (practice) return std::nullopt;
            practice = true;
            ++at;
        } else if (auto value = ValueOf(arguments, at, "--sheet")) {
            if (format) return std::nullopt;
            format = value;
        } else if (auto number = ValueOf(arguments, at, "--seed")) {
            if (seed) return std::nullopt;
            seed = number;
        } else {
            return std::nullopt;
        }
    }
    if (!format) return std::nullopt;
    std::string error;
    return MakeSheetChoice(*format, practice, seed, error);
}

} // namespace sheet
