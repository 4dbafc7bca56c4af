// SPDX-License-Identifier: GPL-3.0-or-later
#include "historystore/SqliteHistoryStore.h"

#include "historystore/SqliteSchema_p.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <string>
#include <thread>

namespace historystore {
namespace {

using engine::StoreFault;
using Kind = StoreFault::Kind;

// SQLite's primary result codes (extended codes carry them in their low byte).
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADatabase = 26;
constexpr int kPrimaryCodeMask = 0xFF;

// Answers written per INSERT: a Pauli hour's 4,000 in 8 statements of some 20 KB each.
constexpr std::size_t kRowsPerInsert = 500;

std::atomic<int> connectionCount{0};

// How long one statement waits for a lock inside SQLite. A write transaction waits longer, in
// steps of kWriteRetryMs up to the store's busy timeout (StoreConnection::BeginWrite).
constexpr int kStatementWaitMs = 20;
constexpr auto kWriteRetry = std::chrono::milliseconds(1);

StoreFault Fault(Kind kind, const QString& path, const QString& reason) {
    StoreFault fault;
    fault.kind = kind;
    fault.path = path.toStdString();
    fault.reason = reason.toStdString();
    return fault;
}

StoreFault FaultOf(const QSqlError& error, const QString& path) {
    Kind kind = Kind::Failed;
    switch (error.nativeErrorCode().toInt() & kPrimaryCodeMask) {
    case kSqliteBusy:
    case kSqliteLocked: kind = Kind::Locked; break;
    case kSqliteReadOnly: kind = Kind::ReadOnly; break;
    case kSqliteCorrupt:
    case kSqliteNotADatabase: kind = Kind::Corrupt; break;
    case kSqliteFull: kind = Kind::Full; break;
    case kSqliteCantOpen: kind = Kind::CannotOpen; break;
    default: break;
    }
    return Fault(kind, path, error.databaseText().isEmpty() ? error.driverText() : error.databaseText());
}

// The texts the schema keeps enumerations as.
template <typename Enum, std::size_t N> struct Names {
    std::pair<Enum, const char*> items[N];
    const char* name(Enum value) const {
        for (const auto& [item, text] : items) {
            if (item == value) return text;
        }
        return "";
    }
    QString of(Enum value) const {
        for (const auto& [item, name] : items) {
            if (item == value) return QString::fromLatin1(name);
        }
        return {};
    }
    std::optional<Enum> named(const QString& name) const {
        for (const auto& [item, text] : items) {
            if (name == QLatin1String(text)) return item;
        }
        return std::nullopt;
    }
};
constexpr Names<engine::KeptEnd, 4> kEnds{{{engine::KeptEnd::TimeUp, "time-up"},
                                           {engine::KeptEnd::Stopped, "stopped"},
                                           {engine::KeptEnd::WorkedThrough, "worked-through"},
                                           {engine::KeptEnd::NotRecorded, "not-recorded"}}};
constexpr Names<engine::KeptOrigin, 2> kOrigins{
    {{engine::KeptOrigin::Sat, "sat"}, {engine::KeptOrigin::Imported, "imported"}}};
constexpr Names<engine::ScoreFamily, 3> kFamilies{{{engine::ScoreFamily::Kraepelin, "kraepelin"},
                                                   {engine::ScoreFamily::Uchida, "uchida"},
                                                   {engine::ScoreFamily::Pauli, "pauli"}}};
constexpr Names<engine::WorkOrder, 3> kOrders{{{engine::WorkOrder::BottomUp, "bottom-up"},
                                               {engine::WorkOrder::LeftToRight, "left-to-right"},
                                               {engine::WorkOrder::TopDown, "top-down"}}};
constexpr Names<int, 3> kOutcomes{{{engine::SheetAnswer::kAnswered, "answered"},
                                   {engine::SheetAnswer::kSkipped, "skipped"},
                                   {engine::SheetAnswer::kWithdrawn, "withdrawn"}}};

// The columns a summary is read from, in this order.
const QString kSummaryColumns = QStringLiteral(
    "id, kind, ended_utc_ms, utc_offset_minutes, ended, origin, format_key, format_name, practice, family, "
    "work_order, units, digits_per_unit, additions, seconds_per_unit, break_after, break_seconds, stroke_seconds, "
    "duration_seconds, lowest_digit, highest_digit, no_repeat, seed, elapsed_ms, run_minutes, run_seconds, "
    "planned_minutes, answer_count, figures");
enum Column {
    kId,
    kKind,
    kEndedUtcMs,
    kUtcOffset,
    kEnded,
    kOrigin,
    kFormatKey,
    kFormatName,
    kPractice,
    kFamily,
    kWorkOrder,
    kUnits,
    kDigitsPerUnit,
    kAdditions,
    kSecondsPerUnit,
    kBreakAfter,
    kBreakSeconds,
    kStrokeSeconds,
    kDurationSeconds,
    kLowestDigit,
    kHighestDigit,
    kNoRepeat,
    kSeed,
    kElapsedMs,
    kRunMinutes,
    kRunSeconds,
    kPlannedMinutes,
    kAnswerCount,
    kFigures,
    kColumnCount,
};

QVariant Number(std::uint64_t value) { return QVariant(static_cast<qlonglong>(value)); }

std::uint32_t U32(const QSqlQuery& query, int column) { return query.value(column).toUInt(); }

engine::SheetFormat FormatOf(const QSqlQuery& query) {
    engine::SheetFormat format;
    format.name = query.value(kFormatName).toString().toStdString();
    format.practice = query.value(kPractice).toBool();
    format.family = kFamilies.named(query.value(kFamily).toString()).value_or(engine::ScoreFamily::Kraepelin);
    format.order = kOrders.named(query.value(kWorkOrder).toString()).value_or(engine::WorkOrder::BottomUp);
    format.units = U32(query, kUnits);
    format.digitsPerUnit = U32(query, kDigitsPerUnit);
    format.additions = U32(query, kAdditions);
    format.secondsPerUnit = U32(query, kSecondsPerUnit);
    format.breakAfter = U32(query, kBreakAfter);
    format.breakSeconds = U32(query, kBreakSeconds);
    format.strokeSeconds = U32(query, kStrokeSeconds);
    format.durationSeconds = U32(query, kDurationSeconds);
    format.lowestDigit = query.value(kLowestDigit).toInt();
    format.highestDigit = query.value(kHighestDigit).toInt();
    format.noRepeat = query.value(kNoRepeat).toBool();
    return engine::RestoredFormat(std::move(format));
}

} // namespace

// The connection to the file and what the store knows of it.
class StoreConnection {
public:
    explicit StoreConnection(StoreOptions options)
        : options_(std::move(options)), name_(QStringLiteral("tavrendale-history-%1").arg(++connectionCount)) {
        if (options_.path.isEmpty()) options_.path = DefaultHistoryPath();
    }
    ~StoreConnection() { Close(); }

    const QString& path() const { return options_.path; }
    engine::StoreState state() const { return state_; }
    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }

    // Opens the file where it is not open yet, and brings it to this version's schema.
    bool Open(StoreFault& fault) {
        fault = {};
        if (state_ == engine::StoreState::Corrupt) return Refuse(fault);
        // A connection a failure left for closing is closed here, where no query of it is alive.
        if (closeWanted_) Close();
        if (database().isOpen()) return true;
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
            return Fail(
                Fault(Kind::CannotOpen, path(), QStringLiteral("Qt's SQLite driver (QSQLITE) is not installed")),
                fault);
        const QString folder = QFileInfo(path()).absolutePath();
        if (!QDir().mkpath(folder))
            return Fail(Fault(Kind::CannotOpen, path(), QStringLiteral("the folder %1 cannot be made").arg(folder)),
                        fault);
        if (!Connect(false, fault)) return false;
        bool read = false;
        const int version = UserVersion(fault, read);
        if (!read) return false;
        if (version > schema::kVersion) {
            // Written by a newer Tavrendale: read what this one understands, write nothing.
            Close();
            if (!Connect(true, fault)) return false;
            // Its kind and version say it all: there is no system's reason.
            sticky_ = Fault(Kind::NewerVersion, path(), QString());
            sticky_.version = version;
            state_ = engine::StoreState::ReadOnly;
            return true;
        }
        state_ = engine::StoreState::Open;
        // Write-ahead logging lets a second Tavrendale read while this one writes; it is kept
        // in the file, so this changes only a file made before it (or by another program).
        Run(QStringLiteral("PRAGMA journal_mode = WAL"), fault);
        fault = {};
        if (version < schema::kVersion && !Migrate(fault)) return state_ == engine::StoreState::ReadOnly;
        return true;
    }

    // Open and writable; otherwise the fault that says why not.
    bool Writable(StoreFault& fault) {
        if (!Open(fault)) return false;
        if (state_ == engine::StoreState::ReadOnly) return Refuse(fault);
        return true;
    }

    // Begins a write transaction, waiting for another writer up to the busy timeout. SQLite's
    // own wait sleeps longer and longer between tries, so a second Tavrendale that keeps one
    // sitting after another could take the file every time; trying every millisecond finds the
    // gaps between its transactions.
    bool BeginWrite(StoreFault& fault) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.busyTimeoutMs);
        while (!Run(QStringLiteral("BEGIN IMMEDIATE"), fault)) {
            if (fault.kind != Kind::Locked || std::chrono::steady_clock::now() >= deadline) return false;
            std::this_thread::sleep_for(kWriteRetry);
        }
        fault = {};
        return true;
    }

    // Runs a prepared query; a failure says why and changes what the store can do.
    bool Exec(QSqlQuery& query, StoreFault& fault) {
        if (query.exec()) return true;
        return Fail(FaultOf(query.lastError(), path()), fault);
    }
    bool Run(const QString& sql, StoreFault& fault) {
        QSqlQuery query(database());
        if (query.exec(sql)) return true;
        return Fail(FaultOf(query.lastError(), path()), fault);
    }

    // A failure: a corrupt file is left alone until it is set aside, a read-only one is only
    // read from then on, one that could not be opened is tried again next time. The query that
    // failed may still be alive: the connection is closed once it is not.
    bool Fail(StoreFault failure, StoreFault& fault) {
        fault = std::move(failure);
        switch (fault.kind) {
        case Kind::Corrupt:
            closeWanted_ = true;
            state_ = engine::StoreState::Corrupt;
            sticky_ = fault;
            break;
        case Kind::ReadOnly:
            state_ = engine::StoreState::ReadOnly;
            sticky_ = fault;
            break;
        case Kind::CannotOpen:
            closeWanted_ = true;
            state_ = engine::StoreState::Closed;
            break;
        default: break;
        }
        return false;
    }

    void Close() {
        closeWanted_ = false;
        if (!QSqlDatabase::contains(name_)) return;
        {
            QSqlDatabase db = database();
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }

    // Moves the corrupt file and its journal files aside and forgets the fault. A file that
    // reads cleanly by now, as where another Tavrendale has set the damaged one aside and
    // started afresh, stays where it is: nothing is returned, and `fault` is empty.
    std::optional<std::string> SetAside(StoreFault& fault) {
        fault = {};
        if (state_ != engine::StoreState::Corrupt) {
            fault = Fault(Kind::Failed, path(), QStringLiteral("the history is not corrupt"));
            return std::nullopt;
        }
        Close();
        state_ = engine::StoreState::NotOpened;
        sticky_ = {};
        if (ReadsCleanly(fault) || state_ != engine::StoreState::Corrupt) return std::nullopt;
        fault = {};
        Close();
        const QFileInfo info(path());
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString aside;
        for (int n = 1;; ++n) {
            aside = info.dir().filePath(QStringLiteral("history-corrupt-%1%2.sqlite")
                                            .arg(stamp, n == 1 ? QString() : QStringLiteral("-%1").arg(n)));
            if (!QFileInfo::exists(aside) && !QFileInfo::exists(aside + QStringLiteral("-wal"))) break;
        }
        QFile file(path());
        if (!file.rename(aside)) {
            fault = Fault(Kind::Failed, path(), file.errorString());
            return std::nullopt;
        }
        // The journal files go with it: the write-ahead log may hold sittings not yet in the file.
        for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
            if (QFileInfo::exists(path() + suffix)) QFile::rename(path() + suffix, aside + suffix);
        }
        state_ = engine::StoreState::NotOpened;
        sticky_ = {};
        return QDir::toNativeSeparators(aside).toStdString();
    }

private:
    // Opens the file and has SQLite check it.
    bool ReadsCleanly(StoreFault& fault) {
        if (!Open(fault)) return false;
        QSqlQuery check(database());
        if (!check.exec(QStringLiteral("PRAGMA quick_check"))) return Fail(FaultOf(check.lastError(), path()), fault);
        if (check.next() && check.value(0).toString() == QLatin1String("ok")) return true;
        return Fail(Fault(Kind::Corrupt, path(), check.value(0).toString()), fault);
    }

    bool Connect(bool readOnly, StoreFault& fault) {
        QSqlDatabase db =
            QSqlDatabase::contains(name_) ? database() : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path());
        QString options =
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(std::min(kStatementWaitMs, options_.busyTimeoutMs));
        if (readOnly) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        if (!db.open()) return Fail(Fault(Kind::CannotOpen, path(), db.lastError().databaseText()), fault);
        // Deleted sittings are overwritten, not left readable in the file.
        const bool set = Run(QStringLiteral("PRAGMA foreign_keys = ON"), fault) &&
                         Run(QStringLiteral("PRAGMA secure_delete = ON"), fault) &&
                         Run(QStringLiteral("PRAGMA synchronous = NORMAL"), fault);
        if (!set) return false;
        if (options_.maxBytes > 0) {
            QSqlQuery pageSize(db);
            if (!pageSize.exec(QStringLiteral("PRAGMA page_size")) || !pageSize.next())
                return Fail(FaultOf(pageSize.lastError(), path()), fault);
            const qlonglong pages = std::max<qlonglong>(1, options_.maxBytes / pageSize.value(0).toLongLong());
            if (!Run(QStringLiteral("PRAGMA max_page_count = %1").arg(pages), fault)) return false;
        }
        return true;
    }

    int UserVersion(StoreFault& fault, bool& read) {
        QSqlQuery query(database());
        read = query.exec(QStringLiteral("PRAGMA user_version")) && query.next();
        if (!read) {
            Fail(FaultOf(query.lastError(), path()), fault);
            return 0;
        }
        return query.value(0).toInt();
    }

    // Brings the file from its version to this one, step by step, in one transaction.
    bool Migrate(StoreFault& fault) {
        if (!BeginWrite(fault)) return false;
        bool read = false;
        // A second Tavrendale may have migrated it while this one waited for the lock.
        const int version = UserVersion(fault, read);
        bool done = read;
        for (int step = version; done && step < schema::kVersion; ++step) {
            for (const char* statement : schema::kSteps[step]) done = done && Run(QString::fromUtf8(statement), fault);
        }
        done = done && Run(QStringLiteral("PRAGMA user_version = %1").arg(schema::kVersion), fault) &&
               Run(QStringLiteral("COMMIT"), fault);
        if (!done) {
            QSqlQuery rollback(database());
            rollback.exec(QStringLiteral("ROLLBACK"));
        }
        return done;
    }

    bool Refuse(StoreFault& fault) {
        fault = sticky_;
        return false;
    }

    StoreOptions options_;
    QString name_;
    engine::StoreState state_ = engine::StoreState::NotOpened;
    // What a read-only or corrupt store says to every call it refuses.
    StoreFault sticky_;
    bool closeWanted_ = false;
};

namespace {

// Runs `body` in a write transaction, committed when it succeeds and rolled back otherwise.
template <typename Body> bool InTransaction(StoreConnection& connection, StoreFault& fault, Body body) {
    if (!connection.Writable(fault) || !connection.BeginWrite(fault)) return false;
    if (body() && connection.Run(QStringLiteral("COMMIT"), fault)) return true;
    QSqlDatabase database = connection.database();
    if (database.isOpen()) QSqlQuery(database).exec(QStringLiteral("ROLLBACK"));
    return false;
}

// Writes the answers as literal rows, "INSERT INTO table VALUES (1,0,…),(1,1,…)", in statements
// of kRowsPerInsert rows. Binding is what Qt SQL costs most per value (a Pauli hour has 48,000),
// and every value here is a number the program made or a word of its own tables, so none needs
// a placeholder. `row(text, i)` appends answer i's values, comma-separated.
template <typename Row>
bool InsertAnswers(StoreConnection& connection, const char* table, std::size_t count, StoreFault& fault, Row row) {
    std::string sql;
    for (std::size_t first = 0; first < count; first += kRowsPerInsert) {
        const std::size_t last = std::min<std::size_t>(first + kRowsPerInsert, count);
        sql.assign("INSERT INTO ").append(table).append(" VALUES ");
        for (std::size_t i = first; i < last; ++i) {
            sql += i == first ? "(" : ",(";
            row(sql, i);
            sql += ')';
        }
        if (!connection.Run(QString::fromLatin1(sql.data(), static_cast<qsizetype>(sql.size())), fault)) return false;
    }
    return true;
}

// Appends `value` and a comma.
void Put(std::string& sql, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    sql.append(digits, result.ptr).push_back(',');
}

// A sitting's row of the sittings table, by the columns of kSummaryColumns.
std::vector<QVariant> SummaryValues(const engine::KeptSitting& sitting) {
    const engine::KeptSheet* sheet = sitting.sheet();
    const engine::KeptDrill* drill = sitting.drill();
    std::vector<QVariant> values(kColumnCount);
    values[kKind] = sheet ? QStringLiteral("sheet") : QStringLiteral("drill");
    values[kEndedUtcMs] = QVariant(static_cast<qlonglong>(sitting.endedAt.utcMs));
    values[kUtcOffset] = sitting.endedAt.utcOffsetMinutes;
    values[kEnded] = kEnds.of(sitting.end);
    values[kOrigin] = kOrigins.of(sitting.origin);
    values[kFormatKey] = QString::fromStdString(sitting.formatKey());
    values[kAnswerCount] = Number(sheet ? sheet->record.size() : drill->record.size());
    values[kFigures] = QString::fromStdString(engine::FiguresText(sitting.figures));
    if (sheet) {
        const engine::SheetFormat& f = sheet->format;
        values[kFormatName] = QString::fromStdString(f.name);
        values[kPractice] = f.practice ? 1 : 0;
        values[kFamily] = kFamilies.of(f.family);
        values[kWorkOrder] = kOrders.of(f.order);
        values[kUnits] = f.units;
        values[kDigitsPerUnit] = f.digitsPerUnit;
        values[kAdditions] = f.additions;
        values[kSecondsPerUnit] = f.secondsPerUnit;
        values[kBreakAfter] = f.breakAfter;
        values[kBreakSeconds] = f.breakSeconds;
        values[kStrokeSeconds] = f.strokeSeconds;
        values[kDurationSeconds] = f.durationSeconds;
        values[kLowestDigit] = f.lowestDigit;
        values[kHighestDigit] = f.highestDigit;
        values[kNoRepeat] = f.noRepeat ? 1 : 0;
        if (sheet->seed) values[kSeed] = QString::number(*sheet->seed);
        values[kElapsedMs] = Number(sheet->elapsedMs);
    } else {
        values[kRunMinutes] = Number(drill->length.minutes);
        values[kRunSeconds] = drill->length.seconds;
        values[kPlannedMinutes] = Number(drill->plannedMinutes);
        values[kElapsedMs] =
            Number((drill->length.minutes * 60 + static_cast<std::uint64_t>(drill->length.seconds)) * 1000);
    }
    return values;
}

bool InsertSitting(StoreConnection& connection, const engine::KeptSitting& sitting, engine::SittingId& id,
                   StoreFault& fault) {
    QSqlQuery insert(connection.database());
    if (!insert.prepare(QStringLiteral("INSERT INTO sittings (%1) VALUES (%2)")
                            .arg(kSummaryColumns.section(QStringLiteral(", "), 1),
                                 QStringLiteral("?") + QStringLiteral(", ?").repeated(kColumnCount - 2))))
        return connection.Fail(FaultOf(insert.lastError(), connection.path()), fault);
    const std::vector<QVariant> values = SummaryValues(sitting);
    const engine::KeptSheet* sheet = sitting.sheet();
    const engine::KeptDrill* drill = sitting.drill();
    for (int column = kKind; column < kColumnCount; ++column) insert.bindValue(column - 1, values[column]);
    if (!connection.Exec(insert, fault)) return false;
    id = insert.lastInsertId().toLongLong();
    if (sheet) {
        return InsertAnswers(connection, "sheet_answers", sheet->record.size(), fault,
                             [&](std::string& sql, std::size_t i) {
                                 const engine::SheetAnswer& a = sheet->record[i];
                                 Put(sql, id);
                                 Put(sql, static_cast<std::int64_t>(i));
                                 Put(sql, a.unit);
                                 Put(sql, a.period);
                                 Put(sql, a.position);
                                 Put(sql, a.operand1);
                                 Put(sql, a.operand2);
                                 sql.append("'").append(kOutcomes.name(a.outcome)).append("',");
                                 if (a.answered()) {
                                     Put(sql, a.answer);
                                     Put(sql, a.correct);
                                 } else {
                                     sql.append("NULL,NULL,");
                                 }
                                 Put(sql, a.corrections);
                                 if (a.answered()) {
                                     Put(sql, a.milliseconds);
                                     sql.pop_back();
                                 } else {
                                     sql.append("NULL");
                                 }
                             });
    }
    return InsertAnswers(connection, "drill_answers", drill->record.size(), fault,
                         [&](std::string& sql, std::size_t i) {
                             const engine::RecordedAnswer& a = drill->record[i];
                             Put(sql, id);
                             Put(sql, static_cast<std::int64_t>(i));
                             Put(sql, a.minute);
                             Put(sql, a.operand1);
                             Put(sql, a.operand2);
                             if (a.answer == engine::RecordedAnswer::kNoDigit) {
                                 sql.append("NULL,");
                             } else {
                                 Put(sql, a.answer);
                             }
                             Put(sql, a.correct);
                             Put(sql, a.milliseconds);
                             sql.pop_back();
                         });
}

// A summary from a row of kSummaryColumns; a row this version cannot read says why.
std::optional<engine::SittingSummary> SummaryOf(const QSqlQuery& query, const QString& path, StoreFault& fault) {
    engine::SittingSummary summary;
    summary.id = query.value(kId).toLongLong();
    summary.kind = query.value(kKind).toString() == QLatin1String("drill") ? engine::SittingKind::Drill
                                                                           : engine::SittingKind::Sheet;
    summary.endedAt = {query.value(kEndedUtcMs).toLongLong(), query.value(kUtcOffset).toInt()};
    summary.end = kEnds.named(query.value(kEnded).toString()).value_or(engine::KeptEnd::NotRecorded);
    summary.origin = kOrigins.named(query.value(kOrigin).toString()).value_or(engine::KeptOrigin::Sat);
    summary.formatKey = query.value(kFormatKey).toString().toStdString();
    if (summary.kind == engine::SittingKind::Sheet) {
        summary.format = FormatOf(query);
        bool ok = false;
        const qulonglong seed = query.value(kSeed).toString().toULongLong(&ok);
        if (ok) summary.seed = seed;
    }
    summary.elapsedMs = query.value(kElapsedMs).toULongLong();
    summary.answerCount = query.value(kAnswerCount).toULongLong();
    std::string error;
    std::optional<engine::Figures> figures =
        engine::ParseFiguresText(query.value(kFigures).toString().toStdString(), error);
    if (!figures) {
        fault = Fault(Kind::Failed, path,
                      QStringLiteral("sitting %1: %2").arg(summary.id).arg(QString::fromStdString(error)));
        return std::nullopt;
    }
    summary.figures = std::move(*figures);
    return summary;
}

} // namespace

QString DefaultHistoryPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("history.sqlite"));
}

SqliteHistoryStore::SqliteHistoryStore(StoreOptions options)
    : connection_(std::make_unique<StoreConnection>(std::move(options))) {}

SqliteHistoryStore::~SqliteHistoryStore() = default;

std::optional<engine::SittingId> SqliteHistoryStore::Keep(const engine::KeptSitting& sitting, StoreFault& fault) {
    engine::SittingId id = 0;
    if (!InTransaction(*connection_, fault, [&] { return InsertSitting(*connection_, sitting, id, fault); }))
        return std::nullopt;
    return id;
}

std::optional<std::vector<engine::SittingSummary>> SqliteHistoryStore::List(const engine::SittingFilter& filter,
                                                                            StoreFault& fault) {
    if (!connection_->Open(fault)) return std::nullopt;
    QSqlQuery query(connection_->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM sittings %2 ORDER BY ended_utc_ms DESC, id DESC %3")
                      .arg(kSummaryColumns, filter.formatKey ? QStringLiteral("WHERE format_key = ?") : QString(),
                           filter.limit > 0 ? QStringLiteral("LIMIT %1").arg(filter.limit) : QString()));
    if (filter.formatKey) query.bindValue(0, QString::fromStdString(*filter.formatKey));
    if (!connection_->Exec(query, fault)) return std::nullopt;
    std::vector<engine::SittingSummary> summaries;
    while (query.next()) {
        std::optional<engine::SittingSummary> summary = SummaryOf(query, connection_->path(), fault);
        if (!summary) return std::nullopt;
        summaries.push_back(std::move(*summary));
    }
    // A read that stopped early (a damaged page) says so through the query's error.
    if (query.lastError().isValid()) {
        connection_->Fail(FaultOf(query.lastError(), connection_->path()), fault);
        return std::nullopt;
    }
    return summaries;
}

std::optional<std::vector<engine::KeptFormat>> SqliteHistoryStore::Formats(StoreFault& fault) {
    if (!connection_->Open(fault)) return std::nullopt;
    QSqlQuery groups(connection_->database());
    if (!groups.prepare(QStringLiteral("SELECT format_key, COUNT(*), MAX(ended_utc_ms) AS latest FROM sittings "
                                       "GROUP BY format_key ORDER BY latest DESC, MAX(id) DESC")) ||
        !connection_->Exec(groups, fault))
        return std::nullopt;
    std::vector<engine::KeptFormat> formats;
    while (groups.next()) {
        engine::KeptFormat format;
        format.formatKey = groups.value(0).toString().toStdString();
        format.sittings = groups.value(1).toULongLong();
        formats.push_back(std::move(format));
    }
    for (engine::KeptFormat& format : formats) {
        engine::SittingFilter newest{format.formatKey, 1};
        const std::optional<std::vector<engine::SittingSummary>> sitting = List(newest, fault);
        if (!sitting) return std::nullopt;
        if (sitting->empty()) continue;
        format.kind = sitting->front().kind;
        format.format = sitting->front().format;
    }
    return formats;
}

std::optional<engine::KeptSitting> SqliteHistoryStore::Load(engine::SittingId id, StoreFault& fault) {
    if (!connection_->Open(fault)) return std::nullopt;
    QSqlQuery row(connection_->database());
    row.prepare(QStringLiteral("SELECT %1 FROM sittings WHERE id = ?").arg(kSummaryColumns));
    row.bindValue(0, QVariant(static_cast<qlonglong>(id)));
    if (!connection_->Exec(row, fault)) return std::nullopt;
    if (!row.next()) {
        if (row.lastError().isValid()) {
            connection_->Fail(FaultOf(row.lastError(), connection_->path()), fault);
        } else {
            fault = Fault(Kind::NotFound, connection_->path(), QString());
        }
        return std::nullopt;
    }
    const std::optional<engine::SittingSummary> summary = SummaryOf(row, connection_->path(), fault);
    if (!summary) return std::nullopt;
    const std::uint64_t plannedMinutes = row.value(kPlannedMinutes).toULongLong();
    engine::KeptSitting sitting;
    sitting.id = summary->id;
    sitting.endedAt = summary->endedAt;
    sitting.end = summary->end;
    sitting.origin = summary->origin;
    sitting.figures = summary->figures;

    QSqlQuery answers(connection_->database());
    answers.setForwardOnly(true);
    const bool sheet = summary->kind == engine::SittingKind::Sheet;
    answers.prepare(sheet
                        ? QStringLiteral("SELECT unit, period, position, operand1, operand2, outcome, answer, correct, "
                                         "corrections, answer_ms FROM sheet_answers WHERE sitting_id = ? ORDER BY idx")
                        : QStringLiteral("SELECT minute, operand1, operand2, answer, correct, answer_ms "
                                         "FROM drill_answers WHERE sitting_id = ? ORDER BY idx"));
    answers.bindValue(0, QVariant(static_cast<qlonglong>(id)));
    if (!connection_->Exec(answers, fault)) return std::nullopt;
    if (sheet) {
        engine::KeptSheet kept{summary->format, summary->seed, summary->elapsedMs, {}};
        kept.record.reserve(summary->answerCount);
        while (answers.next()) {
            engine::SheetAnswer a;
            a.unit = static_cast<std::uint16_t>(answers.value(0).toUInt());
            a.period = static_cast<std::uint16_t>(answers.value(1).toUInt());
            a.position = static_cast<std::uint16_t>(answers.value(2).toUInt());
            a.operand1 = static_cast<std::uint8_t>(answers.value(3).toUInt() & 0xF);
            a.operand2 = static_cast<std::uint8_t>(answers.value(4).toUInt() & 0xF);
            a.outcome = static_cast<std::uint8_t>(kOutcomes.named(answers.value(5).toString()).value_or(0));
            a.answer = static_cast<std::uint8_t>(answers.value(6).toUInt() & 0xF);
            a.correct = answers.value(7).toUInt() != 0 ? 1 : 0;
            a.corrections = static_cast<std::uint16_t>(answers.value(8).toUInt());
            a.milliseconds = answers.value(9).toUInt();
            kept.record.push_back(a);
        }
        sitting.content = std::move(kept);
    } else {
        const std::uint64_t clockSeconds = summary->elapsedMs / 1000;
        engine::KeptDrill kept{{clockSeconds / 60, static_cast<int>(clockSeconds % 60)}, plannedMinutes, {}};
        kept.record.reserve(summary->answerCount);
        while (answers.next()) {
            engine::RecordedAnswer a;
            a.minute = answers.value(0).toUInt() & engine::RecordedAnswer::kMaxMinute;
            a.operand1 = answers.value(1).toUInt() & 0xF;
            a.operand2 = answers.value(2).toUInt() & 0xF;
            a.answer = answers.value(3).isNull() ? engine::RecordedAnswer::kNoDigit : answers.value(3).toUInt() & 0xF;
            a.correct = answers.value(4).toUInt() != 0 ? 1 : 0;
            a.milliseconds = answers.value(5).toUInt();
            kept.record.push_back(a);
        }
        sitting.content = std::move(kept);
    }
    if (answers.lastError().isValid()) {
        connection_->Fail(FaultOf(answers.lastError(), connection_->path()), fault);
        return std::nullopt;
    }
    return sitting;
}

bool SqliteHistoryStore::Delete(engine::SittingId id, StoreFault& fault) {
    return InTransaction(*connection_, fault, [&] {
        QSqlQuery remove(connection_->database());
        remove.prepare(QStringLiteral("DELETE FROM sittings WHERE id = ?"));
        remove.bindValue(0, QVariant(static_cast<qlonglong>(id)));
        if (!connection_->Exec(remove, fault)) return false;
        if (remove.numRowsAffected() > 0) return true;
        fault = Fault(Kind::NotFound, connection_->path(), QString());
        return false;
    });
}

bool SqliteHistoryStore::DeleteAll(StoreFault& fault) {
    const bool deleted = InTransaction(*connection_, fault, [&] {
        return connection_->Run(QStringLiteral("DELETE FROM sheet_answers"), fault) &&
               connection_->Run(QStringLiteral("DELETE FROM drill_answers"), fault) &&
               connection_->Run(QStringLiteral("DELETE FROM sittings"), fault);
    });
    // The file shrinks back; where another Tavrendale reads it at the moment, it stays as large.
    if (deleted) QSqlQuery(connection_->database()).exec(QStringLiteral("VACUUM"));
    return deleted;
}

int SqliteHistoryStore::schemaVersion() { return schema::kVersion; }

engine::StoreState SqliteHistoryStore::state() const { return connection_->state(); }

std::string SqliteHistoryStore::path() const { return QDir::toNativeSeparators(connection_->path()).toStdString(); }

std::optional<std::string> SqliteHistoryStore::SetAsideAndStartAfresh(StoreFault& fault) {
    return connection_->SetAside(fault);
}

} // namespace historystore
