// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF of each sheet read back as a person's PDF reader reads it (poppler's pdftotext):
// its pages, and its digits column by column or line by line, are the sheet of its seed;
// the answer key's digits are the unit digits of the pairs' sums.
#include "engine/Sheet.h"
#include "sheet/PaperPrint.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

using Digits = std::vector<std::vector<int>>;

struct PdfCase {
    const char* name;
    const char* format; // a preset's name, or "custom" for custom lines with a break
    bool practice;
    engine::PaperSize size;
    std::size_t sheetPages;
    bool answerKey;
};

void PrintTo(const PdfCase& c, std::ostream* os) { *os << c.name; }

engine::SheetFormat FormatOf(const PdfCase& c) {
    engine::FormatError error;
    if (std::string(c.format) != "custom") return *engine::FormatByName(c.format, c.practice, error);
    engine::CustomFormat custom;
    custom.order = engine::WorkOrder::LeftToRight;
    custom.units = 4;
    custom.digitsPerUnit = 40;
    custom.breakAfter = 2;
    custom.breakSeconds = 60;
    return *engine::MakeCustomFormat(custom, error);
}

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines of a page of text that hold digits and blanks alone, as their words.
std::vector<QStringList> NumberLines(const QString& text) {
    std::vector<QStringList> lines;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() ||
            !std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit() || c.isSpace(); }))
            continue;
        lines.push_back(trimmed.split(u' ', Qt::SkipEmptyParts));
    }
    return lines;
}

// The digits of words from `first` on: digits set close together may be read as one word.
std::vector<int> DigitsOf(const QStringList& words, qsizetype first = 0) {
    std::vector<int> digits;
    for (qsizetype word = first; word < words.size(); ++word) {
        for (QChar c : words[word]) digits.push_back(c.digitValue());
    }
    return digits;
}

class PaperPdfTest : public testing::TestWithParam<PdfCase> {
protected:
    void SetUp() override {
        pdftotext_ = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        pdfinfo_ = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (pdftotext_.isEmpty() || pdfinfo_.isEmpty())
            GTEST_SKIP() << "pdftotext and pdfinfo are missing (Debian's poppler-utils: scripts/deps.sh test)";
    }
    QString Page(const QString& pdf, std::size_t page) const {
        const QString number = QString::number(page);
        return Output(pdftotext_, {QStringLiteral("-layout"), QStringLiteral("-f"), number, QStringLiteral("-l"),
                                   number, pdf, QStringLiteral("-")});
    }
    QString pdftotext_;
    QString pdfinfo_;
};

TEST_P(PaperPdfTest, ReadsBackAsTheSheetOfItsSeed) {
    constexpr std::uint64_t kSeed = 7;
    const PdfCase& c = GetParam();
    const engine::SheetFormat format = FormatOf(c);
    const engine::Sheet sheet = engine::MakeSheet(format, kSeed);
    engine::PaperOptions options;
    options.size = c.size;
    options.answerKey = c.answerKey;
    engine::FormatError error;
    const auto paper = sheet::MakePaperSheet(format, kSeed, options, error);
    ASSERT_TRUE(paper) << error.Describe();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_FALSE(sheet::WritePaperPdf(pdf, *paper));

    const std::size_t pages = c.sheetPages * (c.answerKey ? 2 : 1);
    EXPECT_TRUE(Output(pdfinfo_, {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))));

    const bool columns = format.order != engine::WorkOrder::LeftToRight;
    // Each page's units as read, and under a key page's digits their answers.
    Digits units;
    Digits answers;
    for (std::size_t page = 1; page <= pages; ++page) {
        const bool key = page > c.sheetPages;
        auto lines = NumberLines(Page(pdf, page));
        ASSERT_FALSE(lines.empty()) << "page " << page;
        Digits& read = key ? answers : units;
        if (columns) {
            // The columns' numbers, then the rows from the top; on a key page a row of
            // answers between each two rows of digits.
            const std::size_t first = read.size();
            read.resize(first + lines.front().size());
            for (std::size_t row = 1; row < lines.size(); ++row) {
                if (key && row % 2 == 1) continue;
                for (qsizetype column = 0; column < lines[row].size(); ++column)
                    read[first + std::size_t(column)].push_back(lines[row][column].toInt());
            }
        } else {
            // Each line's number, then its digits; on a key page its answers on the next line.
            for (std::size_t line = 0; line < lines.size(); ++line) {
                if (key) {
                    if (line % 2 == 1) read.push_back(DigitsOf(lines[line]));
                } else {
                    read.push_back(DigitsOf(lines[line], 1));
                }
            }
        }
    }
    ASSERT_EQ(units.size(), sheet.unitCount());
    for (std::uint32_t unit = 0; unit < sheet.unitCount(); ++unit) {
        std::vector<int> expected;
        for (std::uint32_t i = 0; i < sheet.digitCount(unit); ++i) expected.push_back(sheet.digit(unit, i));
        // Bottom-up columns read from the top down are the sheet backwards.
        if (format.order == engine::WorkOrder::BottomUp) std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(units[unit], expected) << "unit " << unit + 1;
    }
    if (!c.answerKey) return;
    ASSERT_EQ(answers.size(), sheet.unitCount());
    for (std::uint32_t unit = 0; unit < sheet.unitCount(); ++unit) {
        std::vector<int> expected;
        for (std::uint32_t pair = 0; pair < sheet.pairCount(unit); ++pair)
            expected.push_back((sheet.digit(unit, pair) + sheet.digit(unit, pair + 1)) % 10);
        if (format.order == engine::WorkOrder::BottomUp) std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(answers[unit], expected) << "answers of unit " << unit + 1;
    }
}

using engine::PaperSize;
INSTANTIATE_TEST_SUITE_P(Sheets, PaperPdfTest,
                         testing::Values(PdfCase{"Kraepelin15", "kraepelin-15", false, PaperSize::A4, 2, false},
                                         PdfCase{"Kraepelin15OnA3", "kraepelin-15", false, PaperSize::A3, 1, false},
                                         PdfCase{"Kraepelin30", "kraepelin-30", false, PaperSize::A3, 1, false},
                                         PdfCase{"Uchida", "uchida", false, PaperSize::A4, 2, false},
                                         PdfCase{"Pauli", "pauli", false, PaperSize::A4, 4, false},
                                         PdfCase{"PracticeKraepelin15Key", "kraepelin-15", true, PaperSize::A4, 1,
                                                 true},
                                         PdfCase{"CustomLinesKey", "custom", false, PaperSize::Letter, 1, true}),
                         [](const testing::TestParamInfo<PdfCase>& info) { return std::string(info.param.name); });

} // namespace
