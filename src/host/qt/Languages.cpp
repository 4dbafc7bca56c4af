// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <utility>

namespace host {

const std::vector<Language>& Languages() {
    static const std::vector<Language> languages = {
        {"en", "English", true},
        {"id", "Bahasa Indonesia", true},
        {"ja", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", false}, // 日本語
    };
    return languages;
}

namespace {

// The language the last Translations installed, for the fonts of windows made after it.
QString& Installed() {
    static QString installed = QStringLiteral("en");
    return installed;
}

} // namespace

QString InstalledLanguage() { return Installed(); }

bool InstalledLanguageInOwnFonts() {
    for (const Language& language : Languages()) {
        if (Installed() == QLatin1String(language.code)) return language.latinAlphabet;
    }
    return true;
}

QString SpokenLanguage(QStringView name) {
    // language[_territory][.codeset][@modifier], or a tag with '-'
    qsizetype end = 0;
    while (end < name.size() && name[end].isLetter()) ++end;
    QString code = name.first(end).toString().toLower();
    if (end < name.size() && name[end] != u'_' && name[end] != u'-' && name[end] != u'.' && name[end] != u'@')
        return {};
    if (code == u"in") code = QStringLiteral("id");
    for (const Language& language : Languages()) {
        if (code == QLatin1String(language.code)) return code;
    }
    return {};
}

LanguageEnvironment ReadLanguageEnvironment() {
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

QString DesktopLanguage(const LanguageEnvironment& environment) {
    QString locale = environment.lcAll;
    if (locale.isEmpty()) locale = environment.lcMessages;
    if (locale.isEmpty()) locale = environment.lang;
    const QString english = QStringLiteral("en");
    const qsizetype dot = locale.indexOf(u'.');
    const QStringView base = QStringView(locale).first(dot < 0 ? locale.size() : dot);
    if (locale.isEmpty() || base == u"C" || base == u"POSIX") return english;
    for (const QString& wanted : environment.language.split(u':', Qt::SkipEmptyParts)) {
        if (QString code = SpokenLanguage(wanted); !code.isEmpty()) return code;
    }
    const QString code = SpokenLanguage(locale);
    return code.isEmpty() ? english : code;
}

QString PreferredLanguage(const QStringList& uiLanguages) {
    for (const QString& wanted : uiLanguages) {
        if (QString code = SpokenLanguage(wanted); !code.isEmpty()) return code;
    }
    return QStringLiteral("en");
}

QString SystemLanguage() {
#ifdef Q_OS_WIN
    return PreferredLanguage(QLocale::system().uiLanguages());
#else
    return DesktopLanguage(ReadLanguageEnvironment());
#endif
}

QString SystemQtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

Translations::Translations(QString systemQtFolder) : systemQtFolder_(std::move(systemQtFolder)) {}

Translations::~Translations() { Remove(); }

void Translations::Remove() {
    for (const auto& translator : installed_) QCoreApplication::removeTranslator(translator.get());
    installed_.clear();
    current_ = QStringLiteral("en");
    Installed() = current_;
}

bool Translations::Install(const QString& code) {
    Remove();
    if (code == u"en") return true;
    const QString suffix = QStringLiteral("_%1.qm").arg(code);
    const QDir catalogs(QStringLiteral(":/i18n"));
    for (const QString& file : catalogs.entryList({QStringLiteral("*") + suffix}, QDir::Files, QDir::Name)) {
        // Qt's own catalog is one of several candidates, chosen below.
        if (file.startsWith(QLatin1String("qtbase_"))) continue;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(catalogs.filePath(file)) && QCoreApplication::installTranslator(translator.get()))
            installed_.push_back(std::move(translator));
    }
    if (installed_.empty()) return false;
    InstallQtCatalog(code);
    current_ = code;
    Installed() = current_;
    return true;
}

void Translations::InstallQtCatalog(const QString& code) {
    // Qt's own texts: the buttons of message boxes, the file dialog, the context menus of text
    // fields and scroll bars. The system's catalog comes first, since it matches the Qt the
    // program runs on; then the one the Windows program carries from Qt; then the program's own,
    // for a language Qt has none for. Installed last, it is asked first, before the program's
    // catalogs, which hold only a few of Qt's texts.
    const QString name = QStringLiteral("qtbase_%1.qm").arg(code);
    QStringList candidates{QStringLiteral(":/i18n/") + name, QStringLiteral(":/i18n/qt/") + name};
    // Without a folder there is no system catalog, not one in the working directory.
    if (!systemQtFolder_.isEmpty()) candidates.prepend(QDir(systemQtFolder_).filePath(name));
    for (const QString& path : candidates) {
        // QTranslator::load() would also take "qtbase.qm" beside a missing "qtbase_id.qm": a
        // catalog of no language would then stand in for the program's own.
        auto qt = std::make_unique<QTranslator>();
        if (!QFile::exists(path) || !qt->load(path)) continue;
        if (QCoreApplication::installTranslator(qt.get())) installed_.push_back(std::move(qt));
        return;
    }
}

} // namespace host
