// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a run's answers as CSV: the file read back, the dialog's suggestion, and failures
// that must leave no partial file and any old file as it was.
#include "../support/ScriptedFileDialogs.h"
#include "../support/ScriptedMessageBoxes.h"
#include "engine/AnswersCsv.h"
#include "host/qt/FileDialogs.h"
#include "host/qt/Languages.h"
#include "host/qt/MessageBoxes.h"
#include "workcurve/RecordedRun.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

using engine::MakeRecordedAnswer;

workcurve::RecordedRun SomeRun() {
    return {{MakeRecordedAnswer(7, 5, "2", true, 0, 850), MakeRecordedAnswer(6, 9, "1", false, 0, 1234),
             MakeRecordedAnswer(0, 0, "0", true, 1, 4'000'000'000ull), MakeRecordedAnswer(9, 9, "8", true, 98, 0)},
            {98, 59},
            QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5))};
}

// Reads a file written by SaveAnswers back into answers, checking its form on the way.
std::vector<engine::RecordedAnswer> ReadBack(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.endsWith("\r\n"));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    EXPECT_EQ(lines.value(0).toStdString(), engine::kAnswersCsvHeader);
    std::vector<engine::RecordedAnswer> answers;
    for (int row = 1; row < lines.size(); ++row) {
        const QStringList fields = lines[row].split(QLatin1Char(','));
        EXPECT_EQ(fields.size(), 7) << lines[row].toStdString();
        if (fields.size() != 7) break;
        EXPECT_EQ(fields[0].toInt(), row);
        EXPECT_TRUE(fields[5] == "TRUE" || fields[5] == "FALSE");
        answers.push_back(MakeRecordedAnswer(fields[2].toInt(), fields[3].toInt(), fields[4].toStdString(),
                                             fields[5] == "TRUE", fields[1].toULongLong(), fields[6].toULongLong()));
    }
    return answers;
}

class AnswersFileTest : public testing::Test {
protected:
    // A case may have made the folder read-only.
    ~AnswersFileTest() override {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    bool Save(const QString& path) {
        files.Choose(path);
        return workcurve::SaveAnswers(nullptr, SomeRun(), files, messages);
    }

    QTemporaryDir folder;
    host::ScriptedFileDialogs files;
    host::ScriptedMessageBoxes messages;
};

TEST_F(AnswersFileTest, WrittenFileReadsBackAsTheRecord) {
    const QString path = folder.filePath("answers.csv");
    ASSERT_TRUE(Save(path));
    EXPECT_EQ(ReadBack(path), SomeRun().answers);
    EXPECT_TRUE(messages.requests().empty());
    // Over an existing file as well.
    ASSERT_TRUE(Save(path));
    EXPECT_EQ(ReadBack(path), SomeRun().answers);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"answers.csv"});
}

TEST_F(AnswersFileTest, DialogSuggestsTheRunsEndInTheDocumentsFolder) {
    EXPECT_FALSE(Save(QString())) << "cancelled";
    ASSERT_EQ(files.requests().size(), 1u);
    const host::SaveFileRequest& request = files.requests()[0];
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QFileInfo(documents).isDir()) documents = QDir::homePath();
    EXPECT_EQ(request.suggestedPath, QDir(documents).filePath("tavrendale-20240102-030405.csv"));
    EXPECT_EQ(request.defaultSuffix, "csv");
    EXPECT_TRUE(request.filters.value(0).contains("*.csv"));
    EXPECT_TRUE(messages.requests().empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// Sets an environment variable for the guard's life.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~EnvironmentVariable() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

struct SuggestionCase {
    const char* name;
    bool documentsExists;
    const char* expectedFolder; // under the home folder
};

void PrintTo(const SuggestionCase& c, std::ostream* os) { *os << c.name; }

class SuggestionTest : public AnswersFileTest, public testing::WithParamInterface<SuggestionCase> {};

// The suggestion is a path that saves as it stands: into the documents folder where the
// user has one, else into the home folder, never into a folder that is not there.
TEST_P(SuggestionTest, SuggestsAFolderThatExists) {
#if defined(__unix__) && !defined(__APPLE__)
    const QDir home(folder.path());
    // No user-dirs.dirs: Qt names ~/Documents whether or not it exists.
    const EnvironmentVariable homeVariable("HOME", QFile::encodeName(home.path()));
    const EnvironmentVariable configVariable("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    if (GetParam().documentsExists) {
        ASSERT_TRUE(home.mkdir("Documents"));
    }

    const QString suggested = workcurve::SuggestedAnswersPath(SomeRun().endedAt);
    EXPECT_EQ(suggested, QDir::cleanPath(home.filePath(GetParam().expectedFolder) + "/tavrendale-20240102-030405.csv"));
    EXPECT_TRUE(QFileInfo(suggested).isAbsolute());
    ASSERT_TRUE(Save(suggested)) << "saved as suggested";
    EXPECT_EQ(ReadBack(suggested), SomeRun().answers);
    EXPECT_TRUE(messages.requests().empty());
#else
    GTEST_SKIP() << "the documents folder is the platform's own here";
#endif
}

// The platform's save dialog opens in the suggested folder with the suggested name in its
// name field, not with a path relative to the folder the program was started in.
TEST_F(AnswersFileTest, TheDialogShowsTheSuggestionAsAFolderAndAName) {
#if defined(__unix__) && !defined(__APPLE__)
    const QDir home(folder.path());
    const EnvironmentVariable homeVariable("HOME", QFile::encodeName(home.path()));
    const EnvironmentVariable configVariable("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    QString shownFolder;
    QString shownName;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shownFolder = dialog->directory().absolutePath();
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) shownName = name->text();
        dialog->reject();
    });
    poll.start(10);
    host::QtFileDialogs dialogs;
    EXPECT_FALSE(workcurve::SaveAnswers(nullptr, SomeRun(), dialogs, messages)) << "cancelled";
    EXPECT_EQ(shownFolder, home.absolutePath());
    EXPECT_EQ(shownName, "tavrendale-20240102-030405.csv");
#else
    GTEST_SKIP() << "the documents folder is the platform's own here";
#endif
}

INSTANTIATE_TEST_SUITE_P(Homes, SuggestionTest,
                         testing::Values(SuggestionCase{"WithDocuments", true, "Documents"},
                                         SuggestionCase{"WithoutDocuments", false, "."}));

// ---- Failures ----

#if defined(__unix__)
// Makes every write past `bytes` into a file fail with "File too large", as a full disk
// would, for the guard's life.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};
#endif

struct FailureCase {
    const char* name;
    // Prepares the folder and returns the path the user chooses (empty: the case cannot
    // be played here, with the reason in `skipped`).
    std::function<QString(const QDir& folder, std::string& skipped)> prepare;
    // Runs the save under whatever condition the case needs.
    std::function<bool(const std::function<bool()>& save)> around = [](const auto& save) { return save(); };
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class SaveFailureTest : public AnswersFileTest, public testing::WithParamInterface<FailureCase> {};

const QByteArray kOldContents = "an older file the user keeps\n";

TEST_P(SaveFailureTest, NamesThePathAndReasonAndLeavesNoPartialFile) {
    const QDir dir(folder.path());
    QFile old(dir.filePath("kept.csv"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(kOldContents);
    old.close();
    std::string skipped;
    const QString path = GetParam().prepare(dir, skipped);
    if (path.isEmpty()) GTEST_SKIP() << skipped;
    const QStringList before = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    EXPECT_FALSE(GetParam().around([&] { return Save(path); }));

    ASSERT_EQ(messages.requests().size(), 1u);
    const host::MessageRequest& box = messages.requests()[0];
    EXPECT_EQ(box.title, "Tavrendale");
    EXPECT_EQ(box.icon, host::MessageIcon::Warning);
    const QString expectedStart =
        QStringLiteral("The answers could not be saved to \"%1\":\n").arg(QDir::toNativeSeparators(path));
    EXPECT_TRUE(box.text.startsWith(expectedStart)) << box.text.toStdString();
    EXPECT_GT(box.text.size(), expectedStart.size()) << "the reason is given";
    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before) << "no partial file";
    QFile kept(dir.filePath("kept.csv"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), kOldContents);
}

QString ChooseAFolder(const QDir& dir, std::string&) {
    dir.mkdir("chosen");
    return dir.filePath("chosen");
}

QString ChooseInAVanishedFolder(const QDir& dir, std::string&) { return dir.filePath("gone/answers.csv"); }

#if defined(__unix__)
QString ChooseTheOldFile(const QDir& dir, std::string&) { return dir.filePath("kept.csv"); }

bool WithAFullDisk(const std::function<bool()>& save) {
    const FileSizeLimit limit(16);
    return save();
}

QString ChooseInAReadOnlyFolder(const QDir& dir, std::string& skipped) {
    if (::geteuid() == 0) {
        skipped = "the superuser may write anywhere";
        return {};
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    return dir.filePath("kept.csv");
}
#else
QString ChooseTheOldFile(const QDir&, std::string& skipped) {
    skipped = "no file size limit to stand in for a full disk here";
    return {};
}

bool WithAFullDisk(const std::function<bool()>& save) { return save(); }

QString ChooseInAReadOnlyFolder(const QDir&, std::string& skipped) {
    skipped = "folder permissions are POSIX here";
    return {};
}
#endif

INSTANTIATE_TEST_SUITE_P(Failures, SaveFailureTest,
                         testing::Values(FailureCase{"FolderChosen", ChooseAFolder},
                                         FailureCase{"FolderVanished", ChooseInAVanishedFolder},
                                         FailureCase{"DiskFullOverAnOldFile", ChooseTheOldFile, WithAFullDisk},
                                         FailureCase{"NoPermission", ChooseInAReadOnlyFolder}));

} // namespace

namespace {

class AnswersFileLanguagesTest : public AnswersFileTest, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam()))); }

    host::Translations translations;
};

// In every language the file is the same English CSV, the dialog's filters keep the
// patterns the dialog filters by, and a failure still names the path and the reason.
TEST_P(AnswersFileLanguagesTest, SavesTheSameFileAndNamesThePathOfAFailure) {
    const QString path = folder.filePath(QStringLiteral("answers.csv"));
    ASSERT_TRUE(Save(path));
    EXPECT_EQ(ReadBack(path), SomeRun().answers);
    ASSERT_EQ(files.requests().size(), 1u);
    const host::SaveFileRequest& request = files.requests()[0];
    EXPECT_FALSE(request.title.isEmpty());
    ASSERT_EQ(request.filters.size(), 2);
    EXPECT_TRUE(request.filters[0].endsWith(QStringLiteral("(*.csv)"))) << request.filters[0].toStdString();
    EXPECT_TRUE(request.filters[1].endsWith(QStringLiteral("(*)"))) << request.filters[1].toStdString();

    const QString intoNowhere = folder.filePath(QStringLiteral("missing/answers.csv"));
    EXPECT_FALSE(Save(intoNowhere));
    ASSERT_EQ(messages.requests().size(), 1u);
    const QString text = messages.requests()[0].text;
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(intoNowhere))) << text.toStdString();
    // The system's reason on a line of its own after the path.
    EXPECT_GE(text.indexOf(QLatin1Char('\n')), text.indexOf(QDir::toNativeSeparators(intoNowhere)));
    EXPECT_FALSE(text.section(QLatin1Char('\n'), 1).trimmed().isEmpty()) << text.toStdString();
    EXPECT_EQ(messages.requests()[0].title, "Tavrendale");
    const bool english = QLatin1String(GetParam()) == QLatin1String("en");
    EXPECT_EQ(text.startsWith(QStringLiteral("The answers could not be saved")), english) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, AnswersFileLanguagesTest, testing::Values("en", "id", "ja"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
