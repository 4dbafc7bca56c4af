// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's English texts in the window's language: every text the engine can word, on
// every way a run can go, has its translation, and keeps its figures as the engine wrote them.

#include "app/EngineTexts.h"

#include "MainWindowFixture.h"
#include "host/qt/Languages.h"
#include "test/TestEngine.h"

#include <QRegularExpression>
#include <functional>
#include <vector>

namespace {

// Keeps every text the engine hands the window.
class TextRecorder final : public test::TestEngineListener {
public:
    void DurationRefused(const std::string& message) override { texts.push_back(message); }
    void LogLineAdded(const std::string& line) override { texts.push_back(line); }
    void ResultsReady(const test::ResultSummary& summary) override {
        for (const auto* line : {&summary.answeredLine, &summary.trueLine, &summary.falseLine, &summary.durationLine,
                                 &summary.perSecondLine, &summary.perMinuteLine}) {
            if (*line) texts.push_back(**line);
        }
    }
    std::vector<std::string> texts;
};

// Every way a run can go, each once.
std::vector<std::string> EveryEngineText() {
    const std::vector<std::function<void(test::TestEngine&, ScriptedClock&)>> runs = {
        [](test::TestEngine& engine, ScriptedClock&) { engine.Start("x", true); },
        [](test::TestEngine& engine, ScriptedClock& clock) {
            engine.Start("1", true);
            engine.SubmitAnswer("0");
            engine.SubmitAnswer("1");
            for (int i = 0; i < 60; ++i) {
                clock.Advance(1000);
                engine.Tick();
            }
        },
        [](test::TestEngine& engine, ScriptedClock&) {
            engine.Start("1", true);
            engine.Stop();
        },
        [](test::TestEngine& engine, ScriptedClock&) {
            engine.Start("1", false);
            engine.Stop();
        },
        [](test::TestEngine& engine, ScriptedClock&) {
            engine.Start("1", false);
            for (int i = 0; i < 60; ++i) engine.Tick();
        },
    };
    std::vector<std::string> texts = {"Duration: 0 minute(s)", "Total answered: 0", "Operation per min: 0"};
    for (const auto& run : runs) {
        SequenceRandom random;
        random.Push({0.55f}); // every pair 5 + 5
        ScriptedClock clock;
        TextRecorder recorder;
        test::TestEngine engine(random, clock);
        engine.SetListener(&recorder);
        run(engine, clock);
        texts.insert(texts.end(), recorder.texts.begin(), recorder.texts.end());
    }
    return texts;
}

TEST(EngineTexts, EnglishStaysByteForByte) {
    for (const std::string& text : EveryEngineText()) EXPECT_EQ(app::EngineText(text).toStdString(), text);
    EXPECT_EQ(app::EngineText("A text the engine never words"), "A text the engine never words");
}

class EngineTextsTest : public ::testing::TestWithParam<const char*> {};

TEST_P(EngineTextsTest, EveryTextIsTranslatedWithItsFigures) {
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    const std::vector<std::string> texts = EveryEngineText();
    // The refusal, both judgements, counts, a clock, rates and the dashes of an unlogged run.
    for (const char* expected : {"Invalid value", " | TRUE", " | FALSE", "Total true: 1", "Duration: 1:00",
                                 "Operation per sec: 0.00", "Total false: -", "Duration: - minute(s)", "Duration: -"}) {
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [expected](const std::string& text) {
            return text.find(expected) == 0 || text.ends_with(expected);
        })) << expected;
    }
    // A figure: a count, a clock, a rate, a dash, or the pair and its answer.
    const QRegularExpression figure(QStringLiteral("(\\d+ \\+ \\d+ = \\d|\\d+[:.]\\d+|\\d+|-)$"));
    for (const std::string& english : texts) {
        const QString shown = app::EngineText(english);
        EXPECT_NE(shown.toStdString(), english) << "stays English";
        EXPECT_FALSE(shown.contains(QStringLiteral("%1"))) << english;
        QString text = QString::fromStdString(english);
        text.remove(QRegularExpression(QStringLiteral(" \\| (TRUE|FALSE)$")));
        text.remove(QRegularExpression(QStringLiteral(" minute\\(s\\)$")));
        if (const QRegularExpressionMatch match = figure.match(text); match.hasMatch()) {
            EXPECT_TRUE(shown.contains(match.captured(1))) << english << " loses " << match.captured(1).toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EngineTextsTest, ::testing::Values("id", "ja"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
