// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet as drawn: where each order of work puts its digits and answers, the written
// digit and the cursor on screen, and the zoom.
#include "sheet/SheetView.h"

#include "test/Sheet.h"
#include "test/SheetFormat.h"

#include <QImage>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

using sheet::SheetMarks;

test::SheetFormat Preset(const char* name) {
    test::FormatError error;
    return *test::FormatByName(name, true, error);
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
    const test::SheetFormat format = Preset(GetParam().format);
    sheet::SheetView view;
    view.setSheet(format, test::MakeSheet(format, 1));
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
    const std::uint32_t last = test::MakeSheet(format, 1).unitCount() - 1;
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
    const test::SheetFormat format = Preset("kraepelin-15");
    sheet::SheetView view;
    view.setSheet(format, test::MakeSheet(format, 1));
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

TEST(SheetViewTest, CtrlPlusAndMinusZoomInStepsThatComeBackAndStopAtTheirEnds) {
    const test::SheetFormat format = Preset("uchida");
    sheet::SheetView view;
    view.setSheet(format, test::MakeSheet(format, 1));
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
