// SPDX-License-Identifier: GPL-3.0-or-later
// The history in a real SQLite file in a temporary folder: written and read back, migrated from
// every version, and each fault (locked, read-only, full, corrupt, newer, two writers) reported
// without losing what was kept.
#include "historystore/SqliteHistoryStore.h"

#include "historystore/HistoryFiles.h"
#include "historystore/SqliteSchema_p.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif

namespace {

using engine::StoreFault;
using Kind = StoreFault::Kind;
using historystore::SqliteHistoryStore;

constexpr std::int64_t kDecember2026 = 1'796'697'000'000;

engine::SheetFormat Preset(const char* name, bool practice = false) {
    engine::FormatError error;
    return *engine::FormatByName(name, practice, error);
}

// A finished sheet of `format` with `pairs` answers of every kind, ended `minutes` after kDecember2026.
engine::KeptSitting Sheet(const engine::SheetFormat& format, std::size_t pairs, int minutes) {
    std::vector<engine::SheetAnswer> record;
    const std::uint32_t perUnit = format.pairsPerUnit();
    for (std::size_t i = 0; i < pairs; ++i) {
        engine::SheetAnswer a;
        a.unit = static_cast<std::uint16_t>(i / perUnit);
        a.period = format.cued() ? a.unit : static_cast<std::uint16_t>(i * format.strokePeriods() / pairs);
        a.position = static_cast<std::uint16_t>(i % perUnit);
        a.operand1 = static_cast<std::uint8_t>(format.lowestDigit + i % 3);
        // Never the same digit twice, as a sheet without repeats prints them.
        const int digits = format.highestDigit - format.lowestDigit + 1;
        a.operand2 =
            static_cast<std::uint8_t>(format.lowestDigit + (a.operand1 - format.lowestDigit + 1 + i % 3) % digits);
        a.outcome = i % 50 == 7 ? engine::SheetAnswer::kSkipped : engine::SheetAnswer::kAnswered;
        if (a.answered()) {
            a.answer = static_cast<std::uint8_t>((a.operand1 + a.operand2 + (i % 17 == 0 ? 1 : 0)) % 10);
            a.correct = i % 17 == 0 ? 0 : 1;
            a.milliseconds = static_cast<std::uint32_t>(600 + i % 900);
        }
        a.corrections = i % 90 == 3 ? 2 : 0;
        record.push_back(a);
    }
    return engine::KeepSheet(format, record, 1234567890123456789ull, engine::SittingEnd::TimeUp, format.durationMs(),
                             {kDecember2026 + minutes * 60'000, 420});
}

engine::KeptSitting Drill(int minutes) {
    std::vector<engine::RecordedAnswer> record;
    for (std::uint32_t i = 0; i < 90; ++i) {
        const bool digit = i % 13 != 0;
        record.push_back(
            engine::MakeRecordedAnswer(i % 10, 3, digit ? "3" : "x", digit && i % 10 == 0, i / 30, 800 + i));
    }
    return engine::KeepDrill(record, {3, 0}, engine::KeptEnd::Stopped, {kDecember2026 + minutes * 60'000, 420}, 3);
}

void ExpectSame(const engine::KeptSitting& loaded, const engine::KeptSitting& kept) {
    EXPECT_EQ(loaded.endedAt, kept.endedAt);
    EXPECT_EQ(loaded.end, kept.end);
    EXPECT_EQ(loaded.origin, kept.origin);
    EXPECT_EQ(engine::FiguresText(loaded.figures), engine::FiguresText(kept.figures));
    ASSERT_EQ(loaded.kind(), kept.kind());
    if (const engine::KeptSheet* sheet = kept.sheet()) {
        EXPECT_EQ(loaded.sheet()->format, sheet->format);
        EXPECT_EQ(loaded.sheet()->seed, sheet->seed);
        EXPECT_EQ(loaded.sheet()->elapsedMs, sheet->elapsedMs);
        EXPECT_TRUE(loaded.sheet()->record == sheet->record) << "every answer as it was kept";
    } else {
        EXPECT_EQ(loaded.drill()->length.minutes, kept.drill()->length.minutes);
        EXPECT_EQ(loaded.drill()->plannedMinutes, kept.drill()->plannedMinutes);
        EXPECT_TRUE(loaded.drill()->record == kept.drill()->record);
    }
}

class HistoryStoreTest : public testing::Test {
protected:
    QString path() const { return folder.filePath(QStringLiteral("history.sqlite")); }
    historystore::StoreOptions options() const { return {path(), 2000, 0}; }

    // Keeps `sittings` in a store of its own, which is closed again.
    void KeepAll(const std::vector<engine::KeptSitting>& sittings) {
        SqliteHistoryStore store(options());
        for (const engine::KeptSitting& sitting : sittings) {
            StoreFault fault;
            ASSERT_TRUE(store.Keep(sitting, fault)) << fault.reason;
        }
    }
    // What a fresh store lists.
    std::size_t Count() {
        SqliteHistoryStore store(options());
        StoreFault fault;
        const auto list = store.List({}, fault);
        EXPECT_TRUE(list) << fault.reason;
        return list ? list->size() : 0;
    }

    QTemporaryDir temporary;
    QDir folder{temporary.path()};
};

TEST_F(HistoryStoreTest, KeepsEverySittingWholeAndListsThemNewestFirst) {
    SqliteHistoryStore store(options());
    EXPECT_EQ(store.state(), engine::StoreState::NotOpened);
    EXPECT_FALSE(QFile::exists(path())) << "nothing is written before the first call";

    engine::FormatError error;
    const engine::CustomFormat lines{engine::WorkOrder::LeftToRight, 4, 10, 30, 2, 60, 3, 9, true};
    engine::KeptSitting custom = Sheet(*engine::MakeCustomFormat(lines, error), 20, 2);
    custom.origin = engine::KeptOrigin::Imported;
    custom.end = engine::KeptEnd::NotRecorded;
    std::get<engine::KeptSheet>(custom.content).seed.reset();
    const std::vector<engine::KeptSitting> kept = {Sheet(Preset("pauli"), 4000, 1), Drill(3), custom,
                                                   Sheet(Preset("uchida", true), 60, 3)};
    std::vector<engine::SittingId> ids;
    for (const engine::KeptSitting& sitting : kept) {
        StoreFault fault;
        ids.push_back(*store.Keep(sitting, fault));
        EXPECT_EQ(fault.kind, Kind::None);
    }
    EXPECT_EQ(store.state(), engine::StoreState::Open);

    StoreFault fault;
    const std::vector<engine::SittingSummary> all = *store.List({}, fault);
    // Newest first; of the two ended at the same moment, the one kept later first.
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ((std::vector<engine::SittingId>{all[0].id, all[1].id, all[2].id, all[3].id}),
              (std::vector<engine::SittingId>{ids[3], ids[1], ids[2], ids[0]}));
    EXPECT_EQ(all[3].answerCount, 4000u);
    EXPECT_EQ(all[3].figures, kept[0].figures) << "a summary carries the figures";
    EXPECT_EQ(all[3].format.title, Preset("pauli").title);
    EXPECT_EQ(store.List({std::string("drill"), 0}, fault)->size(), 1u);
    EXPECT_EQ(store.List({std::nullopt, 2}, fault)->size(), 2u);
    const std::vector<engine::KeptFormat> formats = *store.Formats(fault);
    ASSERT_EQ(formats.size(), 4u);
    EXPECT_EQ(formats.front().formatKey, "uchida/practice");

    // A second store on the file reads what the first kept.
    SqliteHistoryStore reader(options());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        SCOPED_TRACE(i);
        const std::optional<engine::KeptSitting> loaded = reader.Load(ids[i], fault);
        ASSERT_TRUE(loaded) << fault.reason;
        EXPECT_EQ(loaded->id, ids[i]);
        ExpectSame(*loaded, kept[i]);
    }

    EXPECT_TRUE(store.Delete(ids[1], fault));
    EXPECT_FALSE(reader.Load(ids[1], fault));
    EXPECT_EQ(fault.kind, Kind::NotFound);
    EXPECT_FALSE(store.Delete(ids[1], fault));
    EXPECT_EQ(fault.kind, Kind::NotFound);
    EXPECT_EQ(store.List({}, fault)->size(), 3u);
    EXPECT_TRUE(store.DeleteAll(fault));
    EXPECT_TRUE(reader.List({}, fault)->empty());
    QSqlDatabase check = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
    check.setDatabaseName(path());
    ASSERT_TRUE(check.open());
    QSqlQuery left(check);
    ASSERT_TRUE(left.exec(
        QStringLiteral("SELECT (SELECT COUNT(*) FROM sheet_answers) + (SELECT COUNT(*) FROM drill_answers)")));
    ASSERT_TRUE(left.next());
    EXPECT_EQ(left.value(0).toInt(), 0) << "the answers go with their sittings";
    left = QSqlQuery();
    check = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}

// Runs `sql` on the file through a connection of its own.
void RunOn(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& sql : statements) ASSERT_TRUE(query.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("maker"));
}

TEST_F(HistoryStoreTest, MigratesFromEveryEarlierVersion) {
    // Version 0 is a new file in every form it comes: none, empty, or a database without tables.
    for (int form = 0; form < 3; ++form) {
        SCOPED_TRACE(form);
        QFile::remove(path());
        if (form == 1) {
            QFile empty(path());
            ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        }
        if (form == 2) RunOn(path(), {QStringLiteral("PRAGMA user_version = 0")});
        KeepAll({Drill(0)});
        EXPECT_EQ(Count(), 1u);
    }
    // Each later version, made by the steps up to it, keeps its sittings through the migration.
    for (int version = 1; version < historystore::schema::kVersion; ++version) {
        SCOPED_TRACE(version);
        QFile::remove(path());
        QStringList steps;
        for (int step = 0; step < version; ++step) {
            for (const char* sql : historystore::schema::kSteps[step]) steps << QString::fromUtf8(sql);
        }
        steps << QStringLiteral("PRAGMA user_version = %1").arg(version);
        RunOn(path(), steps);
        KeepAll({Drill(0)});
        EXPECT_EQ(Count(), 1u);
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version"));
    db.setDatabaseName(path());
    ASSERT_TRUE(db.open());
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version")) && query.next());
    EXPECT_EQ(query.value(0).toInt(), SqliteHistoryStore::schemaVersion());
    ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next());
    EXPECT_EQ(query.value(0).toString(), QStringLiteral("wal"));
    query = QSqlQuery();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("version"));
}

TEST_F(HistoryStoreTest, ReadsANewerVersionsFileWithoutWritingIt) {
    KeepAll({Drill(0), Sheet(Preset("kraepelin-15"), 300, 1)});
    RunOn(path(), {QStringLiteral("PRAGMA user_version = 99")});
    SqliteHistoryStore store(options());
    StoreFault fault;
    EXPECT_EQ(store.List({}, fault)->size(), 2u) << "what this version understands is read";
    EXPECT_EQ(store.state(), engine::StoreState::ReadOnly);
    EXPECT_FALSE(store.Keep(Drill(2), fault));
    EXPECT_EQ(fault.kind, Kind::NewerVersion);
    EXPECT_EQ(fault.version, 99);
    EXPECT_FALSE(store.DeleteAll(fault));
    EXPECT_EQ(fault.kind, Kind::NewerVersion);
    EXPECT_EQ(Count(), 2u);
}

TEST_F(HistoryStoreTest, WaitsForASecondTavrendaleAndSaysWhenItHoldsTheFileTooLong) {
    KeepAll({Drill(0)});
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(path());
    ASSERT_TRUE(other.open());
    QSqlQuery hold(other);
    ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));
    ASSERT_TRUE(hold.exec(QStringLiteral("INSERT INTO sittings (kind, ended_utc_ms, utc_offset_minutes, ended, origin, "
                                         "format_key, elapsed_ms, answer_count, figures) "
                                         "VALUES ('drill', 0, 0, 'stopped', 'sat', 'drill', 0, 0, '')")));

    SqliteHistoryStore store({path(), 100, 0});
    StoreFault fault;
    EXPECT_FALSE(store.Keep(Drill(1), fault));
    EXPECT_EQ(fault.kind, Kind::Locked) << fault.reason;
    EXPECT_EQ(store.List({}, fault)->size(), 1u) << "reading goes on while the other writes";

    ASSERT_TRUE(hold.exec(QStringLiteral("COMMIT")));
    EXPECT_TRUE(store.Keep(Drill(1), fault)) << "the same call succeeds once the file is free";
    EXPECT_EQ(store.List({}, fault)->size(), 3u);
    hold = QSqlQuery();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

TEST_F(HistoryStoreTest, TwoWritersAtOnceBothLand) {
    KeepAll({Drill(0)});
    constexpr int kEach = 30;
    std::vector<StoreFault> faults(2);
    std::atomic<int> ready{0};
    // Each keeps one sitting after another, far faster than anyone finishes a sheet, and both
    // begin at once: their transactions meet over and over.
    const auto writer = [&](int which) {
        SqliteHistoryStore store(options());
        ++ready;
        while (ready < 2) std::this_thread::yield();
        for (int i = 0; i < kEach && faults[which].kind == Kind::None; ++i) {
            store.Keep(which == 0 ? Drill(i) : Sheet(Preset("kraepelin-30", true), 200, i), faults[which]);
        }
    };
    std::thread first(writer, 0), second(writer, 1);
    first.join();
    second.join();
    EXPECT_EQ(faults[0].kind, Kind::None) << faults[0].reason;
    EXPECT_EQ(faults[1].kind, Kind::None) << faults[1].reason;
    EXPECT_EQ(Count(), 1u + 2 * kEach);
}

TEST_F(HistoryStoreTest, RefusesASittingOnAFullDiskAndKeepsTheEarlierOnes) {
    constexpr std::int64_t kBytes = 96 * 1024;
    SqliteHistoryStore store({path(), 2000, kBytes});
    StoreFault fault;
    ASSERT_TRUE(store.Keep(Drill(0), fault)) << fault.reason;
    EXPECT_FALSE(store.Keep(Sheet(Preset("pauli"), 4000, 1), fault)) << "a Pauli hour does not fit in 96 KB";
    EXPECT_EQ(fault.kind, Kind::Full) << fault.reason;
    EXPECT_EQ(store.List({}, fault)->size(), 1u) << "none of the hour's answers was left behind";
    EXPECT_TRUE(store.Keep(Drill(2), fault)) << "what fits is still kept: " << fault.reason;
    EXPECT_EQ(Count(), 2u);
}

#ifdef __linux__
// Makes `path` unwritable, also to root, which file permissions do not stop: with the immutable
// attribute where the file system has it, else with the permissions. False where neither holds.
bool SetWritable(const QString& path, bool writable) {
    if (geteuid() != 0) {
        return QFile::setPermissions(path, writable ? QFile::permissions(path) | QFile::WriteOwner
                                                    : QFile::permissions(path) &
                                                          ~(QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
    }
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return false;
    int flags = 0;
    bool set = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = writable ? flags & ~FS_IMMUTABLE_FL : flags | FS_IMMUTABLE_FL;
    set = set && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return set;
}

struct ReadOnlyCase {
    const char* label;
    // The file is kept first; the folder, or else the file, is made read-only.
    bool fileFirst;
    bool folder;
    Kind fault;
    std::size_t listed;
};

void PrintTo(const ReadOnlyCase& c, std::ostream* os) { *os << c.label; }

class ReadOnlyTest : public HistoryStoreTest, public testing::WithParamInterface<ReadOnlyCase> {};

TEST_P(ReadOnlyTest, SaysWhyAndKeepsWhatWasKept) {
    const ReadOnlyCase& c = GetParam();
    const QString sub = folder.filePath(QStringLiteral("data"));
    ASSERT_TRUE(folder.mkpath(sub));
    const QString file = QDir(sub).filePath(QStringLiteral("history.sqlite"));
    if (c.fileFirst) {
        SqliteHistoryStore first({file, 2000, 0});
        StoreFault fault;
        ASSERT_TRUE(first.Keep(Drill(0), fault));
    }
    const QString locked = c.folder ? sub : file;
    if (!SetWritable(locked, false)) GTEST_SKIP() << "cannot make " << locked.toStdString() << " read-only here";
    SqliteHistoryStore store({file, 2000, 0});
    StoreFault fault;
    const bool kept = store.Keep(Drill(1), fault).has_value();
    SetWritable(locked, true);
    EXPECT_FALSE(kept);
    EXPECT_EQ(fault.kind, c.fault) << fault.reason;
    EXPECT_FALSE(fault.reason.empty());
    EXPECT_EQ(fault.path, file.toStdString());
    if (c.listed > 0) {
        EXPECT_EQ(store.List({}, fault)->size(), c.listed) << fault.reason;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ReadOnlyTest,
                         testing::Values(ReadOnlyCase{"a read-only file", true, false, Kind::ReadOnly, 1},
                                         ReadOnlyCase{"a file in a read-only folder", true, true, Kind::CannotOpen, 0},
                                         ReadOnlyCase{"a read-only folder without a file", false, true,
                                                      Kind::CannotOpen, 0}));
#endif

TEST_F(HistoryStoreTest, SetsACorruptFileAsideOnlyWhenAskedAndStartsAfresh) {
    KeepAll({Drill(0), Sheet(Preset("pauli"), 4000, 1), Drill(2)});
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(4096);
    file.write(QByteArray(4 * 4096, '\xAB'));
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray damaged = file.readAll();
    file.close();

    SqliteHistoryStore store(options());
    StoreFault fault;
    EXPECT_FALSE(store.List({}, fault));
    EXPECT_EQ(fault.kind, Kind::Corrupt) << fault.reason;
    EXPECT_EQ(store.state(), engine::StoreState::Corrupt);
    EXPECT_FALSE(store.Keep(Drill(3), fault)) << "nothing is written into a corrupt file";
    EXPECT_EQ(fault.kind, Kind::Corrupt);
    EXPECT_TRUE(QFile::exists(path())) << "the file stays until the caller says the user was told";

    const std::optional<std::string> aside = store.SetAsideAndStartAfresh(fault);
    ASSERT_TRUE(aside) << fault.reason;
    const QString asidePath = QString::fromStdString(*aside);
    EXPECT_TRUE(QFileInfo(asidePath).fileName().startsWith(QStringLiteral("history-corrupt-")));
    QFile kept(asidePath);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged) << "set aside as it was, never deleted";
    EXPECT_TRUE(store.Keep(Drill(3), fault)) << fault.reason;
    EXPECT_EQ(Count(), 1u);
}

TEST_F(HistoryStoreTest, TakesAFileThatIsNoDatabaseForCorrupt) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("index,minute,operand1,operand2,answer,correct,answer_ms\r\n");
    file.close();
    SqliteHistoryStore store(options());
    StoreFault fault;
    EXPECT_FALSE(store.Keep(Drill(0), fault));
    EXPECT_EQ(fault.kind, Kind::Corrupt) << fault.reason;
}

TEST_F(HistoryStoreTest, ExportsEverySittingAndImportsItBack) {
    KeepAll({Drill(0), Sheet(Preset("uchida"), 1500, 1), Sheet(Preset("kraepelin-15", true), 200, 2)});
    SqliteHistoryStore store(options());
    const auto write = [](const QString& file, const QByteArray& bytes) -> std::optional<QString> {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) return out.errorString();
        return std::nullopt;
    };
    historystore::FileProblem problem;
    const QString out = folder.filePath(QStringLiteral("export"));
    ASSERT_TRUE(folder.mkpath(out));
    std::vector<QString> files = historystore::ExportSittings(store, {}, out, write, problem);
    ASSERT_EQ(files.size(), 3u);
    const std::vector<QString> again = historystore::ExportSittings(store, {}, out, write, problem);
    ASSERT_EQ(again.size(), 3u);
    EXPECT_TRUE(again[0].endsWith(QStringLiteral("-2.csv"))) << "no file is written over";

    SqliteHistoryStore fresh({folder.filePath(QStringLiteral("fresh.sqlite")), 2000, 0});
    StoreFault fault;
    // The names' local times are read in the offset the sittings were sat in, Jakarta's.
    engine::ImportHints jakarta;
    jakarta.utcOffsetMinutes = 420;
    for (const QString& file : files) {
        const std::optional<engine::SittingId> id = historystore::ImportFile(fresh, file, jakarta, problem);
        ASSERT_TRUE(id) << problem.csv.Describe() << problem.reason.toStdString();
    }
    const std::vector<engine::SittingSummary> original = *store.List({}, fault), imported = *fresh.List({}, fault);
    ASSERT_EQ(imported.size(), original.size());
    for (std::size_t i = 0; i < original.size(); ++i) {
        EXPECT_EQ(imported[i].endedAt.utcMs, original[i].endedAt.utcMs);
        EXPECT_EQ(imported[i].formatKey, original[i].formatKey);
        EXPECT_EQ(imported[i].answerCount, original[i].answerCount);
    }

    QFile broken(folder.filePath(QStringLiteral("broken.csv")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("index,minute,operand1,operand2,answer,correct,answer_ms\r\n1,0,3,4,9,TRUE,800\r\n");
    broken.close();
    EXPECT_FALSE(historystore::ImportFile(fresh, broken.fileName(), {}, problem));
    EXPECT_EQ(problem.kind, historystore::FileProblem::Kind::NotOurs);
    EXPECT_EQ(problem.csv.line, 2u);
}

} // namespace
