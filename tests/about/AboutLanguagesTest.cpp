// SPDX-License-Identifier: GPL-3.0-or-later
// The About window in every language the program speaks: its texts fit their boxes and
// overlap nothing new, no English word is left where the catalog has its translation, and
// its button's stored caption comes from the catalog.

#include "../support/TextFit.h"
#include "about/frmAbout.h"
#include "controls/chameleonButton/chameleonButton.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/Frame.h"
#include "host/qt/Languages.h"

#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<about::frmAbout> Open() {
    auto window = std::make_unique<about::frmAbout>();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

// Every text the window shows or tells assistive technology, by where it is.
QMap<QString, QString> Texts(const about::frmAbout& window) {
    QMap<QString, QString> texts{{QStringLiteral("frmAbout.title"), window.windowTitle()}};
    for (const QWidget* widget : window.findChildren<const QWidget*>()) {
        if (!widget->isVisible() || widget->objectName().isEmpty()) continue;
        const QString name = widget->objectName();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) texts[name + ".text"] = label->text();
        if (const auto* button = qobject_cast<const chameleon::chameleonButton*>(widget))
            texts[name + ".caption"] = button->Caption();
        if (const auto* credits = qobject_cast<const QPlainTextEdit*>(widget))
            texts[name + ".text"] = credits->toPlainText();
        texts[name + ".accessibleName"] = widget->accessibleName();
        texts[name + ".accessibleDescription"] = widget->accessibleDescription();
    }
    return texts;
}

class AboutLanguagesTest : public ::testing::TestWithParam<const char*> {};

TEST_P(AboutLanguagesTest, EveryTextFitsItsBox) {
    const auto english = testsupport::OverlappingTexts(Open().get());
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    const auto window = Open();
    for (const QString& fault : testsupport::CutTexts(window.get())) ADD_FAILURE() << fault.toStdString();
    for (const auto& [a, b] : testsupport::OverlappingTexts(window.get())) {
        EXPECT_TRUE(english.contains({a, b})) << a.toStdString() << " overlaps " << b.toStdString();
    }
}

class AboutTranslatedTest : public ::testing::TestWithParam<const char*> {};

TEST_P(AboutTranslatedTest, NoEnglishWordIsLeft) {
    const QMap<QString, QString> english = Texts(*Open());
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    const QMap<QString, QString> translated = Texts(*Open());
    // Names, addresses, the version and the button's "OK" (a word in Indonesian too) stay.
    const QRegularExpression kept(QStringLiteral("^(Tavrendale|v1\\.0|author@example\\.com|example\\.com|"
                                                 "www\\.example\\.org/tavrendale|\u00A9 2026 Example Publishing House|"
                                                 "&OK|OK)$"));
    const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    int compared = 0;
    for (auto text = english.cbegin(); text != english.cend(); ++text) {
        if (!text.value().contains(word) || kept.match(text.value()).hasMatch()) continue;
        ++compared;
        EXPECT_NE(translated[text.key()], text.value()) << text.key().toStdString() << " stays English";
    }
    EXPECT_GE(compared, 10);
    EXPECT_EQ(translated[QStringLiteral("txtCredits.text")].count(u'\n'), 2) << "the credits keep their three lines";
}

TEST_P(AboutTranslatedTest, TheStoredCaptionComesFromTheCatalogWithItsAccessKey) {
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    const auto window = Open();
    QTranslator catalog;
    ASSERT_TRUE(catalog.load(QStringLiteral(":/i18n/about_%1.qm").arg(QLatin1String(GetParam()))));
    const QString expected = catalog.translate("about::frmAbout", "&OK");
    ASSERT_FALSE(expected.isEmpty()) << "\"&OK\" is missing from the captions' table";
    auto* ok = window->findChild<chameleon::chameleonButton*>(QStringLiteral("cmdOK"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->Caption(), expected);
    EXPECT_EQ(host::AccessKeys::AccessKeyOf(ok), QKeySequence(Qt::ALT | Qt::Key_O));
}

INSTANTIATE_TEST_SUITE_P(Languages, AboutLanguagesTest, ::testing::Values("en", "id", "ja"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });
INSTANTIATE_TEST_SUITE_P(Languages, AboutTranslatedTest, ::testing::Values("id", "ja"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
