// SPDX-License-Identifier: GPL-3.0-or-later
// The exam sheet's options as a shell gives them: a good choice opens the sheet window, a
// bad value is refused by name with exit status 1, in a terminal without a display too.

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>
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
        RefusalCase{"TwoSheets", {"--sheet", "pauli", "--sheet", "uchida"}, "given once each"}));

TEST(SheetOptions, HelpListsThem) {
    QProcess program;
    program.setProcessEnvironment(WithoutDisplay());
    program.start(QStringLiteral(TAVRENDALE_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(kWaitMs));
    const QString help = QString::fromLocal8Bit(program.readAllStandardOutput());
    EXPECT_EQ(program.exitCode(), 0);
    for (const char* option : {"--sheet <format>", "--practice", "--seed <n>", "kraepelin-15, kraepelin-30, uchida"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option << "\n" << help.toStdString();
}

} // namespace
