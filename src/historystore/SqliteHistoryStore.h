// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/HistoryStore.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace historystore {

class StoreConnection;

// How a store keeps its file.
struct StoreOptions {
    // The database file; empty for history.sqlite in the platform's application-data folder
    // (QStandardPaths::AppDataLocation), made where it is missing.
    QString path;
    // How long a call waits for a second Tavrendale that holds the file before it reports
    // the file locked.
    int busyTimeoutMs = 2000;
    // The file grows to at most this many bytes (rounded down to SQLite's pages); 0 for as far
    // as the disk allows. Beyond it a sitting is refused as on a full disk.
    std::int64_t maxBytes = 0;
};

// The path a store of default options uses.
QString DefaultHistoryPath();

// The history in an SQLite file through Qt SQL (QSQLITE): write-ahead logging, foreign keys on,
// one transaction per sitting and per deletion, a schema version (PRAGMA user_version) that
// each migration step raises by one, and a busy timeout so that two Tavrendale processes
// writing at once both land. The file is opened by the first call, never before; a file a
// newer Tavrendale wrote is opened read-only. The schema is described in SqliteSchema_p.h.
// Not copyable; use it on the thread that made it.
class SqliteHistoryStore final : public engine::HistoryStore {
public:
    explicit SqliteHistoryStore(StoreOptions options = {});
    ~SqliteHistoryStore() override;
    SqliteHistoryStore(const SqliteHistoryStore&) = delete;
    SqliteHistoryStore& operator=(const SqliteHistoryStore&) = delete;

    std::optional<engine::SittingId> Keep(const engine::KeptSitting& sitting, engine::StoreFault& fault) override;
    std::optional<std::vector<engine::SittingSummary>> List(const engine::SittingFilter& filter,
                                                            engine::StoreFault& fault) override;
    std::optional<std::vector<engine::KeptFormat>> Formats(engine::StoreFault& fault) override;
    std::optional<engine::KeptSitting> Load(engine::SittingId id, engine::StoreFault& fault) override;
    bool Delete(engine::SittingId id, engine::StoreFault& fault) override;
    bool DeleteAll(engine::StoreFault& fault) override;
    engine::StoreState state() const override;
    std::string path() const override;
    std::optional<std::string> SetAsideAndStartAfresh(engine::StoreFault& fault) override;

    // The schema version this Tavrendale writes.
    static int schemaVersion();

private:
    std::unique_ptr<StoreConnection> connection_;
};

} // namespace historystore
