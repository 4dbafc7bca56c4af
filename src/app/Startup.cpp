// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/frmMain.h"
#include "host/core/ClockRandom.h"
#include "host/core/NumberText.h"
#include "host/qt/Fonts.h"
#include "host/qt/MessageBoxes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace app {

void ReadCommandLine(const QStringList& arguments) {
    // The usual start, with nothing given, costs no parser.
    if (arguments.size() <= 1) return;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Drills the addition rule of the Pauli-Kraepelin test: type the unit digit of the sum of "
                       "two digits and press Enter."));
    parser.addHelpOption();
    parser.addVersionOption();
    // Prints help or version and exits, or refuses an unknown option with exit code 1.
    parser.process(arguments);
    if (!parser.positionalArguments().isEmpty()) {
        const QString message = QStringLiteral("%1: takes no arguments, but was given: %2\n")
                                    .arg(QCoreApplication::applicationName(), parser.positionalArguments().join(u' '));
        std::fputs(qPrintable(message), stderr);
        std::exit(EXIT_FAILURE);
    }
}

namespace {

bool AsksOnlyForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h" || argument == "-?" || argument == "--help-all" ||
            argument == "--version" || argument == "-v") {
            return true;
        }
    }
    return false;
}

} // namespace

int RunTavrendale(int argc, char** argv, const std::function<void(QWidget*)>& shown) {
    // Help and version are answered in a terminal without a display too (an explicit
    // -platform still wins over this).
    if (AsksOnlyForText(argc, argv)) qputenv("QT_QPA_PLATFORM", "offscreen");
    // QApplication takes Qt's own options (-platform, -style...) out of the arguments;
    // the rest is ours.
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrendale"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRENDALE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVRENDALE_DESKTOP_ID));
    ReadCommandLine(QApplication::arguments());
    host::InstallFontSubstitutes();
    // Durations are typed the way the user writes numbers.
    host::SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());

    host::ClockRandom random;
    frmMain window({&random, &host::SystemMessageBoxes(), [] { QCoreApplication::exit(0); }});
    window.show();
    if (shown) shown(&window);
    return QApplication::exec();
}

} // namespace app
