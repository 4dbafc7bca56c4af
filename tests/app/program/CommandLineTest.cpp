// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, as a shell gives it: --help and --version answer and end,
// anything else but Qt's own options is refused, on a desktop and in a terminal without a
// display alike.

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

namespace {

enum class Display { Offscreen, None };

struct CommandLineCase {
    std::string name;
    QStringList arguments;
    Display display;
    int exitCode;
    const char* output; // a pattern the whole standard output matches
    const char* errors; // a pattern the whole standard error matches
};

void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

constexpr int kAnswered = 0;
constexpr int kRefused = 1;
constexpr int kWaitMs = 60000;
const char* const kVersion = "Tavrendale 1\\.0\\n";
const char* const kUsage = "Usage: \\S*tavrendale \\[options\\]\\n(.*\\n)*.*--version.*\\n(.*\\n)*";
const char* const kNothing = "";

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {
protected:
    // Qt warns on the standard error when the runtime folder is missing, as it is under a
    // bare terminal or a test runner: give the program one of its own.
    static void SetUpTestSuite() {
        runtime_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(runtime_->isValid());
        QFile::setPermissions(runtime_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    static void TearDownTestSuite() { runtime_.reset(); }

    static QProcessEnvironment Environment(Display display) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime_->path());
        // English, whatever the machine's language: the patterns below are the English texts.
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) environment.remove(name);
        environment.insert("LANG", "C.UTF-8");
        if (display == Display::None) {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
        } else {
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        }
        return environment;
    }

private:
    static inline std::unique_ptr<QTemporaryDir> runtime_;
};

TEST_P(CommandLineTest, AnswersOrRefusesWithTheRightStatusAndText) {
    const CommandLineCase& c = GetParam();
    QProcess program;
    program.setProcessEnvironment(Environment(c.display));
    program.start(QStringLiteral(TAVRENDALE_PROGRAM), c.arguments);
    if (!program.waitForFinished(kWaitMs)) {
        program.kill();
        program.waitForFinished();
        FAIL() << "still running: the window opened instead of an answer";
    }
    const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    EXPECT_EQ(program.exitCode(), c.exitCode) << errors.toStdString();
    const QRegularExpression wholeOutput(QRegularExpression::anchoredPattern(QString::fromLatin1(c.output)));
    EXPECT_TRUE(wholeOutput.match(output).hasMatch()) << "standard output: " << output.toStdString();
    const QRegularExpression wholeErrors(QRegularExpression::anchoredPattern(QString::fromLatin1(c.errors)));
    EXPECT_TRUE(wholeErrors.match(errors).hasMatch()) << "standard error: " << errors.toStdString();
}

const char* const kUnknownBogus = "Tavrendale: Unknown option 'bogus'\\.\\n";
const char* const kGivenExtra = "Tavrendale: takes no arguments, but was given: extra\\n";
const char* const kNoLanguageXx = "Tavrendale: there are no texts in the language \"xx\"; the languages are en "
                                  "\\(English\\), id \\(Bahasa Indonesia\\), ja \\(\\S+\\)\\. The desktop's language "
                                  "is used\\.\\n";
const std::string kNoLanguageXxGivenExtra = std::string(kNoLanguageXx) + kGivenExtra;
const char* const kUsageInIndonesian =
    "Penggunaan: \\S*tavrendale \\[opsi\\]\\nMelatih aturan penjumlahan tes Pauli-Kraepelin: .*\\n\\nOpsi:\\n"
    "(.*\\n)*  -h, --help +Menampilkan bantuan tentang opsi baris perintah\\.\\n(.*\\n)*"
    "  -v, --version +Menampilkan informasi versi\\.\\n(.*\\n)*";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    OnADesktop, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"Version", {"--version"}, Display::Offscreen, kAnswered, kVersion, kNothing},
        CommandLineCase{"ShortVersion", {"-v"}, Display::Offscreen, kAnswered, kVersion, kNothing},
        CommandLineCase{"Help", {"--help"}, Display::Offscreen, kAnswered, kUsage, kNothing},
        CommandLineCase{"QtsOwnOptionIsTaken", {"-platform", "offscreen", "--version"}, Display::Offscreen,
                        kAnswered, kVersion, kNothing},
        CommandLineCase{"UnknownOption", {"--bogus"}, Display::Offscreen, kRefused, kNothing, kUnknownBogus},
        CommandLineCase{"Argument", {"answers.txt"}, Display::Offscreen, kRefused, kNothing,
                        "Tavrendale: takes no arguments, but was given: answers\\.txt\\n"}),
    [](const ::testing::TestParamInfo<CommandLineCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    WithoutADisplay, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"Version", {"--version"}, Display::None, kAnswered, kVersion, kNothing},
        CommandLineCase{"Help", {"-h"}, Display::None, kAnswered, kUsage, kNothing},
        CommandLineCase{"HelpAfterQtsOwnOption", {"-reverse", "--help"}, Display::None, kAnswered, kUsage, kNothing},
        CommandLineCase{"UnknownOption", {"--bogus"}, Display::None, kRefused, kNothing, kUnknownBogus},
        CommandLineCase{"UnknownShortOptions", {"-bogus"}, Display::None, kRefused, kNothing,
                        "Tavrendale: Unknown options: b, o, g, u, s\\.\\n"},
        CommandLineCase{"Argument", {"extra"}, Display::None, kRefused, kNothing, kGivenExtra},
        CommandLineCase{"ArgumentAfterTheEndOfOptions", {"--", "extra"}, Display::None, kRefused, kNothing,
                        kGivenExtra},
        // Qt takes its option and the option's value; the program refuses what is left.
        CommandLineCase{"ArgumentBesideQtsOwnOption", {"-style", "fusion", "extra"}, Display::None, kRefused,
                        kNothing, kGivenExtra},
        CommandLineCase{"ArgumentBesideQtsOwnOptionWithItsValue", {"-stylesheet=none.qss", "extra"}, Display::None,
                        kRefused, kNothing, kGivenExtra},
        CommandLineCase{"UnknownOptionBesideQtsOwnFlag", {"--reverse", "--bogus"}, Display::None, kRefused,
                        kNothing, kUnknownBogus},
        // A language the program speaks changes nothing else; one it does not is said, in English.
        CommandLineCase{"Language", {"--lang", "ja", "--version"}, Display::None, kAnswered, kVersion, kNothing},
        CommandLineCase{"LanguageWithItsValue", {"--lang=id_ID.UTF-8", "--version"}, Display::None, kAnswered,
                        kVersion, kNothing},
        CommandLineCase{"UnknownLanguage", {"--lang", "xx", "--version"}, Display::None, kAnswered, kVersion,
                        kNoLanguageXx},
        CommandLineCase{"UnknownLanguageBesideAnArgument", {"--lang", "xx", "extra"}, Display::None, kRefused,
                        kNothing, kNoLanguageXxGivenExtra.c_str()},
        // --help and the refusals in the language asked for, Qt's own words of the parser too.
        CommandLineCase{"HelpInIndonesian", {"--lang", "id", "--help"}, Display::None, kAnswered,
                        kUsageInIndonesian, kNothing},
        CommandLineCase{"ArgumentRefusedInIndonesian", {"--lang", "id", "extra"}, Display::None, kRefused, kNothing,
                        "Tavrendale: tidak menerima argumen, tetapi diberi: extra\\n"},
        CommandLineCase{"UnknownOptionRefusedInIndonesian", {"--lang=id", "--bogus"}, Display::None, kRefused,
                        kNothing, "Tavrendale: Opsi 'bogus' tidak dikenal\\.\\n"},
        CommandLineCase{"LanguageWithoutItsCode", {"--version", "--lang"}, Display::None, kRefused, kNothing,
                        "Tavrendale: Missing value after '--lang'\\.\\n"}),
    [](const ::testing::TestParamInfo<CommandLineCase>& info) { return info.param.name; });
// clang-format on

} // namespace
