// SPDX-License-Identifier: GPL-3.0-or-later
// The Work curve window in every language the program speaks: its texts fit their boxes
// (the table's cells, the buttons, the words the charts draw, every entry of their legends
// at every size), its buttons show their stored captions translated, and their access keys
// stay one each.
#include "../support/LegendFit.h"
#include "../support/TextFit.h"
#include "charts/ChartMargin.h"
#include "charts/PairMap.h"
#include "charts/PeriodCurvePainter.h"
#include "controls/chameleonButton/WindowDescription.h"
#include "controls/chameleonButton/chameleonButton.h"
#include "engine/RecordedAnswer.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/Languages.h"
#include "workcurve/RunCurveChart.h"
#include "workcurve/frmWorkCurve.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QTableWidget>
#include <QTest>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using engine::MakeRecordedAnswer;
using workcurve::frmWorkCurve;

// Three full minutes, the last answered wrongly and slowly: every legend entry but the
// partial one, and the widest figures of the table ("+1.00 answers/min").
workcurve::RecordedRun FullMinutesRun() {
    std::vector<engine::RecordedAnswer> answers;
    for (int minute = 0; minute < 3; ++minute)
        for (int i = 0; i <= 2 * minute + 8; ++i)
            answers.push_back(MakeRecordedAnswer(i % 10, (i + minute) % 10, "0", i % 4 != 0, minute, 300 + 250 * i));
    answers.push_back(MakeRecordedAnswer(9, 9, "7", false, 2, 12000));
    return {answers, {3, 0}, QDateTime(QDate(2024, 1, 2), QTime(23, 59, 59))};
}

// Stopped inside the third minute: the legend's "partial" too.
workcurve::RecordedRun StoppedRun() {
    workcurve::RecordedRun run = FullMinutesRun();
    run.length = {2, 41};
    return run;
}

struct WindowSizeCase {
    const char* name;
    QSize size;
};

// The size it opens at beside the main window, and the smallest it is made beside it.
const WindowSizeCase kSizes[] = {{"Default", QSize(780, 242)}, {"Smallest", QSize(460, 215)}};

struct RunCase {
    const char* name;
    workcurve::RecordedRun (*run)();
};

const RunCase kRuns[] = {{"FullMinutes", FullMinutesRun}, {"Stopped", StoppedRun}};

class WorkCurveLanguagesTest : public testing::TestWithParam<const char*> {
protected:
    void Install(const char* code) { ASSERT_TRUE(translations_.Install(QString::fromLatin1(code))); }
    void SetUp() override { Install(GetParam()); }

    static std::unique_ptr<frmWorkCurve> Open(workcurve::RecordedRun run, const QSize& size) {
        auto window = std::make_unique<frmWorkCurve>(workcurve::WorkCurveServices{});
        window->ShowRun(std::move(run));
        window->resize(size);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
        return window;
    }

    // Every text of the table's cells that its cell cuts: too wide for its column, or its
    // letters, drawn in the middle of the line the fonts that draw it need (Japanese falls
    // back to a CJK font of its own ascent and descent), reaching out of its row.
    static std::vector<std::string> CutCells(const QTableWidget* table) {
        std::vector<std::string> cut;
        const QFontMetrics metrics(table->font());
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const QTableWidgetItem* item = table->item(row, column);
                const QRect cell = table->visualItemRect(item);
                QTextLayout layout(item->text(), table->font());
                layout.beginLayout();
                const QTextLine line = layout.createLine();
                layout.endLayout();
                // The view leaves a few pixels each side of a cell's text.
                constexpr int kCellPadding = 6;
                const int width = static_cast<int>(std::ceil(line.naturalTextWidth())) + kCellPadding;
                const double baseline = cell.top() + (cell.height() - line.height()) / 2.0 + line.ascent();
                const QRect ink = metrics.tightBoundingRect(item->text()).translated(0, static_cast<int>(baseline));
                if (width > cell.width() || ink.top() < cell.top() || ink.bottom() > cell.bottom())
                    cut.push_back(item->text().toStdString() + " needs " + std::to_string(width) + " px and rows " +
                                  std::to_string(ink.top()) + " to " + std::to_string(ink.bottom()) + ", has " +
                                  std::to_string(cell.width()) + " px and rows " + std::to_string(cell.top()) + " to " +
                                  std::to_string(cell.bottom()));
            }
        }
        return cut;
    }

    static QRect WithinMargins(const QWidget* chart) {
        constexpr int kMargin = charts::kChartMargin;
        return chart->rect().marginsRemoved(QMargins(kMargin, kMargin, kMargin, kMargin));
    }

    // How far a chart's legend reaches past the chart's right margin (0 where it fits).
    template <typename Chart> static int Overflow(const QWidget& window, const char* name) {
        const auto* chart = window.findChild<const Chart*>(QLatin1String(name));
        EXPECT_NE(chart, nullptr) << name;
        if (chart == nullptr) return 0;
        const QRect room = WithinMargins(chart);
        const QRect legend = chart->legendRect();
        EXPECT_GE(legend.top(), room.top()) << name;
        EXPECT_LE(legend.bottom(), room.bottom()) << name;
        return std::max(0, legend.right() - room.right());
    }

private:
    host::Translations translations_;
};

TEST_P(WorkCurveLanguagesTest, EveryTextFitsItsBoxAtEverySize) {
    for (const RunCase& run : kRuns) {
        for (const WindowSizeCase& size : kSizes) {
            SCOPED_TRACE(std::string(run.name) + " at " + size.name);
            const auto window = Open(run.run(), size.size);
            ASSERT_EQ(window->size(), size.size);
            for (const QString& fault : testsupport::CutTexts(window.get())) ADD_FAILURE() << fault.toStdString();
            EXPECT_TRUE(testsupport::OverlappingTexts(window.get()).empty());
            const auto* table = window->findChild<QTableWidget*>(QStringLiteral("grdIndices"));
            ASSERT_NE(table, nullptr);
            for (const std::string& cell : CutCells(table)) ADD_FAILURE() << "table cell " << cell;
            const QRect lastRow = table->visualItemRect(table->item(frmWorkCurve::kRows - 1, 1));
            EXPECT_TRUE(table->viewport()->rect().contains(lastRow)) << "every index in sight without scrolling";

            // The legends flow onto more rows where the window is small: never cut.
            const int curve = Overflow<workcurve::RunCurveChart>(*window, "picCurve");
            const int pairs = Overflow<charts::PairMap>(*window, "picPairs");
            EXPECT_EQ(curve, 0) << "the chart's legend is cut by " << curve << " px";
            EXPECT_EQ(pairs, 0) << "the map's legend is cut by " << pairs << " px";
        }
    }
}

// Every entry of both charts' legends reads whole, apart from the others and off the
// figures, at the size the window opens at, the smallest it opens at beside the main window
// and the smallest it can be made; where it opens, each legend keeps to one row, as it
// always did.
TEST_P(WorkCurveLanguagesTest, EveryLegendEntryReadsWholeAtEverySize) {
    for (const RunCase& run : kRuns) {
        const auto window = Open(run.run(), kSizes[0].size);
        std::vector<WindowSizeCase> sizes(std::begin(kSizes), std::end(kSizes));
        sizes.push_back({"Least", window->minimumSize()});
        for (const WindowSizeCase& size : sizes) {
            SCOPED_TRACE(std::string(run.name) + " at " + size.name);
            window->resize(size.size);
            QApplication::processEvents();
            ASSERT_EQ(window->size(), size.size);

            for (const QString& fault : testsupport::ChartLegendFaults(*window, size.size == kSizes[0].size))
                ADD_FAILURE() << fault.toStdString();
        }
    }
}

// The captions of the window's description are English; each button shows its caption's
// translation, which exists for every caption the description stores.
TEST_P(WorkCurveLanguagesTest, ButtonsShowTheirStoredCaptionsTranslated) {
    const auto window = Open(FullMinutesRun(), kSizes[0].size);
    QString error;
    const auto description =
        chameleon::WindowDescription::FromResource(QStringLiteral(":/forms/frmWorkCurve.twd"), &error);
    ASSERT_TRUE(description) << error.toStdString();
    ASSERT_FALSE(description->Controls().empty());
    const bool english = QLatin1String(GetParam()) == QLatin1String("en");
    for (const host::StoredControl& control : description->Controls()) {
        const QString name = QString::fromStdU16String(control.name);
        QWidget scratch;
        const chameleon::chameleonButton* stored = description->CreateButton(&scratch, name, &error);
        ASSERT_NE(stored, nullptr) << error.toStdString();
        const auto* shown = window->findChild<chameleon::chameleonButton*>(name);
        ASSERT_NE(shown, nullptr) << name.toStdString();
        // The Close button's caption is translated once for every tool window.
        const char* context = name == QLatin1String("cmdClose") ? "windowkit::ToolWindow" : "workcurve::frmWorkCurve";
        const QString translated = QCoreApplication::translate(context, stored->Caption().toUtf8().constData());
        EXPECT_EQ(shown->Caption(), translated) << name.toStdString();
        if (!english) {
            EXPECT_NE(translated, stored->Caption()) << name.toStdString() << " has no translation";
        }
    }
}

// What the user reads of the window, or hears from a screen reader: every text that has
// words, by where it stands.
std::map<std::string, QString> WordedTexts(const frmWorkCurve& window) {
    std::map<std::string, QString> texts;
    texts["title"] = window.windowTitle();
    const auto* table = window.findChild<const QTableWidget*>(QStringLiteral("grdIndices"));
    texts["table name"] = table->accessibleName();
    texts["table description"] = table->accessibleDescription();
    for (int row = 0; row < table->rowCount(); ++row) {
        const std::string number = std::to_string(row);
        texts["row label " + number] = table->item(row, 0)->text();
        texts["row tooltip " + number] = table->item(row, 0)->toolTip();
        texts["row heard " + number] = table->item(row, 1)->data(Qt::AccessibleTextRole).toString();
    }
    // The figures with words in them.
    for (const frmWorkCurve::Row row : {frmWorkCurve::Row::Answered, frmWorkCurve::Row::Speed,
                                        frmWorkCurve::Row::Fluctuation, frmWorkCurve::Row::Trend})
        texts["figure " + std::to_string(static_cast<int>(row))] = table->item(static_cast<int>(row), 1)->text();
    for (const auto* button : window.findChildren<const chameleon::chameleonButton*>()) {
        texts[button->objectName().toStdString() + " caption"] = button->Caption();
        texts[button->objectName().toStdString() + " tooltip"] = button->toolTip();
    }
    for (const char* chart : {"picCurve", "picPairs"}) {
        const auto* widget = window.findChild<const QWidget*>(QLatin1String(chart));
        texts[std::string(chart) + " name"] = widget->accessibleName();
        texts[std::string(chart) + " description"] = widget->accessibleDescription();
    }
    const charts::PeriodCurvePainter drill;
    texts["legend lower"] = drill.texts().lower;
    texts["legend upper"] = drill.texts().upper;
    texts["legend trend"] = drill.texts().trend;
    return texts;
}

// No English is left where the window has a translation: a text the catalog holds but the
// window shows untranslated is found here.
class WorkCurveTranslatedTest : public WorkCurveLanguagesTest {};

TEST_P(WorkCurveTranslatedTest, NoEnglishLeftInTheWindow) {
    Install("en");
    const std::map<std::string, QString> english = WordedTexts(*Open(StoppedRun(), kSizes[0].size));
    Install(GetParam());
    const std::map<std::string, QString> translated = WordedTexts(*Open(StoppedRun(), kSizes[0].size));
    ASSERT_EQ(translated.size(), english.size());
    for (const auto& [where, text] : english) {
        EXPECT_FALSE(text.isEmpty()) << where;
        EXPECT_NE(translated.at(where), text) << where << " is still English";
    }
}

// Each button's caption marks an access key, and no two of the window's controls share one.
TEST_P(WorkCurveLanguagesTest, AccessKeysStayOneEach) {
    const auto window = Open(FullMinutesRun(), kSizes[0].size);
    std::set<QString> keys;
    for (const QAbstractButton* button : window->findChildren<chameleon::chameleonButton*>()) {
        const QKeySequence key = host::AccessKeys::AccessKeyOf(button);
        EXPECT_FALSE(key.isEmpty()) << button->objectName().toStdString();
        EXPECT_TRUE(keys.insert(key.toString()).second)
            << button->objectName().toStdString() << " shares " << key.toString().toStdString();
    }
    // Save, History and Close, and the history bar's four.
    EXPECT_EQ(keys.size(), 7u);
}

// English is the texts' own language; these are the others.
INSTANTIATE_TEST_SUITE_P(Languages, WorkCurveTranslatedTest, testing::Values("id", "ja"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

INSTANTIATE_TEST_SUITE_P(Languages, WorkCurveLanguagesTest, testing::Values("en", "id", "ja"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
