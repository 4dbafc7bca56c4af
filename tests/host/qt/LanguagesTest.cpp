// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the texts are shown in: the desktop's locale variables as the C library
// reads them, Windows' interface languages, and the codes people type.

#include "host/qt/Languages.h"

#include "host/qt/Fonts.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

TEST(Languages, CodesAreReadFromLocaleNamesAndTags) {
    const struct {
        const char* name;
        const char* code;
    } cases[] = {
        {"id", "id"},
        {"id_ID.UTF-8", "id"},
        {"id-ID", "id"},
        {"in", "id"},
        {"in_ID", "id"},
        {"ja_JP.eucJP", "ja"},
        {"ja_JP@euro", "ja"},
        {"JA", "ja"},
        {"en_GB.UTF-8", "en"},
        {"en", "en"},
        {"C", ""},
        {"C.UTF-8", ""},
        {"POSIX", ""},
        {"", ""},
        {"jav", ""},
        {"de_DE", ""},
        {"i", ""},
        {"id1", ""},
        {"ja!", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(host::SpokenLanguage(QString::fromLatin1(c.name)), c.code) << c.name;
}

TEST(Languages, TheDesktopsVariablesAreReadInTheCLibrarysOrder) {
    const struct {
        host::LanguageEnvironment environment; // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        const char* code;
    } cases[] = {
        {{"", "", "", ""}, "en"},
        {{"", "", "", "id_ID.UTF-8"}, "id"},
        {{"", "", "ja_JP.UTF-8", "id_ID.UTF-8"}, "ja"},
        {{"", "en_US.UTF-8", "ja_JP.UTF-8", "id_ID.UTF-8"}, "en"},
        {{"", "de_DE.UTF-8", "", ""}, "en"},
        // LANGUAGE's list by preference, the first language spoken wins...
        {{"de:ja:id", "", "", "id_ID.UTF-8"}, "ja"},
        {{"en_GB:id", "", "", "id_ID.UTF-8"}, "en"},
        {{"de:fr", "", "", "id_ID.UTF-8"}, "id"},
        // ...but not in the C locale, nor where no locale is set at all.
        {{"ja", "", "", "C.UTF-8"}, "en"},
        {{"ja", "C", "", "id_ID.UTF-8"}, "en"},
        {{"ja", "", "", ""}, "en"},
    };
    for (const auto& c : cases) {
        const auto& e = c.environment;
        EXPECT_EQ(host::DesktopLanguage(e), c.code)
            << "LANGUAGE=" << e.language.toStdString() << " LC_ALL=" << e.lcAll.toStdString()
            << " LC_MESSAGES=" << e.lcMessages.toStdString() << " LANG=" << e.lang.toStdString();
    }
}

TEST(Languages, WindowsInterfaceLanguagesAreTakenByPreference) {
    const struct {
        QStringList languages;
        const char* code;
    } cases[] = {
        {{}, "en"},        {{"ja-JP", "en-US"}, "ja"}, {{"de-DE", "id-ID", "ja-JP"}, "id"}, {{"en-US", "ja-JP"}, "en"},
        {{"de-DE"}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(host::PreferredLanguage(c.languages), c.code) << c.languages.join(u',').toStdString();
}

TEST(Languages, EnglishFirstThenEveryLanguageOnce) {
    const auto& languages = host::Languages();
    ASSERT_FALSE(languages.empty());
    EXPECT_STREQ(languages.front().code, "en");
    for (const host::Language& language : languages) {
        EXPECT_EQ(host::SpokenLanguage(QString::fromLatin1(language.code)), QLatin1String(language.code));
    }
}

TEST(Translations, ALanguageWithoutCatalogsLeavesEnglish) {
    host::Translations translations;
    EXPECT_FALSE(translations.Install(QStringLiteral("xx")));
    EXPECT_EQ(translations.Current(), QStringLiteral("en"));
    EXPECT_TRUE(translations.Install(QStringLiteral("en")));
    EXPECT_EQ(translations.Current(), QStringLiteral("en"));
}

// The windows' own texts draw without fallback fonts only in a language written in their letters.
TEST(Translations, OwnTextFontsKeepTheirFallbacksOnlyWhereTheLanguageNeedsThem) {
    const struct {
        const char* code;
        bool ownGlyphs;
    } cases[] = {{"id", true}, {"ja", false}, {"en", true}};
    host::Translations translations;
    for (const auto& c : cases) {
        translations.Install(QString::fromLatin1(c.code));
        EXPECT_EQ(host::InstalledLanguage(), QLatin1String(c.code));
        EXPECT_EQ(host::InstalledLanguageInOwnFonts(), c.ownGlyphs) << c.code;
        const QFont font = host::OwnTextFont(host::LayoutFont(QStringLiteral("Tahoma"), 8.25));
        EXPECT_EQ(bool(font.styleStrategy() & QFont::NoFontMerging), c.ownGlyphs) << c.code;
    }
}

} // namespace
