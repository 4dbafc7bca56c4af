// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheet/SheetChoice.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace app {

// Starts the program: the application object, the fonts, the main window centred and
// shown (or, with --sheet, the exam sheets window alone), then the event loop until the
// user ends the program. `shown`, when given, is called with the window once it has been
// shown (start-up measurements use it).
int RunTavrendale(int argc, char** argv, const std::function<void(QWidget*)>& shown = {});

// What the command line asks for: the exam sheet to open, or with `pdf` the file to write
// that sheet to as a PDF instead; or the History window alone.
struct CommandLineChoice {
    std::optional<sheet::SheetChoice> sheet;
    std::optional<QString> pdf;
    bool history = false;
};

// Reads the program's command line (Qt's own options already taken out): --help and
// --version print and exit with 0; --sheet FORMAT, with --practice and --seed N, gives the
// exam sheet to open, and with --pdf FILE too the file to write it to (which needs both
// --sheet and --seed); --history the History window alone (with none of the sheet's options);
// any other option or argument, or a value the sheet options refuse, is refused with a message
// on the standard error and exit code 1. With nothing given it returns and reads nothing.
CommandLineChoice ReadCommandLine(const QStringList& arguments);

// Writes the PDF of `choice` (the custom sheet as its form starts) to `path` on the paper's
// defaults: 0, or 1 with the path and the system's reason on the standard error.
int WriteSheetPdf(const sheet::SheetChoice& choice, const QString& path);

// The languages the program speaks, as --help and a refusal list them: "en (English), ...".
QString LanguageList();

// The value of the last --lang CODE or --lang=CODE in the command line (before a bare "--").
std::optional<QString> LanguageArgument(const QStringList& arguments);

// The language to show the texts in: the one `asked` for where the program speaks it, else the
// `desktop`'s; `warning` says, in English, why an asked-for language is not used.
QString ChooseLanguage(const std::optional<QString>& asked, const QString& desktop, QString& warning);

} // namespace app
