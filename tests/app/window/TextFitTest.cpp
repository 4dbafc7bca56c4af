// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's texts fit the boxes of its fixed layout in every language the program
// speaks, and overlap nothing they do not overlap in English: as the user first sees it, and
// with the results of a logged and of an unlogged run.

#include "../../support/TextFit.h"

#include "MainWindowFixture.h"
#include "host/qt/Languages.h"

namespace {

class MainWindowTextFitTest : public MainWindowOpener,
                              public ::testing::TestWithParam<std::tuple<const char*, Shown>> {};

TEST_P(MainWindowTextFitTest, EveryTextFitsItsBox) {
    const auto [language, shown] = GetParam();
    const auto english = testsupport::OverlappingTexts(Open(shown).get());
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(language)));
    const auto window = Open(shown);
    // The way to the exam sheets shows in every state, in every language.
    EXPECT_TRUE(window->findChild<QWidget*>("cmdExamSheets")->isVisible());
    for (const QString& fault : testsupport::CutTexts(window.get())) ADD_FAILURE() << fault.toStdString();
    for (const auto& [a, b] : testsupport::OverlappingTexts(window.get())) {
        EXPECT_TRUE(english.contains({a, b})) << a.toStdString() << " overlaps " << b.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, MainWindowTextFitTest,
    ::testing::Combine(::testing::Values("en", "id", "ja"),
                       ::testing::Values(Shown::FirstLook, Shown::LoggedResults, Shown::UnloggedResults)),
    [](const auto& info) { return std::string(std::get<0>(info.param)) + "_" + ShownName(std::get<1>(info.param)); });

} // namespace
