// SPDX-License-Identifier: GPL-3.0-or-later
// The main window in the other languages: no English word left where the catalog has its
// translation, the stored buttons' captions from the catalog too, and access keys that stay
// as distinct as in English.

#include "host/qt/Languages.h"

#include "../../support/QtLookups.h"
#include "MainWindowFixture.h"
#include "controls/chameleonButton/WindowDescription.h"
#include "controls/chameleonButton/chameleonButton.h"
#include "host/qt/AccessKeys.h"

#include <QMap>
#include <QMenu>
#include <QRawFont>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTranslator>

namespace {

// The window opened in the language installed, and what it says.
class MainWindowInLanguage : public MainWindowOpener {
protected:
    // Every text the window shows or tells assistive technology, by where it is.
    static QMap<QString, QString> Texts(const app::frmMain& window) {
        QMap<QString, QString> texts;
        QList<const QWidget*> widgets{&window};
        for (const QWidget* child : window.findChildren<const QWidget*>()) widgets.push_back(child);
        for (const QWidget* widget : widgets) {
            if (!widget->isVisible() && !qobject_cast<const QMenu*>(widget)) continue;
            const QString name = widget->objectName();
            if (const auto* label = qobject_cast<const QLabel*>(widget)) texts[name + ".text"] = label->text();
            if (const auto* button = qobject_cast<const chameleon::chameleonButton*>(widget))
                texts[name + ".caption"] = button->Caption();
            else if (const auto* box = qobject_cast<const QAbstractButton*>(widget))
                texts[name + ".text"] = box->text();
            if (const auto* frame = qobject_cast<const host::Frame*>(widget))
                texts[name + ".caption"] = frame->caption();
            if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
                for (const QAction* action : menu->actions()) texts[action->objectName() + ".text"] = action->text();
            }
            texts[name + ".accessibleName"] = widget->accessibleName();
            texts[name + ".accessibleDescription"] = widget->accessibleDescription();
            texts[name + ".toolTip"] = widget->toolTip();
        }
        if (const auto* log = window.findChild<const QListWidget*>("lstStat"); log && log->isVisible()) {
            for (int row = 0; row < log->count(); ++row)
                texts[QStringLiteral("lstStat.row%1").arg(row)] = log->item(row)->text();
        }
        return texts;
    }
};

class MainWindowLanguagesTest : public MainWindowInLanguage,
                                public ::testing::TestWithParam<std::tuple<const char*, Shown>> {};
class StoredCaptionsTest : public MainWindowInLanguage, public ::testing::TestWithParam<const char*> {};

TEST_P(MainWindowLanguagesTest, NoEnglishWordIsLeft) {
    const auto [language, shown] = GetParam();
    const QMap<QString, QString> english = Texts(*Open(shown));
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(language)));
    const QMap<QString, QString> translated = Texts(*Open(shown));
    // Words are what a translation changes; figures, signs and the program's name stay.
    const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    const QRegularExpression kept(QStringLiteral("^(Tavrendale|example\\.com|www\\.example\\.org/tavrendale)$"));
    int compared = 0;
    for (auto text = english.cbegin(); text != english.cend(); ++text) {
        QString words = text.value();
        words.remove(QStringLiteral("Tavrendale")).remove(QRegularExpression(QStringLiteral("Shift\\+F10|Ctrl\\+E")));
        if (!words.contains(word) || kept.match(text.value()).hasMatch()) continue;
        ++compared;
        ASSERT_TRUE(translated.contains(text.key())) << text.key().toStdString();
        EXPECT_NE(translated[text.key()], text.value()) << text.key().toStdString() << " stays English";
    }
    EXPECT_GT(compared, 10);
}

// Each stored caption with words is one the catalog translates, and the window shows that.
TEST_P(StoredCaptionsTest, ComeFromTheCatalog) {
    const char* language = GetParam();
    // Every stored button shows with the results.
    const Shown shown = Shown::LoggedResults;
    const std::unique_ptr<app::frmMain> english = Open(shown);
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(language)));
    const std::unique_ptr<app::frmMain> window = Open(shown);
    QTranslator catalog;
    ASSERT_TRUE(catalog.load(QStringLiteral(":/i18n/app_%1.qm").arg(QLatin1String(language))));
    const chameleon::WindowDescription description =
        *chameleon::WindowDescription::FromResource(QStringLiteral(":/forms/frmMain.twd"), nullptr);
    int words = 0;
    for (const host::StoredControl& control : description.Controls()) {
        const QString name = QString::fromStdU16String(control.name);
        const QString stored = FindIn<chameleon::chameleonButton>(*english, name.toLatin1().constData())->Caption();
        const QString shownCaption =
            FindIn<chameleon::chameleonButton>(*window, name.toLatin1().constData())->Caption();
        // A picture font's letter is a symbol, the same in every language.
        if (stored.size() == 1) {
            EXPECT_EQ(shownCaption, stored) << name.toStdString();
            continue;
        }
        ++words;
        const QString expected = catalog.translate("app::frmMain", stored.toUtf8().constData());
        EXPECT_FALSE(expected.isEmpty()) << name.toStdString() << ": \"" << stored.toStdString()
                                         << "\" is missing from the captions' table";
        EXPECT_EQ(shownCaption, expected) << name.toStdString();
    }
    EXPECT_EQ(words, 3);
}

// A key two visible controls share in a translation is one they share in English too.
TEST_P(MainWindowLanguagesTest, AccessKeysStayAsDistinctAsInEnglish) {
    const auto [language, shown] = GetParam();
    const auto shared = [](const app::frmMain& window) {
        QMap<QKeySequence, QStringList> owners;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const QKeySequence key = host::AccessKeys::AccessKeyOf(widget);
            if (!key.isEmpty() && widget->isVisible() && widget->isEnabled()) owners[key] << widget->objectName();
        }
        std::set<QStringList> sets;
        int keys = 0;
        for (QStringList names : owners) {
            ++keys;
            names.sort();
            if (names.size() > 1) sets.insert(names);
        }
        return std::pair(sets, keys);
    };
    const auto [english, englishKeys] = shared(*Open(shown));
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(language)));
    const auto [translated, keys] = shared(*Open(shown));
    for (const QStringList& names : translated)
        EXPECT_TRUE(english.contains(names)) << names.join(u',').toStdString() << " share a key";
    EXPECT_GE(keys, englishKeys) << "every control with an access key in English keeps one";
}

// A text drawn without fallback fonts has every letter in its own font; the others (Japanese
// in fonts made for the Latin alphabet) take theirs from the fallbacks.
TEST_P(MainWindowLanguagesTest, NoLetterIsDrawnAsAnEmptyBox) {
    const auto [language, shown] = GetParam();
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(language)));
    const std::unique_ptr<app::frmMain> window = Open(shown);
    int fallbacks = 0;
    for (const QWidget* widget : window->findChildren<const QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            text = label->text();
        else if (const auto* frame = qobject_cast<const host::Frame*>(widget))
            text = frame->caption();
        else if (const auto* check = qobject_cast<const QCheckBox*>(widget))
            text = check->text();
        if (text.isEmpty() || !widget->isVisible()) continue;
        if (!(widget->font().styleStrategy() & QFont::NoFontMerging)) {
            ++fallbacks;
            continue;
        }
        const QRawFont font = QRawFont::fromFont(widget->font());
        for (const QChar c : text) {
            if (c.isPrint() && !c.isSpace()) {
                EXPECT_TRUE(font.supportsCharacter(c))
                    << widget->objectName().toStdString() << ": \"" << text.toStdString() << "\"";
            }
        }
    }
    // Japanese needs the fallbacks; Indonesian is written in the fonts' own letters.
    EXPECT_EQ(fallbacks > 0, QLatin1String(language) == QLatin1String("ja"));
}

// Qt's own context menus in the window, of its text fields and of the log's scroll bars: in
// Indonesian, which Qt has no catalog for, the program's catalog of Qt's texts answers every
// text Qt asks for.
class QtContextMenusTest : public MainWindowOpener, public ::testing::TestWithParam<Shown> {};

TEST_P(QtContextMenusTest, IndonesianLeavesNoQtTextInEnglish) {
    testsupport::UntranslatedRecorder recorder;
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QStringLiteral("id")));
    const std::unique_ptr<app::frmMain> window = Open(GetParam());
    recorder.Clear();
    QStringList texts;
    int fields = 0;
    for (const char* name : {"txtTime", "txtResult"}) {
        auto* field = FindIn<QLineEdit>(*window, name);
        // A field the window disables takes no mouse.
        if (!field->isEnabled()) continue;
        ++fields;
        texts << testsupport::ContextMenuTexts(field, {1, 1});
    }
    const auto* log = FindIn<QListWidget>(*window, "lstStat");
    texts << testsupport::ContextMenuTexts(log->verticalScrollBar(), {1, 1})
          << testsupport::ContextMenuTexts(log->horizontalScrollBar(), {1, 1});
    EXPECT_GT(fields, 0);
    EXPECT_TRUE(texts.contains(QStringLiteral("Gulir ke sini"))) << texts.join(u',').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("T&empel"))) << texts.join(u',').toStdString();
    EXPECT_EQ(recorder.Untranslated().toStdString(), "") << "left in English";
}

INSTANTIATE_TEST_SUITE_P(Languages, QtContextMenusTest,
                         ::testing::Values(Shown::FirstLook, Shown::LoggedResults, Shown::UnloggedResults),
                         [](const ::testing::TestParamInfo<Shown>& info) { return ShownName(info.param); });

INSTANTIATE_TEST_SUITE_P(
    Languages, MainWindowLanguagesTest,
    ::testing::Combine(::testing::Values("id", "ja"),
                       ::testing::Values(Shown::FirstLook, Shown::LoggedResults, Shown::UnloggedResults)),
    [](const auto& info) { return std::string(std::get<0>(info.param)) + "_" + ShownName(std::get<1>(info.param)); });

INSTANTIATE_TEST_SUITE_P(Languages, StoredCaptionsTest, ::testing::Values("id", "ja"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
