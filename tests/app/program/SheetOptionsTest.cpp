// SPDX-License-Identifier: GPL-3.0-or-later
// The exam sheet's options as a shell gives them: a good choice opens the sheet window, a
// bad value is refused by name with exit status 1, in a terminal without a display too.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

namespace {

constexpr int kRefused = 1;
constexpr int kWaitMs = 60000;

struct RefusalCase {
    const char* name;
    QStringList arguments;
    const char* errors; // a pattern found in the standard error
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    return environment;
}

class SheetOptionRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(SheetOptionRefusalTest, IsRefusedByNameWithoutADisplay) {
    QProcess program;
    program.setProcessEnvironment(WithoutDisplay());
    program.start(QStringLiteral(TAVRENDALE_PROGRAM), GetParam().arguments);
    ASSERT_TRUE(program.waitForFinished(kWaitMs)) << "still running";
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), kRefused) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QRegularExpression(QString::fromUtf8(GetParam().errors)))) << errors.toStdString();
    EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, SheetOptionRefusalTest,
    testing::Values(
        RefusalCase{
            "UnknownFormat",
            {"--sheet", "raven"},
            "unknown sheet format \"raven\"; the formats are kraepelin-15, kraepelin-30, uchida, pauli, custom"},
        RefusalCase{"SeedNotANumber", {"--sheet", "pauli", "--seed", "12x"}, "seed: must be a whole number .*\"12x\""},
        RefusalCase{"SeedTooLarge", {"--sheet=uchida", "--seed=18446744073709551616"}, "seed: must be a whole number"},
        RefusalCase{"PracticeWithoutSheet", {"--practice"}, "give --sheet FORMAT too"},
        RefusalCase{"SeedWithoutSheet", {"--seed", "5"}, "give --sheet FORMAT too"},
        RefusalCase{"CustomPractice", {"--sheet", "custom", "--practice"}, "the custom sheet has no practice version"},
        RefusalCase{"SheetWithoutFormat", {"--sheet"}, "Missing value after '--sheet'"},
        RefusalCase{"TwoSheets", {"--sheet", "pauli", "--sheet", "uchida"}, "given once each"},
        RefusalCase{"PdfWithoutSeed", {"--sheet", "pauli", "--pdf", "x.pdf"}, "give --sheet FORMAT and --seed N too"},
        RefusalCase{"PdfWithoutSheet", {"--seed", "3", "--pdf", "x.pdf"}, "give --sheet FORMAT and --seed N too"},
        RefusalCase{
            "PdfOfUnknownFormat", {"--sheet", "raven", "--seed", "3", "--pdf", "x.pdf"}, "unknown sheet format"},
        RefusalCase{"HistoryWithASheet",
                    {"--history", "--sheet", "pauli"},
                    "--history opens the History window alone: give no exam sheet's options"},
        RefusalCase{"HistoryWithAnArgument", {"--history", "pauli"}, "takes no arguments, but was given: pauli"},
        RefusalCase{"PdfSeedNotANumber",
                    {"--sheet", "uchida", "--seed", "3x", "--pdf", "x.pdf"},
                    "seed: must be a whole number"}));

struct PdfCase {
    const char* name;
    QStringList arguments;
    int pages;
};

void PrintTo(const PdfCase& c, std::ostream* os) { *os << c.name; }

class SheetPdfTest : public testing::TestWithParam<PdfCase> {};

// Written without a display, whole: a PDF of the sheet's pages.
TEST_P(SheetPdfTest, IsWrittenWithoutADisplay) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    QProcess program;
    program.setProcessEnvironment(WithoutDisplay());
    program.start(QStringLiteral(TAVRENDALE_PROGRAM), GetParam().arguments + QStringList{"--pdf", path});
    ASSERT_TRUE(program.waitForFinished(kWaitMs)) << "still running";
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray contents = pdf.readAll();
    EXPECT_TRUE(contents.startsWith("%PDF-"));
    EXPECT_EQ(contents.count("/Type /Page\n") + contents.count("/Type /Page\r"), GetParam().pages);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"sheet.pdf"}) << "a temporary file stayed";
}

INSTANTIATE_TEST_SUITE_P(Values, SheetPdfTest,
                         testing::Values(PdfCase{"Pauli", {"--sheet", "pauli", "--seed", "4"}, 4},
                                         PdfCase{"PracticeUchida", {"--sheet=uchida", "--practice", "--seed=9"}, 1},
                                         PdfCase{"Custom", {"--sheet", "custom", "--seed", "1"}, 1}));

// A path that cannot be written is told with the path and the system's reason, and nothing
// is left there: under a regular file (as root, a folder without permission would do), and a
// folder as the target.
TEST(SheetPdf, UnwritablePathIsToldAndLeavesNothing) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    for (const QString& path : {folder.filePath(QStringLiteral("file/sheet.pdf")), folder.path()}) {
        QProcess program;
        program.setProcessEnvironment(WithoutDisplay());
        program.start(QStringLiteral(TAVRENDALE_PROGRAM), {"--sheet", "kraepelin-15", "--seed", "2", "--pdf", path});
        ASSERT_TRUE(program.waitForFinished(kWaitMs));
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_EQ(program.exitCode(), kRefused);
        EXPECT_TRUE(errors.contains(QStringLiteral("cannot write the PDF to \"%1\": ").arg(path)))
            << errors.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"file"});
    }
}

TEST(SheetOptions, HelpListsThem) {
    QProcess program;
    program.setProcessEnvironment(WithoutDisplay());
    program.start(QStringLiteral(TAVRENDALE_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(kWaitMs));
    const QString help = QString::fromLocal8Bit(program.readAllStandardOutput());
    EXPECT_EQ(program.exitCode(), 0);
    for (const char* option : {"--sheet <format>", "--practice", "--seed <n>", "--pdf <file>", "--history",
                               "kraepelin-15, kraepelin-30, uchida"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option << "\n" << help.toStdString();
}

} // namespace
