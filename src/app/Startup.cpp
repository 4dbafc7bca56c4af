// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "about/Artwork.h"
#include "app/PlatformChoice.h"
#include "app/frmMain.h"
#include "history/frmHistory.h"
#include "host/core/ClockRandom.h"
#include "host/core/NumberText.h"
#include "host/qt/Fonts.h"
#include "host/qt/Languages.h"
#include "host/qt/MessageBoxes.h"
#include "sheet/FormatErrorText.h"
#include "sheet/PaperPrint.h"
#include "sheet/frmSheet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>
#include <QStringList>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

namespace {

// The command-line parser's own words are Qt's; these are the ones Qt's catalog of a language
// may lack (all of them in Indonesian, the help options' in Japanese), for --help and its
// refusals to speak the language through and through.
[[maybe_unused]] constexpr const char* kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

[[noreturn]] void Refuse(const QString& reason) {
    const QString message = QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), reason);
    std::fputs(qPrintable(message), stderr);
    std::exit(EXIT_FAILURE);
}

} // namespace

QString LanguageList() {
    QStringList names;
    for (const host::Language& language : host::Languages())
        names << QStringLiteral("%1 (%2)").arg(QLatin1String(language.code), QString::fromUtf8(language.nativeName));
    return names.join(QStringLiteral(", "));
}

std::optional<QString> LanguageArgument(const QStringList& arguments) {
    std::optional<QString> value;
    const QString option = QStringLiteral("--lang");
    for (qsizetype at = 1; at < arguments.size(); ++at) {
        const QString& argument = arguments[at];
        if (argument == u"--") break;
        if (argument == option && at + 1 < arguments.size()) {
            value = arguments[++at];
        } else if (argument.startsWith(option + u'=')) {
            value = argument.mid(option.size() + 1);
        }
    }
    return value;
}

QString ChooseLanguage(const std::optional<QString>& asked, const QString& desktop, QString& warning) {
    warning.clear();
    if (!asked) return desktop;
    const QString code = host::SpokenLanguage(*asked);
    if (!code.isEmpty()) return code;
    // Always in English: whoever typed an unknown code may not read the desktop's language.
    warning = QStringLiteral("there are no texts in the language \"%1\"; the languages are %2. The desktop's "
                             "language is used.")
                  .arg(*asked, LanguageList());
    return desktop;
}

CommandLineChoice ReadCommandLine(const QStringList& arguments) {
    // The usual start, with nothing given, costs no parser.
    if (arguments.size() <= 1) return {};
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Drills the addition rule of the Pauli-Kraepelin test: type the "
                                                   "unit digit of the sum of two digits and press Enter."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption sheetOption(
        QStringLiteral("sheet"),
        QCoreApplication::translate("CommandLine", "Opens the exam sheets window alone, with <format> chosen: %1.")
            .arg(QLatin1String(sheet::kSheetChoiceNames)),
        QStringLiteral("format"));
    const QCommandLineOption practiceOption(
        QStringLiteral("practice"),
        QCoreApplication::translate("CommandLine", "With --sheet: the format's short practice version."));
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        QCoreApplication::translate("CommandLine",
                                    "With --sheet: makes the sheet from seed <n>, to sit a sheet again."),
        QStringLiteral("n"));
    const QCommandLineOption langOption(
        QStringLiteral("lang"),
        QCoreApplication::translate("CommandLine",
                                    "Shows the texts in language <code>: %1 (by default the desktop's language).")
            .arg(LanguageList()),
        QStringLiteral("code"));
    const QCommandLineOption pdfOption(
        QStringLiteral("pdf"),
        QCoreApplication::translate("CommandLine",
                                    "With --sheet and --seed: writes the sheet to <file> as a PDF to print, "
                                    "without a window, and ends."),
        QStringLiteral("file"));
    const QCommandLineOption historyOption(
        QStringLiteral("history"),
        QCoreApplication::translate("CommandLine",
                                    "Opens the History window alone: the sittings kept on this computer, their "
                                    "scores over time and the trend."));
    parser.addOptions({sheetOption, practiceOption, seedOption, pdfOption, historyOption, langOption});
    // Prints help or version and exits, or refuses an unknown option with exit code 1.
    parser.process(arguments);
    if (!parser.positionalArguments().isEmpty()) {
        Refuse(QCoreApplication::translate("CommandLine", "takes no arguments, but was given: %1")
                   .arg(parser.positionalArguments().join(u' ')));
    }
    // A printed sheet is known by its seed, which is why --pdf takes none at random: the
    // seed the user gives is the one the results are entered against.
    if (parser.isSet(pdfOption) && (!parser.isSet(sheetOption) || !parser.isSet(seedOption)))
        Refuse(QCoreApplication::translate("CommandLine",
                                           "--pdf writes an exam sheet: give --sheet FORMAT and --seed N too"));
    if (parser.isSet(historyOption)) {
        if (parser.isSet(sheetOption) || parser.isSet(practiceOption) || parser.isSet(seedOption))
            Refuse(QCoreApplication::translate(
                "CommandLine", "--history opens the History window alone: give no exam sheet's options"));
        return {std::nullopt, std::nullopt, true};
    }
    if (!parser.isSet(sheetOption)) {
        if (parser.isSet(practiceOption) || parser.isSet(seedOption))
            Refuse(QCoreApplication::translate("CommandLine",
                                               "--practice and --seed choose an exam sheet: give --sheet FORMAT too"));
        return {};
    }
    const QStringList formats = parser.values(sheetOption);
    const QStringList seeds = parser.values(seedOption);
    if (formats.size() > 1 || seeds.size() > 1 || parser.values(pdfOption).size() > 1)
        Refuse(QCoreApplication::translate("CommandLine", "--sheet, --seed and --pdf are given once each"));
    std::optional<std::string> seed;
    if (!seeds.isEmpty()) seed = seeds.front().toStdString();
    std::string error;
    auto choice = sheet::MakeSheetChoice(formats.front().toStdString(), parser.isSet(practiceOption),
                                         seed ? std::optional<std::string_view>(*seed) : std::nullopt, error);
    if (!choice) Refuse(QString::fromStdString(error));
    if (!parser.isSet(pdfOption)) return {choice, std::nullopt};
    return {choice, parser.value(pdfOption)};
}

int WriteSheetPdf(const sheet::SheetChoice& choice, const QString& path) {
    engine::FormatError error;
    const std::optional<engine::SheetFormat> format = choice.format == "custom"
                                                          ? engine::MakeCustomFormat({}, error)
                                                          : engine::FormatByName(choice.format, choice.practice, error);
    std::optional<sheet::PaperSheet> paper;
    if (format) paper = sheet::MakePaperSheet(*format, choice.seed.value_or(0), {}, error);
    if (!paper) Refuse(sheet::FormatErrorText(error));
    if (const std::optional<QString> failure = sheet::WritePaperPdf(path, *paper)) {
        //: The file's path, then the system's reason.
        Refuse(QCoreApplication::translate("CommandLine", "cannot write the PDF to \"%1\": %2")
                   .arg(QDir::toNativeSeparators(path), *failure));
    }
    return EXIT_SUCCESS;
}

namespace {

// Qt's own options, which QApplication and the platform plugins take out of the command line
// before the program reads it. Qt takes them as "-name" or "--name", and those with a value
// as "-name value" or "-name=value". The list errs on the side of Qt: an option wrongly taken
// for Qt's is passed over, never refused.
struct QtOption {
    std::string_view name;
    bool takesValue;
};

// clang-format off
constexpr QtOption kQtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"session", true},
    {"style", true}, {"stylesheet", true}, {"qmljsdebugger", true},
    {"reverse", false}, {"widgetcount", false}, {"testability", false},
    // X11's
    {"display", true}, {"geometry", true}, {"title", true}, {"icon", true}, {"name", true}, {"visual", true},
    {"sync", false}, {"nograb", false}, {"dograb", false},
    // Windows'
    {"dialogs", true}, {"fontengine", true},
};
// clang-format on

// How many arguments from `at` on make one of Qt's own options: 0 when argv[at] is none.
int QtOptionLength(int argc, char** argv, int at) {
    std::string_view argument = argv[at];
    if (argument.size() < 2 || argument.front() != '-') return 0;
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    for (const QtOption& option : kQtOptions) {
        if (option.name != name) continue;
        if (equals != std::string_view::npos) return option.takesValue ? 1 : 0;
        return option.takesValue && at + 1 < argc ? 2 : 1;
    }
    return 0;
}

// Whether the command line holds anything besides Qt's own options (and a bare "--", which
// ends the options and is no argument) and a valid exam sheet's options, or --history alone.
// Such a command line ends the program before its window opens: --help and --version answer,
// anything else is refused.
bool EndsBeforeTheWindow(int argc, char** argv) {
    std::vector<std::string_view> ours;
    bool history = false;
    for (int i = 1; i < argc;) {
        const std::string_view argument = argv[i];
        if (const int length = QtOptionLength(argc, argv, i); length > 0) {
            i += length;
        } else if (argument == "--lang" && i + 1 < argc) {
            i += 2;
        } else if (argument.starts_with("--lang=")) {
            ++i;
        } else if (std::string_view(argv[i]) == "--") {
            ++i;
        } else if (argument == "--history") {
            history = true;
            ++i;
        } else {
            ours.emplace_back(argv[i]);
            ++i;
        }
    }
    if (history) return !ours.empty();
    return !ours.empty() && !sheet::ReadSheetArguments(ours);
}

} // namespace

int RunTavrendale(int argc, char** argv, const std::function<void(QWidget*)>& shown) {
    // Help, version and refusals are answered in a terminal without a display too: they need
    // no window, so no window system either (an explicit -platform still wins over this).
    const bool windowless = EndsBeforeTheWindow(argc, argv);
    if (windowless && WindowlessPlatform()) qputenv("QT_QPA_PLATFORM", WindowlessPlatform());
    // On a Wayland desktop the program runs on XWayland, where it can place its windows. Qt reads
    // the variable only while the application object is made; taken away again after that, it
    // does not reach the programs started from here (the browser the About window's links open).
    const PlatformEnvironment environment = ReadPlatformEnvironment();
    const std::optional<std::string> platform =
        PlatformToRequest(environment, std::vector<std::string_view>(argv, argv + argc),
                          [&environment] { return XServerAnswers(environment.display); });
    if (platform) qputenv("QT_QPA_PLATFORM", platform->c_str());
    // QApplication takes Qt's own options (-platform, -style...) out of the arguments;
    // the rest is ours.
    QApplication application(argc, argv);
    if (platform) qunsetenv("QT_QPA_PLATFORM");
    QApplication::setApplicationName(QStringLiteral("Tavrendale"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRENDALE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVRENDALE_DESKTOP_ID));
    // The texts in the desktop's language, or the one --lang asks for; --help speaks it too.
    host::Translations translations;
    QString warning;
    translations.Install(ChooseLanguage(LanguageArgument(QApplication::arguments()), host::SystemLanguage(), warning));
    if (!warning.isEmpty()) {
        const QString message = QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), warning);
        std::fputs(qPrintable(message), stderr);
    }
    const CommandLineChoice command = ReadCommandLine(QApplication::arguments());
    const std::optional<sheet::SheetChoice>& sheetChoice = command.sheet;
    host::InstallFontSubstitutes();
    // The PDF is written without a window, on the platform chosen above.
    if (command.pdf && sheetChoice) return WriteSheetPdf(*sheetChoice, *command.pdf);
    // Qt took every argument the program would have answered or refused: one of Qt's own
    // options is missing from the list above, and the window would open offscreen, unseen.
    if (windowless) qFatal("Qt took an option of its own that kQtOptions in Startup.cpp lacks");
    // Durations are typed the way the user writes numbers.
    host::SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    // The windows that offer the History window open it; nothing of the history is read yet.
    history::InstallHistoryWindow();

    if (command.history) {
        // The History window alone; the program ends when it closes.
        history::frmHistory window({});
        window.setWindowIcon(about::ProgramIcon());
        window.PlaceBeside(nullptr);
        window.show();
        if (shown) shown(&window);
        return QApplication::exec();
    }

    if (sheetChoice) {
        // The exam sheets alone; the program ends when their window closes.
        sheet::frmSheet sheets({});
        sheets.setWindowIcon(about::ProgramIcon());
        sheets.Choose(*sheetChoice);
        sheets.PlaceBeside(nullptr);
        sheets.show();
        if (shown) shown(&sheets);
        return QApplication::exec();
    }

    host::ClockRandom random;
    frmMain window({&random, &host::SystemMessageBoxes(), [] { QCoreApplication::exit(0); }});
    window.show();
    if (shown) shown(&window);
    return QApplication::exec();
}

} // namespace app
