// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/frmMain.h"
#include "host/core/ClockRandom.h"
#include "host/core/NumberText.h"
#include "host/qt/Fonts.h"
#include "host/qt/MessageBoxes.h"

#include <QApplication>
#include <QLocale>
#include <string>

namespace app {

int RunTavrendale(int argc, char** argv, const std::function<void(QWidget*)>& shown) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrendale"));
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
