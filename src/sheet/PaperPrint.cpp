// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/PaperPrint.h"

#include "engine/Sheet.h"
#include "sheetresults/ScoreText.h"
#include "windowkit/CsvFile.h"

#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

namespace sheet {
namespace {

const QColor kPrint(0x00, 0x00, 0x00);
const QColor kFaint(0xA0, 0xA0, 0xA0);
const QColor kNumber(0x50, 0x50, 0x50);
// A key's answers, as a pencil would write them.
const QColor kAnswer(0x2B, 0x3F, 0x8C);
constexpr double kPointsPerInch = 72;

QString Translated(const char* text) { return QCoreApplication::translate("sheet::PaperPrint", text); }

// A font `points` high on the page, whatever the device's resolution: the painter's
// coordinates are points, which the device scales once more.
QFont PageFont(const QPainter& painter, double points, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    font.setPointSizeF(points * kPointsPerInch / painter.device()->logicalDpiY());
    return font;
}

QRectF RectOf(const engine::PaperRect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

int FlagsOf(engine::PaperAlign align) {
    switch (align) {
    case engine::PaperAlign::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case engine::PaperAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case engine::PaperAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QPageSize::PageSizeId PageSizeOf(engine::PaperSize size) {
    switch (size) {
    case engine::PaperSize::A3: return QPageSize::A3;
    case engine::PaperSize::Letter: return QPageSize::Letter;
    case engine::PaperSize::A4: break;
    }
    return QPageSize::A4;
}

} // namespace

std::optional<PaperSheet> MakePaperSheet(const engine::SheetFormat& format, std::uint64_t seed,
                                         const engine::PaperOptions& options, engine::FormatError& error) {
    auto layout = engine::LayOutPaper(format, engine::MakeSheet(format, seed), options, error);
    if (!layout) return std::nullopt;
    return PaperSheet{format, seed, options.size, std::move(*layout)};
}

QString PaperLabelText(const engine::PaperLabel& label, const engine::PaperPage& page,
                       const engine::SheetFormat& format) {
    using Text = engine::PaperText;
    const auto figure = [&label](std::size_t index) {
        return index < label.figures.size() ? QString::fromStdString(label.figures[index]) : QString();
    };
    switch (label.text) {
    case Text::Title:
        if (page.kind == engine::PaperPageKind::AnswerKey)
            //: Printed over the answer key's pages; %1 is the sheet's title.
            return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "Answer key – %1"))
                .arg(sheetresults::SheetTitle(format));
        if (page.kind == engine::PaperPageKind::CurveGrid)
            //: Printed over the blank grid for drawing the work curve by hand; %1 is the sheet's title.
            return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "Work curve – %1"))
                .arg(sheetresults::SheetTitle(format));
        return sheetresults::SheetTitle(format);
    case Text::Seed: return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "Seed %1")).arg(figure(0));
    //: Before a line to write one's name on.
    case Text::Name: return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "Name:"));
    //: Before a line to write the date on.
    case Text::Date: return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "Date:"));
    case Text::Footer:
        //: Every page's footer: the format's name as the command line takes it (kept as it is), the
        //: seed, the page and the pages.
        return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "%1 · seed %2 · page %3 of %4"))
            .arg(figure(0), figure(1), figure(2), figure(3));
    case Text::FooterPractice:
        return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "%1, practice · seed %2 · page %3 of %4"))
            .arg(figure(0), figure(1), figure(2), figure(3));
    case Text::Number: return figure(0);
    //: The band between the two halves of a sheet, and its mark on the curve grid.
    case Text::Break: return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "Break"));
    case Text::AxisColumns: return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "Column"));
    case Text::AxisLines: return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "Line"));
    //: Pauli: the curve grid's periods, each between two strokes.
    case Text::AxisPeriods: return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "Period between strokes"));
    //: The curve grid's amounts: how many pairs were added in a column, line or period.
    case Text::AxisAmount: return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "Pairs added"));
    }
    return {};
}

QPageLayout PageLayoutOf(const PaperSheet& sheet) {
    const auto orientation = sheet.layout.orientation == engine::PaperOrientation::Landscape ? QPageLayout::Landscape
                                                                                             : QPageLayout::Portrait;
    return QPageLayout(QPageSize(PageSizeOf(sheet.size)), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

void PaintPaperPage(QPainter& painter, const PaperSheet& sheet, std::size_t index) {
    const engine::PaperLayout& layout = sheet.layout;
    const engine::PaperPage& page = layout.pages.at(index);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const engine::PaperRule& rule : page.rules) {
        painter.setPen(QPen(rule.faint ? kFaint : kPrint, rule.width));
        painter.drawLine(QPointF(rule.x1, rule.y1), QPointF(rule.x2, rule.y2));
    }
    for (const engine::PaperLabel& label : page.labels) {
        painter.setFont(PageFont(painter, label.points, label.bold));
        painter.setPen(label.text == engine::PaperText::Number ? kNumber : kPrint);
        const QRectF rect = RectOf(label.rect);
        const QString text = painter.fontMetrics().elidedText(PaperLabelText(label, page, sheet.format), Qt::ElideRight,
                                                              static_cast<int>(rect.width()));
        painter.drawText(rect, FlagsOf(label.align) | Qt::TextDontClip, text);
    }
    // The digits, each centred in its cell; the same ten texts throughout.
    painter.setFont(PageFont(painter, layout.digitPoints, false));
    painter.setPen(kPrint);
    const QString digits[] = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                              QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                              QStringLiteral("8"), QStringLiteral("9")};
    for (const engine::PaperDigit& digit : page.digits)
        painter.drawText(RectOf(digit.rect), Qt::AlignCenter | Qt::TextDontClip, digits[digit.digit]);
    if (page.kind == engine::PaperPageKind::AnswerKey) {
        painter.setFont(PageFont(painter, layout.answerPoints, false));
        painter.setPen(kAnswer);
        for (const engine::PaperGap& gap : page.gaps)
            painter.drawText(RectOf(gap.rect), Qt::AlignCenter | Qt::TextDontClip, digits[gap.answer]);
    }
    painter.restore();
}

bool PaintPaper(QPagedPaintDevice& device, const PaperSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The paper's points, from its top-left corner.
    painter.scale(device.logicalDpiX() / kPointsPerInch, device.logicalDpiY() / kPointsPerInch);
    for (std::size_t index = 0; index < sheet.layout.pages.size(); ++index) {
        if (index > 0 && !device.newPage()) return false;
        PaintPaperPage(painter, sheet, index);
    }
    return painter.end();
}

std::optional<QString> WritePaperPdf(const QString& path, const PaperSheet& sheet) {
    // The document is made in memory and written in one step, which the file's own writer
    // makes atomic; the PDF writer itself reports no failure to write.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Tavrendale"));
        engine::PaperLabel title;
        title.text = engine::PaperText::Title;
        writer.setTitle(PaperLabelText(title, sheet.layout.pages.front(), sheet.format));
        writer.setPageLayout(PageLayoutOf(sheet));
        writer.setResolution(1200);
        if (!PaintPaper(writer, sheet))
            return Translated(QT_TRANSLATE_NOOP("sheet::PaperPrint", "the PDF could not be made"));
    }
    return windowkit::WriteFileAtomically(path, pdf);
}

} // namespace sheet
