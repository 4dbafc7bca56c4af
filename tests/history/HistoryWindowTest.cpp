// SPDX-License-Identifier: GPL-3.0-or-later
// The "History" window driven by the keyboard over a history of its own: filtered, a sitting
// opened as it was, one deleted with the question answered, the files the program saves
// imported and a broken one refused with its line; and in every language its texts fit and
// each access key is one control's.
#include "../support/LegendFit.h"
#include "../support/PseudoTranslator.h"
#include "../support/ScriptedFileDialogs.h"
#include "../support/ScriptedMessageBoxes.h"
#include "../support/TemporaryHistory.h"
#include "../support/TextFit.h"
#include "charts/CurveOverlayChart.h"
#include "charts/ScoreTimeChart.h"
#include "engine/AnswersCsv.h"
#include "engine/SheetCsv.h"
#include "history/SittingTable.h"
#include "history/frmHistory.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/Languages.h"
#include "sheetresults/frmSheetResults.h"
#include "workcurve/RecordedRun.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <map>
#include <memory>

namespace {

using history::frmHistory;

// A logged drill run of `answers` answers, ended `minutesAgo` before now.
engine::KeptSitting DrillRun(int answers, int minutesAgo) {
    std::vector<engine::RecordedAnswer> record;
    for (int i = 0; i < answers; ++i) record.push_back(engine::MakeRecordedAnswer(2, 5, "7", true, i / 20, 900));
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    return engine::KeepDrill(record, {static_cast<std::uint64_t>(answers / 20), 0}, engine::KeptEnd::TimeUp,
                             {now - std::int64_t{minutesAgo} * 60'000, 0});
}

void Write(const QString& path, const std::string& contents) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents.data(), static_cast<qint64>(contents.size()));
}

class HistoryWindowTest : public testing::Test {
protected:
    // Three sittings of the practice sheet, the newest of them the best, and a drill run after them.
    void SetUp() override {
        history.keeper->SetConsent(true);
        engine::StoreFault fault;
        for (const engine::KeptSitting& sitting :
             {PracticeSitting(10, 12, 40), PracticeSitting(10, 11, 30), PracticeSitting(10, 15, 20), DrillRun(60, 10)})
            ASSERT_TRUE(history.keeper->store()->Keep(sitting, fault)) << fault.reason;
    }
    void Open() {
        window = std::make_unique<frmHistory>(history::HistoryServices{&files, &boxes});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
    }
    template <typename T = QWidget> T* Get(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    int Rows() const { return window->sittings().rowCount(); }

    TemporaryHistory history;
    host::ScriptedFileDialogs files;
    host::ScriptedMessageBoxes boxes;
    std::unique_ptr<frmHistory> window;
};

TEST_F(HistoryWindowTest, KeysFilterOpenDeleteAndImport) {
    Open();
    ASSERT_EQ(Rows(), 4);
    EXPECT_EQ(window->sittings().sitting(0).kind, engine::SittingKind::Drill) << "newest first";

    // Alt+F and Down choose the format sat most recently, the drill, then the practice sheet.
    Press(Qt::Key_F, Qt::AltModifier);
    Press(Qt::Key_Down);
    EXPECT_EQ(Rows(), 1);
    Press(Qt::Key_Down);
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(window->sittings().headerData(history::SittingTableModel::FirstScore, Qt::Horizontal, Qt::DisplayRole),
              "Speed (panker)")
        << "the work amount leads the scores";
    EXPECT_TRUE(Get<QLabel>("lblTrend")->text().startsWith("A trend needs 4 sittings"));

    // Enter on the table opens the newest sitting's results as they were, kept once only.
    Get("grdSittings")->setFocus();
    Press(Qt::Key_Return);
    const auto* results = window->findChild<sheetresults::frmSheetResults*>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->sitting().keptAs, window->sittings().sitting(0).id);
    EXPECT_EQ(results->scores().reached, 150u);
    EXPECT_FALSE(results->findChild<QWidget*>("barKeep")->isVisible());
    EXPECT_TRUE(results->findChild<QLabel*>("lblStanding")->text().contains("your best yet; previous 11.0 (+4.0)"));
    EXPECT_EQ(history.Kept().size(), 4u);
    QApplication::setActiveWindow(window.get());

    // Delete asks first: No keeps the sitting, Yes deletes it.
    Get("grdSittings")->setFocus();
    boxes.Answer(host::MessageAnswer::No);
    Press(Qt::Key_Delete);
    EXPECT_EQ(history.Kept().size(), 4u);
    // Yes deletes the sitting asked about, also where another window's sitting is kept while the
    // question is open and the table is read again under it.
    const engine::SittingId asked = window->sittings().sitting(Get<QTableView>("grdSittings")->currentIndex().row()).id;
    boxes.Answer(host::MessageAnswer::Yes);
    boxes.SetWhileOpen([this](const host::MessageRequest&) {
        engine::StoreFault fault;
        history.keeper->Keep(PracticeSitting(10, 8, 0), fault);
    });
    Press(Qt::Key_Delete);
    boxes.SetWhileOpen({});
    ASSERT_EQ(boxes.requests().size(), 2u);
    EXPECT_TRUE(boxes.requests()[1].text.startsWith("Delete the sitting of "))
        << boxes.requests()[1].text.toStdString();
    const std::vector<engine::SittingSummary> left = history.Kept();
    EXPECT_EQ(left.size(), 4u);
    EXPECT_TRUE(std::none_of(left.begin(), left.end(), [asked](const auto& s) { return s.id == asked; }));
    EXPECT_EQ(Rows(), 3) << "the table follows";

    // Import CSV… takes the files the Sheet results and the Work curve windows save, under the
    // names they suggest, and refuses one that is none with its line and the reason.
    const engine::KeptSitting sheet = PracticeSitting(10, 9, 5);
    const engine::KeptSitting drill = DrillRun(40, 5);
    const QDateTime ended = QDateTime::currentDateTime().addSecs(-60);
    const QString sheetFile =
        history.folder.filePath(sheetresults::SheetAnswersFileName(sheet.sheet()->format, 7, ended));
    const QString drillFile = history.folder.filePath(workcurve::AnswersFileName(ended));
    const QString broken = history.folder.filePath("broken.csv");
    Write(sheetFile, engine::FormatSheetCsv(sheet.sheet()->format, sheet.sheet()->record));
    Write(drillFile, engine::FormatAnswersCsv(drill.drill()->record));
    Write(broken, "index,minute,operand1,operand2,answer,correct,answer_ms\r\n1,0,2,5,7,MAYBE,900\r\n");
    files.Choose(QStringList{sheetFile, drillFile, broken}.join(u'\n'));
    Press(Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(history.Kept().size(), 6u);
    EXPECT_EQ(Get<QLabel>("lblStatus")->text(), "2 files imported.");
    ASSERT_EQ(boxes.requests().size(), 3u);
    const QString refused = boxes.requests()[2].text;
    EXPECT_TRUE(refused.contains("broken.csv is no file the program saves (line 2: ")) << refused.toStdString();
    EXPECT_FALSE(refused.contains(QFileInfo(sheetFile).fileName())) << refused.toStdString();
}

// An empty history says how to fill it; the charts wait for sittings.
TEST_F(HistoryWindowTest, EmptySaysHowToFillIt) {
    engine::StoreFault fault;
    history.keeper->store()->DeleteAll(fault);
    Open();
    EXPECT_EQ(Rows(), 0);
    const auto* empty = Get<QLabel>("lblEmpty");
    EXPECT_TRUE(empty->isVisible());
    EXPECT_TRUE(empty->text().contains("Sit an exam sheet")) << empty->text().toStdString();
    EXPECT_FALSE(Get("picScore")->isVisible());
    EXPECT_FALSE(Get("cmdDeleteAll")->isEnabled());
}

class HistoryLanguageTest : public HistoryWindowTest, public testing::WithParamInterface<const char*> {
protected:
    // Every visible control with an access key, by the key.
    std::map<QString, QStringList> AccessKeys() const {
        std::map<QString, QStringList> keys;
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            const QKeySequence key = host::AccessKeys::AccessKeyOf(widget);
            if (widget->isVisible() && !key.isEmpty()) keys[key.toString()] << widget->objectName();
        }
        return keys;
    }
};

TEST_P(HistoryLanguageTest, TextsFitAndEachAccessKeyIsOneControls) {
    Open();
    const auto english = testsupport::OverlappingTexts(window.get());
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    Open();
    for (const QString& fault : testsupport::CutTexts(window.get())) ADD_FAILURE() << fault.toStdString();
    for (const auto& [a, b] : testsupport::OverlappingTexts(window.get()))
        EXPECT_TRUE(english.contains({a, b})) << a.toStdString() << " overlaps " << b.toStdString();
    const auto keys = AccessKeys();
    EXPECT_GE(keys.size(), 10u) << "the commands, the switch and the two choices have access keys";
    for (const auto& [key, owners] : keys)
        EXPECT_EQ(owners.size(), 1) << key.toStdString() << ": " << owners.join(u' ').toStdString();
    for (const QSize size : {window->size(), window->minimumSize()}) {
        window->resize(size);
        QApplication::processEvents();
        const auto* score = Get<charts::ScoreTimeChart>("picScore");
        for (const QString& fault : testsupport::LegendFaults(score->rect(), score->legendPlaces(), score->plotRect()))
            ADD_FAILURE() << "score chart: " << fault.toStdString();
        const auto* overlay = Get<charts::CurveOverlayChart>("picOverlay");
        for (const QString& fault :
             testsupport::LegendFaults(overlay->rect(), overlay->legendPlaces(), overlay->plotRect()))
            ADD_FAILURE() << "overlay: " << fault.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, HistoryLanguageTest, testing::Values("en", "id", "ja"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST_F(HistoryWindowTest, NoTextBypassesTheTranslationTools) {
    const testsupport::PseudoTranslator translator;
    Open();
    for (const QString& text : testsupport::PseudoTranslator::Unmarked(window.get())) {
        // Dates and figures are the program's own, the same in every language.
        if (!text.contains(QRegularExpression("^[-0-9 :.,+()%]*$"))) ADD_FAILURE() << text.toStdString();
    }
    const QAbstractItemModel& table = window->sittings();
    for (int column = 0; column < table.columnCount(); ++column)
        EXPECT_TRUE(testsupport::PseudoTranslator::Marked(table.headerData(column, Qt::Horizontal).toString()));
}

} // namespace
