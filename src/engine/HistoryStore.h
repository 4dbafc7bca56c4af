// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/KeptSitting.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// Why a store could not do what it was asked, as data for a window to say in one line: what
// happened, to which file, and the system's own words for it. A fault never costs what the
// caller holds: a sitting that could not be kept is still the caller's to show and to save.
struct StoreFault {
    enum class Kind {
        None,
        // The file could not be opened or made (no such folder and none can be made, no
        // permission to read it, not a file).
        CannotOpen,
        // Another program (a second Tavrendale) held the file longer than the store waits.
        // Nothing was written; the same call may succeed later.
        Locked,
        // The file or its folder cannot be written: what is kept can be read, nothing can be
        // added or deleted.
        ReadOnly,
        // The disk (or the file's size limit) is full: nothing of the sitting was written and
        // what was kept before is as it was.
        Full,
        // The file is damaged or is no database. Nothing more is read from or written to it
        // until SetAsideAndStartAfresh.
        Corrupt,
        // The file was written by a newer Tavrendale (its schema version is `version`): it is
        // read as far as this version understands it, and never written.
        NewerVersion,
        // No kept sitting has that id (deleted, perhaps by a second Tavrendale).
        NotFound,
        // Anything else the database reported.
        Failed,
    };

    Kind kind = Kind::None;
    // The database file, as the store was given it.
    std::string path;
    // The system's reason, as SQLite or the operating system gave it ("database is locked").
    std::string reason;
    // NewerVersion: the file's schema version.
    int version = 0;

    explicit operator bool() const { return kind != Kind::None; }
};

// What a store can do at the moment.
enum class StoreState {
    // Nothing has been asked of it yet: the file is opened by the first call, never before.
    NotOpened,
    // It reads and writes.
    Open,
    // It reads only: the file cannot be written, or a newer Tavrendale wrote it.
    ReadOnly,
    // It neither reads nor writes: its file is corrupt, until SetAsideAndStartAfresh.
    Corrupt,
    // The file could not be opened; the next call tries again.
    Closed,
};

// Which kept sittings a list holds.
struct SittingFilter {
    // Only this format (FormatKeyOf, kDrillFormatKey); all where absent.
    std::optional<std::string> formatKey;
    // At most this many, the newest; all where 0.
    std::size_t limit = 0;
};

// A format that has kept sittings, for a filter's choices.
struct KeptFormat {
    std::string formatKey;
    SittingKind kind = SittingKind::Sheet;
    // The format of its newest sitting, with its title; empty for the drill.
    SheetFormat format;
    std::uint64_t sittings = 0;
};

// The history of sittings on the user's machine. Every call that fails says why in `fault`
// (kind None after a success) and leaves the store's contents as they were: a sitting is kept
// whole or not at all, a deletion happens whole or not at all. Deleting asks nobody: the
// caller asks the user first. Calls are made on one thread, the one that made the store.
class HistoryStore {
public:
    virtual ~HistoryStore() = default;

    // Keeps `sitting` (its id is ignored) in one transaction: its time, format, seed, end,
    // record and figures. Returns the id it was given.
    virtual std::optional<SittingId> Keep(const KeptSitting& sitting, StoreFault& fault) = 0;
    // The kept sittings `filter` takes, newest first (by endedAt; of two at the same moment,
    // the one kept later first), without their records.
    virtual std::optional<std::vector<SittingSummary>> List(const SittingFilter& filter, StoreFault& fault) = 0;
    // Every format with kept sittings, the one sat most recently first.
    virtual std::optional<std::vector<KeptFormat>> Formats(StoreFault& fault) = 0;
    // One kept sitting, whole, as Keep was given it, with its id.
    virtual std::optional<KeptSitting> Load(SittingId id, StoreFault& fault) = 0;
    // Deletes one kept sitting; NotFound where there is none of that id.
    virtual bool Delete(SittingId id, StoreFault& fault) = 0;
    // Deletes every kept sitting; the file stays, empty.
    virtual bool DeleteAll(StoreFault& fault) = 0;

    virtual StoreState state() const = 0;
    // The store's file.
    virtual std::string path() const = 0;

    // Only in StoreState::Corrupt, and only once the user has been told: moves the corrupt
    // file (and its journal files) aside under a dated name beside it,
    // "history-corrupt-YYYYMMDD-HHMMSS.sqlite", never deleting it, and starts a new, empty
    // history in its place. Returns the path it was moved to.
    virtual std::optional<std::string> SetAsideAndStartAfresh(StoreFault& fault) = 0;
};

} // namespace engine
