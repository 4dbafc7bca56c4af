// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping sittings as the user meets it in the Sheet results window: asked once, in the
// window's own bar, nothing written before the answer, this sitting and every later one kept
// after yes and none after no; a fault of the history told in one line with the file while
// the results stay; and where a sitting stands against the earlier ones.
#include "../support/ScriptedFileDialogs.h"
#include "../support/ScriptedMessageBoxes.h"
#include "../support/TemporaryHistory.h"
#include "keeping/Standing.h"
#include "sheetresults/frmSheetResults.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <memory>
#include <ostream>

namespace {

using sheetresults::frmSheetResults;

class KeepingTest : public testing::Test {
protected:
    // A Sheet results window for a sitting that has just ended, shown and active.
    std::unique_ptr<frmSheetResults> Results(int height = 12) {
        auto window = std::make_unique<frmSheetResults>(sheetresults::SheetResultsServices{&files, &boxes});
        const engine::KeptSitting kept = PracticeSitting(10, height, 0);
        const engine::KeptSheet& sheet = *kept.sheet();
        window->ShowSitting(
            {sheet.format, sheet.record, 7, engine::SittingEnd::TimeUp, sheet.elapsedMs, QDateTime::currentDateTime()});
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }
    static QString Bar(const frmSheetResults& window) {
        const auto* bar = window.findChild<QWidget*>("barKeep");
        return bar->isVisible() ? window.findChild<QLabel*>("lblKeep")->text() : QString();
    }
    static bool Shows(const frmSheetResults& window, const char* button) {
        return window.findChild<QAbstractButton*>(button)->isVisible();
    }

    TemporaryHistory history;
    host::ScriptedFileDialogs files;
    host::ScriptedMessageBoxes boxes;
};

struct Answer {
    const char* name;
    Qt::Key key;
    const char* remembered;
    std::size_t keptByThree;
};

void PrintTo(const Answer& answer, std::ostream* os) { *os << answer.name; }

class ConsentTest : public KeepingTest, public testing::WithParamInterface<Answer> {};

TEST_P(ConsentTest, IsAskedOnceAndNothingIsWrittenBeforeTheAnswer) {
    const auto first = Results();
    const auto second = Results();
    for (const auto* window : {first.get(), second.get()}) {
        EXPECT_TRUE(Bar(*window).startsWith("Keep this sitting and your later ones")) << Bar(*window).toStdString();
        EXPECT_TRUE(Shows(*window, "cmdKeep") && Shows(*window, "cmdDontKeep"));
    }
    EXPECT_EQ(history.Files(), QStringList()) << "written before the user answered";

    QTest::keyClick(second.get(), GetParam().key, Qt::AltModifier);
    EXPECT_EQ(Bar(*first), QString()) << "the answer holds for every window";
    EXPECT_EQ(Bar(*second), QString());
    EXPECT_EQ(QSettings(history.folder.filePath("settings.ini"), QSettings::IniFormat).value("History/keep"),
              GetParam().remembered);
    const auto third = Results(14);
    EXPECT_EQ(Bar(*third), QString()) << "asked again";
    EXPECT_EQ(history.Kept().size(), GetParam().keptByThree);
    // Where a history exists, the later sitting stands against the earlier ones.
    const QString standing = third->findChild<QLabel*>("lblStanding")->text();
    if (GetParam().keptByThree > 0) {
        EXPECT_TRUE(standing.contains("Speed (panker) 14.0, your best yet; previous 12.0 (+2.0)"))
            << standing.toStdString();
    } else {
        EXPECT_EQ(standing, QString());
        EXPECT_FALSE(QFile::exists(history.keeper->path())) << "a history made after no";
        // Keeping a history later keeps the sittings from then on, not those the user declined.
        history.keeper->SetConsent(true);
        EXPECT_EQ(history.Kept().size(), 0u) << "a declined sitting kept later";
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, ConsentTest,
                         testing::Values(Answer{"Keep", Qt::Key_K, "yes", 3}, Answer{"DontKeep", Qt::Key_D, "no", 0}),
                         [](const testing::TestParamInfo<Answer>& info) { return std::string(info.param.name); });

// A history the store cannot keep into, made so before the sitting ends, and how the user
// mends it: what the line says, the button that mends it, and what is done before pressing it.
struct FaultCase {
    const char* name;
    std::function<void(const TemporaryHistory&)> make;
    const char* says;
    const char* button;
    std::function<void(const TemporaryHistory&)> mend;
    // After the button: the sittings kept, and the damaged files set aside.
    std::size_t kept = 1;
    qsizetype setAside = 0;
};

void MakeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

const FaultCase kFaults[] = {
    {"FolderIsAFile", [](const TemporaryHistory& h) { MakeFile(h.folder.filePath("history"), "in the way"); },
     "The history could not be opened", "cmdRetry",
     [](const TemporaryHistory& h) { QFile::remove(h.folder.filePath("history")); }},
    {"Corrupt", [](const TemporaryHistory& h) { MakeFile(h.keeper->path(), QByteArray(4096, 'x')); },
     "The history is damaged and cannot be read", "cmdNewHistory", [](const TemporaryHistory&) {}, 1, 1},
    // Meanwhile another Tavrendale set the damaged file aside and kept a sitting in a new one:
    // that history is not set aside again.
    {"CorruptMendedElsewhere", [](const TemporaryHistory& h) { MakeFile(h.keeper->path(), QByteArray(4096, 'x')); },
     "The history is damaged and cannot be read", "cmdNewHistory",
     [](const TemporaryHistory& h) {
         QFile::rename(h.keeper->path(), h.keeper->path() + ".elsewhere");
         keeping::Keeper other({h.folder.filePath("settings.ini"), h.keeper->path()});
         engine::StoreFault fault;
         EXPECT_TRUE(other.Keep(PracticeSitting(10, 9, 5), fault)) << fault.reason;
     },
     2, 0},
    {"Newer",
     [](const TemporaryHistory& h) {
         {
             QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "newer");
             database.setDatabaseName(h.keeper->path());
             QDir().mkpath(QFileInfo(h.keeper->path()).path());
             ASSERT_TRUE(database.open());
             QSqlQuery(database).exec("PRAGMA user_version = 99");
         }
         QSqlDatabase::removeDatabase("newer");
     },
     "written by a newer Tavrendale (layout 99) and is only read here: ", nullptr, nullptr},
};

void PrintTo(const FaultCase& fault, std::ostream* os) { *os << fault.name; }

class FaultTest : public KeepingTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, IsToldInOneLineWithTheFileAndTheResultsStay) {
    const FaultCase& fault = GetParam();
    history.keeper->SetConsent(true);
    fault.make(history);
    const auto window = Results();
    const QString line = Bar(*window);
    EXPECT_TRUE(line.contains(fault.says)) << line.toStdString();
    EXPECT_TRUE(line.contains(QDir::toNativeSeparators(history.keeper->path()))) << line.toStdString();
    EXPECT_TRUE(line.endsWith("This sitting was not kept; its results stay here and can be saved as CSV."));
    EXPECT_GT(window->findChild<QTableWidget*>("grdScores")->rowCount(), 0);
    EXPECT_TRUE(window->findChild<QAbstractButton*>("cmdSave")->isEnabled());
    for (const char* button : {"cmdRetry", "cmdNewHistory", "cmdKeep"})
        EXPECT_EQ(Shows(*window, button), fault.button && std::string(button) == fault.button) << button;
    if (!fault.button) return;

    fault.mend(history);
    window->findChild<QAbstractButton*>(fault.button)->click();
    EXPECT_EQ(history.Kept().size(), fault.kept);
    // A damaged file is set aside beside the new one, never deleted, and the user is told where.
    const QStringList aside = QDir(QFileInfo(history.keeper->path()).path()).entryList({"history-corrupt-*"});
    ASSERT_EQ(aside.size(), fault.setAside) << history.Files().join(' ').toStdString();
    if (fault.setAside > 0) {
        EXPECT_TRUE(Bar(*window).contains(aside.front())) << Bar(*window).toStdString();
    } else {
        EXPECT_EQ(Bar(*window), QString());
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

// Earlier sittings of one format, newest first: their ids, how many minutes before the sitting
// in question they ended (negative: after it), and their speed.
struct Earlier {
    engine::SittingId id;
    int minutesBefore;
    double speed;
};

struct StandingCase {
    const char* name;
    std::vector<Earlier> earlier;
    engine::SittingId self;
    double speed;
    std::optional<keeping::Standing> expected;
};

keeping::Standing Expect(double value, double previous, double best, bool newBest, std::size_t earlier) {
    keeping::Standing standing;
    standing.key = engine::FigureKey::Panker;
    standing.value = value;
    standing.previous = previous;
    standing.best = best;
    standing.newBest = newBest;
    standing.earlier = earlier;
    return standing;
}

const StandingCase kStandings[] = {
    {"BehindTheBest", {{4, 10, 13.0}, {3, 20, 15.0}, {2, 30, 11.0}}, 0, 14.0, Expect(14.0, 13.0, 15.0, false, 3)},
    {"NewBest", {{4, 10, 13.0}, {3, 20, 13.5}}, 0, 14.0, Expect(14.0, 13.0, 13.5, true, 2)},
    {"ItselfAndLaterOnesLeftOut",
     {{9, -5, 20.0}, {5, 0, 14.0}, {4, 10, 13.0}},
     5,
     14.0,
     Expect(14.0, 13.0, 13.0, true, 1)},
    {"NoEarlier", {{9, -5, 20.0}}, 0, 14.0, std::nullopt},
};

void PrintTo(const StandingCase& standing, std::ostream* os) { *os << standing.name; }

class StandingTest : public testing::TestWithParam<StandingCase> {};

TEST_P(StandingTest, CountsOnlyTheEarlierSittingsOfTheFormat) {
    const StandingCase& c = GetParam();
    const engine::SittingTime endedAt{1'800'000'000'000, 420};
    std::vector<engine::SittingSummary> sittings;
    for (const Earlier& earlier : c.earlier) {
        engine::SittingSummary summary;
        summary.id = earlier.id;
        summary.endedAt = {endedAt.utcMs - std::int64_t{earlier.minutesBefore} * 60'000, 420};
        summary.figures.set(engine::FigureKey::Panker, earlier.speed);
        sittings.push_back(summary);
    }
    engine::Figures figures;
    figures.set(engine::FigureKey::Tianker, 3);
    figures.set(engine::FigureKey::Panker, c.speed);
    const std::optional<keeping::Standing> standing = keeping::StandingOf(sittings, c.self, endedAt, figures);
    ASSERT_EQ(standing.has_value(), c.expected.has_value());
    if (!standing) return;
    EXPECT_EQ(standing->key, engine::FigureKey::Panker) << "the work amount leads";
    EXPECT_EQ(standing->value, c.expected->value);
    EXPECT_EQ(standing->previous, c.expected->previous);
    EXPECT_EQ(standing->best, c.expected->best);
    EXPECT_EQ(standing->newBest, c.expected->newBest);
    EXPECT_EQ(standing->earlier, c.expected->earlier);
}

INSTANTIATE_TEST_SUITE_P(Sittings, StandingTest, testing::ValuesIn(kStandings),
                         [](const testing::TestParamInfo<StandingCase>& info) { return std::string(info.param.name); });

} // namespace
