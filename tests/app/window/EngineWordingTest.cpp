// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's texts as the main window shows them: in English word for word as the engine
// words them, and in another language with every figure the engine gave, each in its place.
// Every run is played twice, through the window and on an engine of the test's own beside
// it, which says what the window should show.

#include "../../support/PseudoTranslator.h"
#include "MainWindowFixture.h"
#include "engine/TestEngine.h"
#include "host/qt/Languages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

// What the user does in a run.
enum class Step { Right, Wrong, Tick, Minute, Stop };

struct RunCase {
    const char* name;
    // Empty: Start is never pressed.
    const char* duration;
    bool logging;
    std::vector<Step> steps;
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

const RunCase kRuns[] = {
    {"BeforeARun", "", true, {}},
    {"RefusedLetters", "a", true, {}},
    {"RefusedBelowOne", "0.5", true, {}},
    {"LoggedToTheEnd", "1", true, {Step::Right, Step::Wrong, Step::Right, Step::Minute}},
    {"LoggedStoppedBeforeATick", "1", true, {Step::Wrong, Step::Stop}},
    {"LoggedStoppedAfterAMinute", "2", true, {Step::Right, Step::Right, Step::Wrong, Step::Minute, Step::Stop}},
    {"UnloggedStopped", "1", false, {Step::Right, Step::Wrong, Step::Tick, Step::Stop}},
    {"UnloggedToTheEnd", "1", false, {Step::Right, Step::Minute}},
};

// The pairs drawn: 7 + 5, 6 + 9, 0 + 0, 3 + 8, then 8 + 8 from there on.
constexpr float kDraws[] = {0.75f, 0.55f, 0.65f, 0.95f, 0.05f, 0.05f, 0.35f, 0.85f, 0.85f};
constexpr int kTicksPerMinute = 60;

// A text of the engine's as the window shows it, and what the engine said there.
struct EngineTextShown {
    std::string where;
    QString shown;
    engine::Wording wording;
    std::vector<std::string> figures;
    // The engine's own English for it.
    std::string english;
};

// The engine beside the window: keeps what it tells, as the window keeps what it shows.
class Twin final : public engine::TestEngineListener {
public:
    Twin() {
        engine.SetListener(this);
        const std::string zero = "0";
        namespace wording = engine::wording;
        lines = {engine::ResultLine{wording::kDurationInMinutesLine, zero},
                 engine::ResultLine{wording::kAnsweredLine, zero},
                 engine::ResultLine{wording::kTrueLine, zero},
                 engine::ResultLine{wording::kFalseLine, zero},
                 engine::ResultLine{wording::kPerSecondLine, zero},
                 engine::ResultLine{wording::kPerMinuteLine, zero}};
    }
    void DurationRefused(engine::DurationRefusal r) override { refusal = r; }
    void ResultsReady(const engine::ResultSummary& summary) override {
        const std::optional<engine::ResultLine>* given[] = {&summary.durationLine,  &summary.answeredLine,
                                                            &summary.trueLine,      &summary.falseLine,
                                                            &summary.perSecondLine, &summary.perMinuteLine};
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (*given[i]) lines[i] = **given[i];
        }
    }

    SequenceRandom random;
    ScriptedClock clock;
    engine::TestEngine engine{random, clock};
    // The result lines in the panel's order, top to bottom.
    std::vector<engine::ResultLine> lines;
    std::optional<engine::DurationRefusal> refusal;
};

class EngineWordingTest : public MainWindowFixture {
protected:
    // Plays `run` through the window and on the twin; the texts the window then shows.
    std::vector<EngineTextShown> Play(const RunCase& run) {
        Twin twin;
        for (const float draw : kDraws) {
            twin.random.Push({draw});
            random.Push({draw});
        }
        boxes.ClearRequests();
        if (*run.duration != '\0') {
            SetDuration(QString::fromLatin1(run.duration));
            Get<QCheckBox>("chkStatistic")->setChecked(run.logging);
            Click("cmdStart");
            twin.engine.Start(run.duration, run.logging);
        }
        for (const Step step : run.steps) {
            EXPECT_EQ(Text("lblVal1").toStdString(), twin.engine.operand1Text());
            EXPECT_EQ(Text("lblVal2").toStdString(), twin.engine.operand2Text());
            const int sum = std::stoi(twin.engine.operand1Text()) + std::stoi(twin.engine.operand2Text());
            switch (step) {
            case Step::Right:
            case Step::Wrong: {
                const std::string digit = std::to_string((sum + (step == Step::Right ? 0 : 1)) % 10);
                Answer(digit.c_str());
                twin.engine.SubmitAnswer(digit);
                break;
            }
            case Step::Tick:
            case Step::Minute:
                for (int i = 0; i < (step == Step::Tick ? 1 : kTicksPerMinute); ++i) {
                    Ticks(1);
                    twin.engine.Tick();
                }
                break;
            case Step::Stop:
                boxes.Answer(host::MessageAnswer::Yes);
                Click("cmdStop");
                twin.engine.Stop();
                break;
            }
        }

        std::vector<EngineTextShown> texts;
        const char* labels[] = {"lblDuration",   "lblTotalAnswered", "lblTotalTrue",
                                "lblTotalFalse", "lblOpSec",         "lblOpMin"};
        for (std::size_t i = 0; i < twin.lines.size(); ++i) {
            const engine::ResultLine& line = twin.lines[i];
            texts.push_back({labels[i], Text(labels[i]), line.wording, {line.figure}, line.english()});
        }
        const QStringList rows = LogRows();
        const std::vector<std::string> english = twin.engine.answerLog();
        EXPECT_EQ(static_cast<std::size_t>(rows.size()), english.size());
        for (std::size_t i = 0; i < english.size() && i < static_cast<std::size_t>(rows.size()); ++i) {
            const engine::LogLine& line = twin.engine.logLines()[i];
            std::vector<std::string> figures;
            if (!line.notLogged) figures = {line.operand1Text(), line.operand2Text(), line.answer};
            texts.push_back(
                {"lstStat row " + std::to_string(i), rows[static_cast<int>(i)], line.wording(), figures, english[i]});
        }
        std::vector<QString> warnings;
        for (const host::MessageRequest& request : boxes.requests()) {
            if (request.icon == host::MessageIcon::Warning) warnings.push_back(request.text);
        }
        EXPECT_EQ(warnings.size(), twin.refusal ? 1u : 0u);
        if (twin.refusal && !warnings.empty()) {
            const engine::Wording& wording = engine::WordingOf(*twin.refusal);
            texts.push_back({"refusal", warnings.front(), wording, {}, engine::Worded(wording)});
        }
        return texts;
    }
};

// The pieces each run must show, so that a run that went another way fails.
struct Seen {
    const char* run;
    std::vector<std::string> english;
};

const Seen kSeen[] = {
    {"BeforeARun", {"Duration: 0 minute(s)", "Total answered: 0", "Operation per sec: 0"}},
    {"RefusedLetters",
     {"Invalid value detected in test duration field, please change the value into numbers only, "
      "then try again."}},
    {"RefusedBelowOne",
     {"Invalid value detected in test duration field, please change the value into numbers only, "
      "then try again."}},
    {"LoggedToTheEnd",
     {" 7 +  5 = 2 | TRUE", " 6 +  9 = 6 | FALSE", " 0 +  0 = 0 | TRUE", "Duration: 1:00", "Total answered: 3",
      "Total true: 2", "Total false: 1", "Operation per sec: 0.03", "Operation per min: 2.00"}},
    {"LoggedStoppedBeforeATick", {" 7 +  5 = 3 | FALSE", "Duration: 0:00", "Operation per sec: 0.00"}},
    {"LoggedStoppedAfterAMinute", {" 0 +  0 = 1 | FALSE", "Duration: 1:00", "Operation per min: 2.00"}},
    {"UnloggedStopped", {"Result not logged.", "Duration: - minute(s)", "Total true: -", "Operation per min: -"}},
    {"UnloggedToTheEnd", {"Result not logged.", "Duration: -", "Total false: -", "Operation per sec: -"}},
};

class EnglishWordingTest : public EngineWordingTest, public testing::WithParamInterface<RunCase> {};

TEST_P(EnglishWordingTest, IsTheEnginesWordForWord) {
    const std::vector<EngineTextShown> texts = Play(GetParam());
    for (const EngineTextShown& text : texts) EXPECT_EQ(text.shown.toStdString(), text.english) << text.where;
    for (const Seen& seen : kSeen) {
        if (std::string(seen.run) != GetParam().name) continue;
        for (const std::string& english : seen.english) {
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                                    [&](const EngineTextShown& text) { return text.english == english; }))
                << "no \"" << english << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, EnglishWordingTest, testing::ValuesIn(kRuns),
                         [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

// A language whose texts keep the English words but put the figures the other way round:
// "Total true: %1" becomes "⟦Total true: %1⟧" and "%1 + %2 = %3 | TRUE" "⟦%3 + %2 = %1 | TRUE⟧".
// A figure the window drops, puts in twice or hands in the wrong order shows.
class ReversingTranslator final : public testsupport::PseudoTranslator {
public:
    // `text` with its markers numbered from the other end, in the marks.
    static QString Translation(const QString& text) { return QChar(kOpen) + Reversed(text) + QChar(kClose); }

protected:
    QString Rewritten(const QString& source) const override { return Reversed(source); }

private:
    static QString Reversed(const QString& text) {
        static const QRegularExpression marker(QStringLiteral("%([1-9])"));
        int count = 0;
        for (auto it = marker.globalMatch(text); it.hasNext(); it.next()) ++count;
        QString reversed;
        qsizetype from = 0;
        for (auto it = marker.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            reversed += text.mid(from, match.capturedStart() - from);
            reversed += QLatin1Char('%') + QString::number(count + 1 - match.captured(1).toInt());
            from = match.capturedEnd();
        }
        reversed += text.mid(from);
        return reversed;
    }
};

class ReversedWordingTest : public EngineWordingTest, public testing::WithParamInterface<RunCase> {
protected:
    // Installed before the window is made.
    ReversingTranslator translator;
};

TEST_P(ReversedWordingTest, EveryFigureStandsWhereTheTranslationPutsIt) {
    for (const EngineTextShown& text : Play(GetParam())) {
        const QByteArray translation =
            ReversingTranslator::Translation(QString::fromUtf8(text.wording.english)).toUtf8();
        std::vector<std::string_view> figures(text.figures.begin(), text.figures.end());
        std::string expected;
        switch (figures.size()) {
        case 0: expected = engine::Worded({text.wording.context, translation.constData()}); break;
        case 1: expected = engine::Worded({text.wording.context, translation.constData()}, {figures[0]}); break;
        default:
            ASSERT_EQ(figures.size(), 3u) << text.where;
            expected =
                engine::Worded({text.wording.context, translation.constData()}, {figures[0], figures[1], figures[2]});
        }
        EXPECT_EQ(text.shown.toStdString(), expected) << text.where;
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, ReversedWordingTest, testing::ValuesIn(kRuns),
                         [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

// In the program's own languages: every text of the engine's is translated, and keeps its figures.
class CatalogWordingTest : public EngineWordingTest,
                           public testing::WithParamInterface<std::tuple<const char*, RunCase>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(translations.Install(QString::fromLatin1(std::get<0>(GetParam()))));
        EngineWordingTest::SetUp();
    }

    host::Translations translations;
};

TEST_P(CatalogWordingTest, EveryTextIsTranslatedWithItsFigures) {
    for (const EngineTextShown& text : Play(std::get<1>(GetParam()))) {
        EXPECT_NE(text.shown.toStdString(), text.english) << text.where << " stays English";
        EXPECT_FALSE(text.shown.contains(QLatin1Char('%'))) << text.where;
        for (const std::string& figure : text.figures)
            EXPECT_TRUE(text.shown.contains(QString::fromStdString(figure))) << text.where << " loses " << figure;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogWordingTest,
                         testing::Combine(testing::Values("id", "ja"), testing::ValuesIn(kRuns)), [](const auto& info) {
                             return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

} // namespace
