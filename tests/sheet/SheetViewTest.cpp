// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet as drawn: where each order of work puts its digits and answers, the written
// digit and the cursor on screen, what a key press paints again, and the zoom.
#include "sheet/SheetView.h"

#include "engine/Sheet.h"
#include "engine/SheetFormat.h"
#include "sheet/LaidOutText_p.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

using sheet::SheetMarks;

engine::SheetFormat Preset(const char* name) {
    engine::FormatError error;
    return *engine::FormatByName(name, true, error);
}

struct OrderCase {
    const char* name;
    const char* format;
    // Where the second pair of a unit lies from the first, and the second unit from the first.
    int pairDx, pairDy;
    int unitDx, unitDy;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class SheetLayoutTest : public testing::TestWithParam<OrderCase> {};

int Sign(int value) { return (value > 0) - (value < 0); }

TEST_P(SheetLayoutTest, PairsFollowTheOrderOfWorkAndAnswersSitBetweenTheirDigits) {
    const engine::SheetFormat format = Preset(GetParam().format);
    sheet::SheetView view;
    view.setSheet(format, engine::MakeSheet(format, 1));
    const sheet::SheetPainter& painter = view.painter();
    const QPoint pairStep = painter.pairRect(0, 1).center() - painter.pairRect(0, 0).center();
    EXPECT_EQ(Sign(pairStep.x()), GetParam().pairDx);
    EXPECT_EQ(Sign(pairStep.y()), GetParam().pairDy);
    const QPoint unitStep = painter.unitRect(1).center() - painter.unitRect(0).center();
    EXPECT_EQ(Sign(unitStep.x()), GetParam().unitDx);
    EXPECT_EQ(Sign(unitStep.y()), GetParam().unitDy);
    // The answer lies between its two digits along the unit, and beside them across it.
    for (std::uint32_t pair : {0u, 5u}) {
        const QPoint a = painter.digitRect(0, pair).center();
        const QPoint b = painter.digitRect(0, pair + 1).center();
        const QRect answer = painter.answerRect(0, pair);
        const QRect digits = painter.digitRect(0, pair).united(painter.digitRect(0, pair + 1));
        EXPECT_FALSE(answer.intersects(painter.digitRect(0, pair))) << pair;
        if (a.x() == b.x()) {
            EXPECT_GT(answer.center().y(), std::min(a.y(), b.y()));
            EXPECT_LT(answer.center().y(), std::max(a.y(), b.y()));
            EXPECT_GT(answer.left(), digits.left());
        } else {
            EXPECT_GT(answer.center().x(), a.x());
            EXPECT_LT(answer.center().x(), b.x());
            EXPECT_GT(answer.top(), digits.top());
        }
        EXPECT_TRUE(QRect(QPoint(0, 0), view.size()).contains(painter.pairRect(0, pair)));
    }
    // The whole sheet fits the view: its last unit's last pair too.
    const std::uint32_t last = engine::MakeSheet(format, 1).unitCount() - 1;
    EXPECT_TRUE(QRect(QPoint(0, 0), view.size()).contains(painter.unitRect(last)));
}

INSTANTIATE_TEST_SUITE_P(Orders, SheetLayoutTest,
                         testing::Values(OrderCase{"ColumnsBottomUp", "kraepelin-15", 0, -1, 1, 0},
                                         OrderCase{"ColumnsTopDown", "pauli", 0, 1, 1, 0},
                                         OrderCase{"LinesLeftToRight", "uchida", 1, 0, 0, 1}));

// Pixels of about this colour inside the rectangle.
int CountColour(const QImage& image, const QRect& rect, const QColor& colour) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 40 && std::abs(pixel.green() - colour.green()) < 40 &&
                std::abs(pixel.blue() - colour.blue()) < 40 && pixel != Qt::white)
                ++count;
        }
    }
    return count;
}

TEST(SheetViewTest, AWrittenDigitAndTheCursorShowOnTheSheet) {
    const engine::SheetFormat format = Preset("kraepelin-15");
    sheet::SheetView view;
    view.setSheet(format, engine::MakeSheet(format, 1));
    const QColor pencil(0x2B, 0x3F, 0x8C);
    const QColor cursor(0xFF, 0xE0, 0x80);
    const QRect answer = view.painter().answerRect(0, 0);
    const QRect pair = view.painter().digitRect(0, 1);
    QImage before = view.grab().toImage();
    EXPECT_EQ(CountColour(before, answer, pencil), 0);
    EXPECT_EQ(CountColour(before, pair, cursor), 0);

    view.setWritten(0, 0, 7);
    view.setCursor(0, 1, true);
    const QImage after = view.grab().toImage();
    EXPECT_GT(CountColour(after, answer, pencil), 0);
    EXPECT_GT(CountColour(after, pair, cursor), 0);
    // Not in the next pair's place.
    EXPECT_EQ(CountColour(after, view.painter().answerRect(0, 2), pencil), 0);
}

struct PrintCase {
    const char* name;
    // A preset's practice version, or a custom sheet of six units of twelve digits.
    const char* preset;
    engine::WorkOrder order;
};

void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.name; }

class SheetPrintTest : public testing::TestWithParam<PrintCase> {};

// A paint of the whole sheet prints every digit in its place and every answer written,
// the last, shorter column's too: none is skipped as lying outside what was painted.
TEST_P(SheetPrintTest, EveryDigitAndEveryAnswerWrittenIsPrinted) {
    engine::SheetFormat format;
    if (*GetParam().preset) {
        format = Preset(GetParam().preset);
    } else {
        engine::CustomFormat custom;
        custom.order = GetParam().order;
        custom.units = 6;
        custom.digitsPerUnit = 12;
        engine::FormatError error;
        format = *engine::MakeCustomFormat(custom, error);
    }
    const engine::Sheet sheet = engine::MakeSheet(format, 1);
    sheet::SheetView view;
    view.setSheet(format, sheet);
    const std::uint32_t last = sheet.unitCount() - 1;
    // The first two units and the last two, written through, some pairs passed.
    const std::uint32_t units[] = {0, 1, last - 1, last};
    for (const std::uint32_t unit : units) {
        for (std::uint32_t pair = 0; pair < sheet.pairCount(unit); ++pair)
            view.setWritten(unit, pair, pair % 5 == 4 ? SheetMarks::kPassed : static_cast<std::int8_t>(pair % 10));
    }
    const QImage image = view.grab().toImage();
    const QColor print(0x10, 0x10, 0x10);
    const QColor pencil(0x2B, 0x3F, 0x8C);
    const sheet::SheetPainter& painter = view.painter();
    for (const std::uint32_t unit : units) {
        for (std::uint32_t index = 0; index < sheet.digitCount(unit); ++index)
            EXPECT_GT(CountColour(image, painter.digitRect(unit, index), print), 0) << unit << " " << index;
        for (std::uint32_t pair = 0; pair < sheet.pairCount(unit); ++pair)
            EXPECT_GT(CountColour(image, painter.answerRect(unit, pair), pencil), 0) << unit << " " << pair;
    }
}

INSTANTIATE_TEST_SUITE_P(Orders, SheetPrintTest,
                         testing::Values(PrintCase{"ColumnsBottomUp", "", engine::WorkOrder::BottomUp},
                                         PrintCase{"ColumnsTopDown", "", engine::WorkOrder::TopDown},
                                         PrintCase{"Lines", "", engine::WorkOrder::LeftToRight},
                                         PrintCase{"AShorterLastColumn", "pauli", engine::WorkOrder::TopDown}));

struct RepaintCase {
    const char* name;
    engine::WorkOrder order;
    double zoom;
    // The view's font family; empty for the platform's.
    const char* family;
};

void PrintTo(const RepaintCase& c, std::ostream* os) { *os << c.name; }

class SheetRepaintTest : public testing::TestWithParam<RepaintCase> {
protected:
    static constexpr std::uint32_t kUnits = 6;
    static constexpr std::uint32_t kDigits = 12;

    void SetUp() override {
        engine::CustomFormat custom;
        custom.order = GetParam().order;
        custom.units = kUnits;
        custom.digitsPerUnit = kDigits;
        engine::FormatError error;
        format_ = *engine::MakeCustomFormat(custom, error);
        sheet_ = engine::MakeSheet(format_, 1);
    }

    // A view in the case's font and zoom, its sheet set.
    void Prepare(sheet::SheetView& view) const {
        if (*GetParam().family) view.setFont(QFont(QString::fromLatin1(GetParam().family)));
        view.setSheet(format_, sheet_);
        view.setZoom(GetParam().zoom);
    }

    // The view as a fresh one paints it whole after `steps`.
    QImage Fresh(const std::vector<std::function<void(sheet::SheetView&)>>& steps) const {
        sheet::SheetView view;
        Prepare(view);
        for (const auto& step : steps) step(view);
        return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    engine::SheetFormat format_;
    engine::Sheet sheet_;
};

// What the window shows of `view`: its backing store, as the last paints left it.
QImage Shown(sheet::SheetView& view) {
    return view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Processes events until `view` has been painted again; false after a second without.
bool WaitForPaint(const sheet::SheetView& view, std::uint64_t before) {
    QElapsedTimer timer;
    timer.start();
    while (view.paintCount() == before && timer.elapsed() < 1000) QCoreApplication::processEvents();
    return view.paintCount() != before;
}

std::string Difference(const QImage& shown, const QImage& expected) {
    if (shown.size() != expected.size()) return "the sizes differ";
    QRect where;
    int pixels = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) == expected.pixel(x, y)) continue;
            ++pixels;
            where |= QRect(x, y, 1, 1);
        }
    }
    return std::to_string(pixels) + " pixels differ within " + std::to_string(where.x()) + "," +
           std::to_string(where.y()) + " " + std::to_string(where.width()) + "x" + std::to_string(where.height());
}

// Each change repaints only what it changed, in parts far apart; the window then shows what
// a view made afresh in the same state paints whole: nothing is left of the cursor's or the
// cue's old place, and no digit keeps the size or the font it had before a zoom or a font
// change.
TEST_P(SheetRepaintTest, WhatAChangeRepaintsIsWhatTheWholeSheetShowsAfresh) {
    using sheet::SheetView;
    SheetView view;
    view.setSheet(format_, sheet_);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    // The first paint lays the digits out in the platform's font at zoom 1; the case's font
    // and zoom come after it.
    ASSERT_TRUE(WaitForPaint(view, 0));
    Prepare(view);

    struct Step {
        const char* name;
        std::function<void(SheetView&)> apply;
    };
    const std::vector<Step> steps = {
        {"cursor shown", [](SheetView& v) { v.setCursor(0, 0, true); }},
        {"first answer",
         [](SheetView& v) {
             v.setWritten(0, 0, 7);
             v.setCursor(0, 1, true);
         }},
        {"second answer",
         [](SheetView& v) {
             v.setWritten(0, 1, 3);
             v.setCursor(0, 2, true);
         }},
        {"a pass and the next unit",
         [](SheetView& v) {
             v.setWritten(0, 2, SheetMarks::kPassed);
             v.setCursor(1, 0, true);
         }},
        {"the cue's mark", [](SheetView& v) { v.setCueCalled(true); }},
        {"an answer under the cue's mark",
         [](SheetView& v) {
             v.setWritten(1, 0, 9);
             v.setCursor(1, 1, true);
         }},
        {"the cue's mark gone", [](SheetView& v) { v.setCueCalled(false); }},
        {"an answer taken back far away",
         [](SheetView& v) {
             v.setWritten(0, 0, SheetMarks::kBlank);
             v.setCursor(1, 2, true);
         }},
        {"answers in the first and the last unit",
         [](SheetView& v) {
             v.setWritten(0, 5, 4);
             v.setWritten(kUnits - 1, kDigits - 2, 8);
         }},
        {"a stroke",
         [](SheetView& v) {
             v.addStroke({1, 60000, 1, 2});
         }},
        {"the cursor moved far", [](SheetView& v) { v.setCursor(kUnits - 1, 3, true); }},
        {"no cursor", [](SheetView& v) { v.setCursor(kUnits - 1, 3, false); }},
    };
    std::vector<std::function<void(SheetView&)>> done;
    for (const Step& step : steps) {
        const std::uint64_t before = view.paintCount();
        step.apply(view);
        done.push_back(step.apply);
        ASSERT_TRUE(WaitForPaint(view, before)) << step.name;
        const QImage shown = Shown(view);
        const QImage expected = Fresh(done);
        EXPECT_TRUE(shown == expected) << step.name << ": " << Difference(shown, expected);
    }
    // The digits were laid out for the case's font and zoom, not for every paint.
    EXPECT_LE(view.painter().digitTexts().layouts(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    OrdersZoomsAndFonts, SheetRepaintTest,
    testing::Values(RepaintCase{"ColumnsBottomUp", engine::WorkOrder::BottomUp, 1.0, ""},
                    RepaintCase{"ColumnsTopDown", engine::WorkOrder::TopDown, 1.0, ""},
                    RepaintCase{"Lines", engine::WorkOrder::LeftToRight, 1.0, ""},
                    RepaintCase{"ColumnsZoomedOut", engine::WorkOrder::BottomUp, 0.5, ""},
                    RepaintCase{"ColumnsZoomedIn", engine::WorkOrder::TopDown, 1.5, ""},
                    // The frames' pens grow wider than their rectangles' margins.
                    RepaintCase{"ColumnsZoomedInFurther", engine::WorkOrder::TopDown, 1.75, ""},
                    RepaintCase{"ColumnsAtTheLargestZoom", engine::WorkOrder::TopDown, sheet::SheetView::kMaxZoom, ""},
                    RepaintCase{"LinesAtTheLargestZoom", engine::WorkOrder::LeftToRight, sheet::SheetView::kMaxZoom,
                                ""},
                    RepaintCase{"AnotherFont", engine::WorkOrder::BottomUp, 1.0, "DejaVu Serif"},
                    RepaintCase{"AnotherFontZoomed", engine::WorkOrder::LeftToRight, 2.5, "DejaVu Serif"}));

TEST(SheetViewTest, CtrlPlusAndMinusZoomInStepsThatComeBackAndStopAtTheirEnds) {
    const engine::SheetFormat format = Preset("uchida");
    sheet::SheetView view;
    view.setSheet(format, engine::MakeSheet(format, 1));
    const QSize normal = view.size();
    QTest::keyClick(&view, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(view.width(), normal.width());
    EXPECT_GT(view.zoom(), 1.0);
    QTest::keyClick(&view, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(view.size(), normal);
    EXPECT_EQ(view.zoom(), 1.0);
    for (int i = 0; i < 20; ++i) QTest::keyClick(&view, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(view.zoom(), sheet::SheetView::kMaxZoom);
    QTest::keyClick(&view, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(view.zoom(), 1.0);

    QWheelEvent down(QPointF(5, 5), view.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &down);
    EXPECT_LT(view.zoom(), 1.0);
    EXPECT_LT(view.width(), normal.width());
}

TEST(SheetViewTest, DigitKeysAreReportedButNotWithCtrl) {
    sheet::SheetView view;
    std::vector<int> digits;
    int backspaces = 0;
    int spaces = 0;
    QObject::connect(&view, &sheet::SheetView::digitTyped, [&digits](int d) { digits.push_back(d); });
    QObject::connect(&view, &sheet::SheetView::backspacePressed, [&backspaces] { ++backspaces; });
    QObject::connect(&view, &sheet::SheetView::spacePressed, [&spaces] { ++spaces; });
    QTest::keyClick(&view, Qt::Key_7);
    QTest::keyClick(&view, Qt::Key_0, Qt::KeypadModifier);
    QTest::keyClick(&view, Qt::Key_0, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_Backspace);
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(digits, (std::vector<int>{7, 0}));
    EXPECT_EQ(backspaces, 1);
    EXPECT_EQ(spaces, 1);
}

} // namespace
