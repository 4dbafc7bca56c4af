// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's texts fit the boxes of its fixed layout in every language the program
// speaks, and overlap nothing they do not overlap in English.

#include "../../support/TextFit.h"

#include "MainWindowFixture.h"
#include "host/qt/Languages.h"

namespace {

class MainWindowTextFitTest : public ::testing::TestWithParam<const char*> {
protected:
    // The window as the user first sees it, in the language installed.
    std::unique_ptr<app::frmMain> Open() {
        auto window =
            std::make_unique<app::frmMain>(app::MainWindowServices{&random_, &boxes_, [] {}, &clock_, &files_});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }

private:
    SequenceRandom random_;
    host::ScriptedMessageBoxes boxes_;
    ScriptedClock clock_;
    host::ScriptedFileDialogs files_;
};

TEST_P(MainWindowTextFitTest, EveryTextFitsItsBox) {
    const auto english = testsupport::OverlappingTexts(Open().get());
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    const auto window = Open();
    for (const QString& fault : testsupport::CutTexts(window.get())) ADD_FAILURE() << fault.toStdString();
    for (const auto& [a, b] : testsupport::OverlappingTexts(window.get())) {
        EXPECT_TRUE(english.contains({a, b})) << a.toStdString() << " overlaps " << b.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, MainWindowTextFitTest, ::testing::Values("en", "id", "ja"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
