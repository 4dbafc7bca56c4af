// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTranslator;

namespace host {

// The languages the program shows its texts in. English is the texts' own language and
// needs no catalog; the others are the catalogs ":/i18n/<catalog>_<code>.qm" built in.

struct Language {
    const char* code;       // "en", "id", "ja"
    const char* nativeName; // the language's name in itself, as a menu would list it
    bool latinAlphabet;     // written in the Latin alphabet, which every font of the windows has
};

// Every language the program speaks, English first.
const std::vector<Language>& Languages();

// The language code in `name` when the program speaks it: "id_ID.UTF-8", "id-ID", "in" (the
// old code of Indonesian) and "id" give "id"; "ja_JP@euro" gives "ja"; "en_GB" gives "en".
// Empty for anything else, "C" and "POSIX" included.
QString SpokenLanguage(QStringView name);

// The locale variables a desktop on Linux and the other free systems sets, as read.
struct LanguageEnvironment {
    QString language;   // LANGUAGE: a list of languages by preference, separated by ':'
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG
};
LanguageEnvironment ReadLanguageEnvironment();

// The language the desktop asks for, by the rules of the C library's message catalogs: the
// locale of messages is the first of LC_ALL, LC_MESSAGES and LANG that is set; in the "C" or
// "POSIX" locale (or none) the texts are English; otherwise the first language of LANGUAGE
// the program speaks, else the locale's own language where the program speaks it, else English.
QString DesktopLanguage(const LanguageEnvironment& environment);

// The same for a list of user-interface languages by preference (Windows' "en-US", "ja-JP"):
// the first the program speaks, else English.
QString PreferredLanguage(const QStringList& uiLanguages);

// The language of this desktop: LanguageEnvironment's on the free systems, the user's
// interface languages on Windows.
QString SystemLanguage();

// The language whose catalogs are installed in the application now; "en" when none are.
QString InstalledLanguage();

// Whether the windows' own fonts have every letter of the texts in the installed language;
// where they do not (Japanese), their texts need the system's fallback fonts.
bool InstalledLanguageInOwnFonts();

// The folder of the system's own translations of Qt's texts (Qt's TranslationsPath).
QString SystemQtTranslationsFolder();

// The catalogs of one language installed into the application, with Qt's own translations
// of its dialogs, context menus and standard buttons: the system's where it has them, else
// the ones the program carries (Qt's own on Windows, its own Indonesian one everywhere).
// Installing another language removes the previous one's; English removes all. Only while an
// application object exists.
class Translations {
public:
    // Qt's own texts come from `systemQtFolder`'s catalogs where it has one for the language.
    explicit Translations(QString systemQtFolder = SystemQtTranslationsFolder());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Installs `code`'s catalogs; false, leaving English, when the program has none for it.
    bool Install(const QString& code);
    QString Current() const { return current_; }

private:
    void Remove();

    void InstallQtCatalog(const QString& code);

    QString systemQtFolder_;
    std::vector<std::unique_ptr<QTranslator>> installed_;
    QString current_ = QStringLiteral("en");
};

} // namespace host
