// SPDX-License-Identifier: GPL-3.0-or-later
// The "Sheet results" window in every language the program speaks: every text goes through
// the translation tools; for a sitting of each test its texts, its tables' cells and the
// curve's legend fit their room and overlap nothing they do not overlap in English; both
// charts' legends read whole at the size the window opens at and the smallest it can be
// made; the formats' titles are the core's in English.
#include "../support/LegendFit.h"
#include "../support/PseudoTranslator.h"
#include "../support/TextFit.h"
#include "SheetResultsFixture.h"
#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"
#include "host/qt/Languages.h"
#include "sheetresults/ScoreText.h"
#include "sheetresults/SittingCurveChart.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using sheetresults::FinishedSitting;
using testsupport::PseudoTranslator;

constexpr std::uint64_t kSecond = 1000;

engine::SheetFormat Preset(const char* name, bool practice) {
    engine::FormatError error;
    const auto format = engine::FormatByName(name, practice, error);
    EXPECT_TRUE(format.has_value()) << name;
    return *format;
}

// A sitting of `format` with `answered` pairs in each of its first `periods` periods, some
// wrong, passed or corrected, every period's answers in its own column or line (or, with
// strokes, in consecutive columns).
FinishedSitting Worked(const engine::SheetFormat& format, std::uint16_t periods, std::uint16_t answered,
                       engine::SittingEnd end, std::uint64_t elapsedMs) {
    FinishedSitting sitting{format, {}, 123456, end, elapsedMs, {}};
    std::uint32_t index = 0;
    for (std::uint16_t period = 0; period < periods; ++period) {
        for (std::uint16_t at = 0; at < answered; ++at, ++index) {
            engine::SheetAnswer pair;
            pair.period = period;
            pair.unit = format.cued() ? period : static_cast<std::uint16_t>(index / format.pairsPerUnit());
            pair.position = format.cued() ? at : static_cast<std::uint16_t>(index % format.pairsPerUnit());
            pair.operand1 = 3;
            pair.operand2 = 4;
            pair.answer = 7;
            pair.correct = 1;
            pair.milliseconds = 600 + 10 * ((period * 7 + at) % 13);
            if (at % 17 == 5) {
                pair.answer = 8;
                pair.correct = 0;
            }
            if (at % 23 == 9) {
                pair.outcome = engine::SheetAnswer::kSkipped;
                pair.answer = 0;
                pair.correct = 0;
                pair.milliseconds = 0;
            }
            if (at % 19 == 3) pair.corrections = 1;
            sitting.record.push_back(pair);
        }
    }
    return sitting;
}

struct SittingCase {
    const char* name;
    FinishedSitting (*sitting)();
};

const SittingCase kSittings[] = {
    {"Kraepelin15",
     [] { return Worked(Preset("kraepelin-15", false), 50, 20, engine::SittingEnd::TimeUp, 750 * kSecond); }},
    // Stopped inside its fifth column, which is left out of the comparisons.
    {"Kraepelin30Stopped",
     [] { return Worked(Preset("kraepelin-30", true), 5, 40, engine::SittingEnd::Stopped, 130 * kSecond); }},
    {"Uchida", [] { return Worked(Preset("uchida", false), 30, 50, engine::SittingEnd::TimeUp, 2100 * kSecond); }},
    // Stopped after 26 of its 30 lines: no verdict, and how many lines are missing.
    {"UchidaStopped",
     [] { return Worked(Preset("uchida", false), 26, 50, engine::SittingEnd::Stopped, 1860 * kSecond); }},
    {"UchidaPractice", [] { return Worked(Preset("uchida", true), 6, 45, engine::SittingEnd::TimeUp, 420 * kSecond); }},
    {"Pauli", [] { return Worked(Preset("pauli", false), 20, 90, engine::SittingEnd::TimeUp, 3600 * kSecond); }},
    {"PauliWorkedThrough",
     [] { return Worked(Preset("pauli", true), 3, 70, engine::SittingEnd::WorkedThrough, 500 * kSecond); }},
};

// The window's fixture, which also shows the scores' tab (0) or the marks' (1).
class SheetResultsLanguagesTest : public SheetResultsWindowTest {
protected:
    void ShowTab(int tab) const {
        Get<QTabWidget>("tabSide")->setCurrentIndex(tab);
        QApplication::processEvents();
    }
};

// The cells of a table its columns cut, by row and column. The columns sized to their
// contents fit by themselves; the stretched ones share out what is left.
std::set<std::pair<int, int>> CutCells(const QTableWidget* table) {
    std::set<std::pair<int, int>> cut;
    const QFontMetrics metrics(table->font());
    // A cell's text keeps a few pixels from its edges.
    constexpr int kCellMargins = 6;
    for (int column = 0; column < table->columnCount(); ++column) {
        for (int row = 0; row < table->rowCount(); ++row) {
            const QTableWidgetItem* item = table->item(row, column);
            if (item && metrics.horizontalAdvance(item->text()) + kCellMargins > table->columnWidth(column))
                cut.emplace(row, column);
        }
    }
    return cut;
}

// Whether the curve's legend, the line of texts across the chart's top, keeps within the
// chart: painted into a picture twice as wide as the chart, no pixel of that line right of
// the chart differs from the picture's own colour.
bool LegendKeepsToTheChart(const sheetresults::SittingCurveChart& chart) {
    const QColor outside(0x12, 0x34, 0x56);
    QImage picture(chart.width() * 2, chart.height(), QImage::Format_RGB32);
    picture.fill(outside);
    QPainter painter(&picture);
    painter.setFont(chart.font());
    chart.painter().paint(&painter, chart.rect(), Qt::black, std::nullopt);
    // The legend's line, below the chart's margin; the scales start under it.
    constexpr int kChartMargin = 4;
    const int legendBottom = kChartMargin + painter.fontMetrics().height();
    painter.end();
    for (int y = 0; y < legendBottom; ++y) {
        for (int x = chart.width(); x < picture.width(); ++x) {
            if (picture.pixelColor(x, y) != outside) return false;
        }
    }
    return true;
}

// The sizes to read the scores at: as the window opens, as small as it goes, and short
// enough that the scores table scrolls.
struct WindowSize {
    const char* name;
    QSize (*size)(const QWidget& window);
};
const WindowSize kSizes[] = {
    {"opening", [](const QWidget& window) { return window.size(); }},
    {"smallest", [](const QWidget& window) { return window.minimumSize(); }},
    {"narrowest and tall", [](const QWidget& window) { return QSize(window.minimumWidth(), 900); }},
};

class SheetResultsFitTest : public SheetResultsLanguagesTest, public testing::WithParamInterface<const char*> {};

TEST_P(SheetResultsFitTest, EveryTextFitsItsRoomForEveryTest) {
    // The window as it is in English, where its layout is as designed.
    struct English {
        std::set<std::pair<QString, QString>> overlapping;
        std::map<std::string, std::set<std::pair<int, int>>> cut;
    };
    std::map<std::string, English> english;
    for (const SittingCase& sitting : kSittings) {
        Open(sitting.sitting());
        English& seen = english[sitting.name];
        seen.overlapping = testsupport::OverlappingTexts(window.get());
        for (const char* table : {"grdScores", "grdPeriods"}) seen.cut[table] = CutCells(Get<QTableWidget>(table));
    }
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    for (const SittingCase& sitting : kSittings) {
        SCOPED_TRACE(sitting.name);
        const English& seen = english[sitting.name];
        Open(sitting.sitting());
        for (const QString& fault : testsupport::CutTexts(window.get())) ADD_FAILURE() << fault.toStdString();
        for (const auto& [a, b] : testsupport::OverlappingTexts(window.get())) {
            EXPECT_TRUE(seen.overlapping.contains({a, b})) << a.toStdString() << " overlaps " << b.toStdString();
        }
        for (const char* name : {"grdScores", "grdPeriods"}) {
            const QTableWidget* table = Get<QTableWidget>(name);
            for (const auto& [row, column] : CutCells(table)) {
                EXPECT_TRUE(seen.cut.at(name).contains({row, column}))
                    << name << ": \"" << table->item(row, column)->text().toStdString() << "\" is cut";
            }
        }
        EXPECT_TRUE(LegendKeepsToTheChart(*Get<sheetresults::SittingCurveChart>("picCurve")))
            << "the curve's legend runs out of the chart";
        ShowTab(1);
        for (const QString& fault : testsupport::CutTexts(window.get())) ADD_FAILURE() << fault.toStdString();
        for (const QString& fault : testsupport::CutWrappedCells(Get<QTableWidget>("grdMarks")))
            ADD_FAILURE() << fault.toStdString();
    }
}

// Every score and mark, and every entry of both charts' legends, reads whole (the legends'
// entries apart from each other and off the figures) for a sitting of each test, at every size
// the window is tried at; where it opens, each legend keeps to one row, as it always did, but
// for the curve's second row of the marks' flag and frame.
TEST_P(SheetResultsFitTest, EveryScoreAndLegendEntryReadsWholeAtEverySize) {
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    for (const SittingCase& sitting : kSittings) {
        Open(sitting.sitting());
        for (const WindowSize& size : kSizes) {
            SCOPED_TRACE(std::string(sitting.name) + ", " + size.name);
            const QSize wanted = size.size(*window);
            window->resize(wanted);
            QApplication::processEvents();
            ASSERT_EQ(window->size(), wanted);

            ShowTab(1);
            for (const QString& fault : testsupport::CutWrappedCells(Get<QTableWidget>("grdMarks")))
                ADD_FAILURE() << fault.toStdString();
            ShowTab(0);
            const QTableWidget* scores = Get<QTableWidget>("grdScores");
            for (const auto& [row, column] : CutCells(scores))
                ADD_FAILURE() << "\"" << scores->item(row, column)->text().toStdString() << "\" is cut";
            EXPECT_LE(scores->columnWidth(0) + scores->columnWidth(1), scores->viewport()->width())
                << "the scores scroll sideways";

            // Where it opens, one row of legend, and a second where the marks flag the curve.
            const auto* curve = Get<sheetresults::SittingCurveChart>("picCurve");
            const bool oneRow = &size == &kSizes[0] && curve->painter().marks().flag.isEmpty();
            for (const QString& fault : testsupport::ChartLegendFaults(*window, oneRow))
                ADD_FAILURE() << fault.toStdString();
            EXPECT_TRUE(LegendKeepsToTheChart(*curve)) << "the curve's legend runs out of the chart";
        }
    }
}

// A sitting worked on paper says in the map's place why it has none, whole at every size.
TEST_P(SheetResultsFitTest, APaperSittingsNoteReadsWholeAtEverySize) {
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    FinishedSitting paper = kSittings[0].sitting();
    for (engine::SheetAnswer& pair : paper.record) pair.milliseconds = engine::SheetAnswer::kUntimed;
    Open(paper);
    for (const WindowSize& size : kSizes) {
        SCOPED_TRACE(size.name);
        window->resize(size.size(*window));
        QApplication::processEvents();
        for (const QString& fault : testsupport::CutTexts(window.get())) ADD_FAILURE() << fault.toStdString();
    }
}

TEST_P(SheetResultsFitTest, EachAccessKeyBelongsToOneControl) {
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    Open(kSittings[0].sitting());
    auto keys = testsupport::AccessKeyOwners(window.get());
    const QTabBar* tabs = Get<QTabWidget>("tabSide")->tabBar();
    for (int tab = 0; tab < tabs->count(); ++tab)
        keys[QKeySequence::mnemonic(tabs->tabText(tab)).toString()] << tabs->tabText(tab);
    EXPECT_GE(keys.size(), 4u) << "Save, Close and the two tabs, and the history bar's buttons where it asks";
    for (const auto& [key, owners] : keys)
        EXPECT_EQ(owners.size(), 1) << key.toStdString() << ": " << owners.join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, SheetResultsFitTest, testing::Values("en", "id", "ja"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST_F(SheetResultsLanguagesTest, NoTextBypassesTheTranslationTools) {
    const PseudoTranslator translator;
    for (const SittingCase& sitting : kSittings) {
        SCOPED_TRACE(sitting.name);
        Open(sitting.sitting());
        // The pair map is the work curve's, with that library's texts.
        const QWidget* pairs = Get<QWidget>("picPairs");
        const QStringList theirs{pairs->accessibleName(), pairs->accessibleDescription(), pairs->toolTip()};
        for (const QString& text : PseudoTranslator::Unmarked(window.get())) {
            if (!theirs.contains(text)) ADD_FAILURE() << text.toStdString();
        }
        // The tables' words: every score's name and formula, every heading, every period's text.
        const auto* scores = Get<QTableWidget>("grdScores");
        for (int row = 0; row < scores->rowCount(); ++row) {
            EXPECT_TRUE(PseudoTranslator::Marked(scores->item(row, 0)->text())) << row;
            EXPECT_TRUE(PseudoTranslator::Marked(scores->item(row, 0)->toolTip())) << row;
        }
        const auto* periods = Get<QTableWidget>("grdPeriods");
        for (int column = 0; column < periods->columnCount(); ++column)
            EXPECT_TRUE(PseudoTranslator::Marked(periods->horizontalHeaderItem(column)->text())) << column;
        for (int row = 0; row < periods->rowCount(); ++row)
            EXPECT_TRUE(PseudoTranslator::Marked(periods->item(row, 0)->data(Qt::AccessibleTextRole).toString()));
        const auto& texts = Get<sheetresults::SittingCurveChart>("picCurve")->painter().texts();
        for (const QString& text : {texts.lower, texts.upper, texts.trend, texts.period})
            EXPECT_TRUE(PseudoTranslator::Marked(text)) << text.toStdString();
        // The marks, their tabs and the curve's words for them.
        ShowTab(1);
        for (const QString& text : PseudoTranslator::Unmarked(window.get())) {
            if (!theirs.contains(text)) ADD_FAILURE() << text.toStdString();
        }
        const auto* marks = Get<QTableWidget>("grdMarks");
        for (int row = 0; row < marks->rowCount(); ++row)
            EXPECT_TRUE(PseudoTranslator::Marked(marks->item(row, 0)->text())) << row;
        const QTabBar* tabs = Get<QTabWidget>("tabSide")->tabBar();
        for (int tab = 0; tab < tabs->count(); ++tab) EXPECT_TRUE(PseudoTranslator::Marked(tabs->tabText(tab)));
        const auto& marked = Get<sheetresults::SittingCurveChart>("picCurve")->painter().marks();
        for (const QString& text : {marked.flag, marked.frame})
            EXPECT_TRUE(text.isEmpty() || PseudoTranslator::Marked(text)) << text.toStdString();
    }
}

// Every preset in both versions and the custom sheet in both layouts.
std::vector<engine::SheetFormat> EveryTitledFormat() {
    std::vector<engine::SheetFormat> formats;
    for (const char* name : {"kraepelin-15", "kraepelin-30", "uchida", "pauli"}) {
        for (const bool practice : {false, true}) formats.push_back(Preset(name, practice));
    }
    for (const engine::WorkOrder order :
         {engine::WorkOrder::BottomUp, engine::WorkOrder::TopDown, engine::WorkOrder::LeftToRight}) {
        engine::CustomFormat values;
        values.order = order;
        values.units = 12;
        engine::FormatError error;
        formats.push_back(*engine::MakeCustomFormat(values, error));
    }
    return formats;
}

TEST(SheetTitleTest, InEnglishIsTheFormatsOwnTitle) {
    const std::vector<engine::SheetFormat> formats = EveryTitledFormat();
    ASSERT_EQ(formats.size(), 11u);
    for (const engine::SheetFormat& format : formats)
        EXPECT_EQ(sheetresults::SheetTitle(format).toStdString(), format.title);
}

TEST(SheetTitleTest, EveryFormatHasItsTitleInTheCatalog) {
    const PseudoTranslator translator;
    for (const engine::SheetFormat& format : EveryTitledFormat()) {
        const QString title = sheetresults::SheetTitle(format);
        EXPECT_TRUE(PseudoTranslator::Marked(title)) << format.title;
    }
    // A title the format words its own way is shown as it is.
    engine::SheetFormat handMade = Preset("pauli", false);
    handMade.title = "Pauli, hand-made";
    EXPECT_EQ(sheetresults::SheetTitle(handMade), QStringLiteral("Pauli, hand-made"));
}

} // namespace
