// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, as a shell gives it: --help and --version answer and end,
// anything else but Qt's own options is refused.

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    int exitCode;
    const char* output; // a pattern the whole standard output matches
    const char* errors; // a pattern found in the standard error
    bool withoutDisplay = false;
};

const CommandLineCase kCases[] = {
    {"version", {"--version"}, 0, "Tavrendale 1\\.0\\n", ""},
    {"short version", {"-v"}, 0, "Tavrendale 1\\.0\\n", ""},
    {"help", {"--help"}, 0, "Usage: \\S*tavrendale \\[options\\]\\n(.*\\n)*.*--version.*\\n(.*\\n)*", ""},
    {"Qt's own option is taken", {"-platform", "offscreen", "--version"}, 0, "Tavrendale 1\\.0\\n", ""},
    {"version without a display", {"--version"}, 0, "Tavrendale 1\\.0\\n", "", true},
    {"help without a display", {"-h"}, 0, "Usage: (.*\\n)+", "", true},
    {"unknown option", {"--bogus"}, 1, "", "Unknown option 'bogus'"},
    {"argument", {"answers.txt"}, 1, "", "takes no arguments, but was given: answers\\.txt"},
};

TEST(CommandLine, AnswersHelpAndVersionAndRefusesTheRest) {
    for (const CommandLineCase& c : kCases) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (c.withoutDisplay) {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
        } else {
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TAVRENDALE_PROGRAM), c.arguments);
        ASSERT_TRUE(program.waitForFinished(60000)) << c.name << ": still running";
        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(program.exitCode(), c.exitCode) << c.name << "\n" << errors.toStdString();
        const QRegularExpression whole(QRegularExpression::anchoredPattern(QString::fromLatin1(c.output)));
        EXPECT_TRUE(whole.match(output).hasMatch()) << c.name << ": " << output.toStdString();
        EXPECT_TRUE(errors.contains(QRegularExpression(QString::fromLatin1(c.errors))))
            << c.name << ": " << errors.toStdString();
    }
}

} // namespace
