// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/frmMain.h"
#include "host/core/ClockRandom.h"
#include "host/core/NumberText.h"
#include "host/qt/Fonts.h"
#include "host/qt/MessageBoxes.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QPixmapCache>
#include <QStyle>
#include <cstddef>
#include <string>

namespace app {

namespace {

// A value written the way QPixmap writes the numbers of its cache keys: byte by byte in
// memory order, the low digit of each byte first.
template <typename T> QString KeyHex(T value) {
    static const char digits[] = "0123456789abcdef";
    QString hex;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        hex += QLatin1Char(digits[bytes[i] & 0xf]);
        hex += QLatin1Char(digits[bytes[i] >> 4]);
    }
    return hex;
}

} // namespace

QPixmap PreloadGroupBoxFrame() {
    const QString path = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    const QFileInfo info(path);
    if (!info.exists()) return {};
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    // The key QPixmap(path) looks for: the file, its time, its size and the pixmap kind.
    const QString key = QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
                        KeyHex(static_cast<quint32>(info.lastModified().toSecsSinceEpoch())) +
                        KeyHex(static_cast<quint64>(info.size())) + KeyHex(quint32{0});
    const QPixmap frame = QPixmap::fromImage(image);
    QPixmapCache::insert(key, frame);
    return frame;
}

int RunTavrendale(int argc, char** argv, const std::function<void(QWidget*)>& shown) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrendale"));
    host::InstallFontSubstitutes();
    if (QApplication::style()->name() == QLatin1String("fusion")) PreloadGroupBoxFrame();
    // Durations are typed the way the user writes numbers.
    host::SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());

    host::ClockRandom random;
    frmMain window({&random, &host::SystemMessageBoxes(), [] { QCoreApplication::exit(0); }});
    window.show();
    if (shown) shown(&window);
    return QApplication::exec();
}

} // namespace app
