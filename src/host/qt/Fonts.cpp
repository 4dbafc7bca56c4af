// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Fonts.h"

#include "host/qt/Languages.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <cmath>

namespace host {

namespace {

constexpr const char* kSymbolFamily = "Webdings";

bool FamilyInstalled(const QString& family) { return QFontDatabase::families().contains(family, Qt::CaseInsensitive); }

void LoadIfMissing(const QString& family, const QStringList& files) {
    if (FamilyInstalled(family)) return;
    for (const QString& file : files) QFontDatabase::addApplicationFont(file);
}

} // namespace

void InstallFontSubstitutes() {
    static bool installed = false;
    if (installed) return;
    installed = true;

    // Wine ships an outline Tahoma with the same metrics; fontconfig does not index it.
    LoadIfMissing("Tahoma", {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"});

    QFont::insertSubstitutions("Cambria", {"Caladea", "DejaVu Serif"});
    QFont::insertSubstitutions("Tahoma", {"DejaVu Sans"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "Nimbus Mono PS", "DejaVu Sans Mono"});
    // Windows has no DejaVu Sans; Segoe UI Symbol carries the same symbols there.
    QFont::insertSubstitutions(SymbolFamily(), {"Segoe UI Symbol"});
#ifdef Q_OS_WIN
    // Tahoma, Cambria and Courier New have no Japanese glyphs. Qt tries a family's substitutes
    // before its own list of fallbacks, which starts with whatever CJK family suits the user's
    // locale (a Chinese one outside Japan): Japanese texts are drawn in Windows' Japanese
    // interface fonts instead, the newest first: Yu Gothic UI (Windows 8.1 and later), Meiryo UI
    // (Windows 7 and 8), MS UI Gothic (every Japanese Windows).
    const QStringList japanese = {"Yu Gothic UI", "Meiryo UI", "MS UI Gothic"};
    for (const char* family : {"Tahoma", "Cambria", "Courier New"}) QFont::insertSubstitutions(family, japanese);
#endif
}

QFont FitTextWidth(QFont font, const QString& text, int width) {
    constexpr int kNarrowestStretch = 85;
    constexpr int kStretchStep = 5;
    constexpr int kSmallestPixelSize = 8;
    constexpr double kSmallestPointSize = 6.0; // 8 pixels at 96 dots per inch
    constexpr double kPointStep = 0.25;
    const auto fits = [&text, width](const QFont& candidate) {
        return QFontMetrics(candidate).horizontalAdvance(text) <= width;
    };
    if (fits(font)) return font;
    for (int stretch = QFont::Unstretched - kStretchStep; stretch >= kNarrowestStretch; stretch -= kStretchStep) {
        font.setStretch(stretch);
        if (fits(font)) return font;
    }
    // Still too wide: smaller letters of the usual width.
    font.setStretch(QFont::Unstretched);
    // A font sized in points has no pixel size (-1): it gets smaller in points.
    if (font.pixelSize() > 0) {
        while (font.pixelSize() > kSmallestPixelSize && !fits(font)) font.setPixelSize(font.pixelSize() - 1);
    } else {
        while (font.pointSizeF() - kPointStep >= kSmallestPointSize && !fits(font))
            font.setPointSizeF(font.pointSizeF() - kPointStep);
    }
    return font;
}

int PointsToPixels(double points) { return static_cast<int>(std::nearbyint(points * 96.0 / 72.0)); }

QFont LayoutFont(const QString& family, double points, bool bold, bool italic, bool underline) {
    QFont font(IsSymbolFamily(family) ? SymbolFamily() : family);
    font.setPixelSize(PointsToPixels(points));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QFont OwnTextFont(QFont font) {
    // Texts in a language the fonts lack the letters of (Japanese) take them from the fallbacks.
    if (!InstalledLanguageInOwnFonts()) return font;
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

bool IsSymbolFamily(const QString& family) {
    return family.compare(QLatin1String(kSymbolFamily), Qt::CaseInsensitive) == 0;
}

QString SymbolText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '4': shown += QChar(0x25B6); break; // black right-pointing triangle
        case '<': shown += QChar(0x25A0); break; // black square
        case '~': shown += QChar(0x21BA); break; // anticlockwise open circle arrow
        case '!': shown += QChar(0x25C9); break; // fisheye
        default: shown += c; break;
        }
    }
    return shown;
}

QString SymbolFamily() { return QStringLiteral("DejaVu Sans"); }

QString DisplayText(const QString& family, const QString& text) {
    return IsSymbolFamily(family) ? SymbolText(text) : text;
}

} // namespace host
