// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/HistoryCsv.h"
#include "engine/HistoryStore.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// The program's CSV files into a history and out of it.
namespace historystore {

// Why a file could not be imported or exported, as data for a window to say in one line.
struct FileProblem {
    enum class Kind {
        None,
        // The file could not be read or written; `reason` is the system's.
        File,
        // The file is none the program writes; `csv` names the line and the reason.
        NotOurs,
        // The history refused it; `fault` says why.
        Store,
    };
    Kind kind = Kind::None;
    QString path;
    QString reason;
    engine::CsvError csv;
    engine::StoreFault fault;
};

// Files larger than this are none the program writes (a 99-minute drill run writes some 2 MB).
inline constexpr qint64 kMaxImportBytes = 64 * 1024 * 1024;

// Reads the CSV file at `path` and keeps it in `store` as an imported sitting. `hints` gives
// what the file may not say; its file name, and where it has none its time and offset, are
// taken from the file (its name, its modification time, the local offset now).
std::optional<engine::SittingId> ImportFile(engine::HistoryStore& store, const QString& path, engine::ImportHints hints,
                                            FileProblem& problem);

// Writes a file whole or not at all; the system's reason where it could not.
using WriteFile = std::function<std::optional<QString>(const QString& path, const QByteArray& contents)>;

// Writes the sittings `ids` (every kept sitting where empty) into `folder`, one CSV file each as
// the program saves it, named as it suggests (engine::ExportFileName) so that ImportFile reads
// each back; a name taken by another file gets "-2", "-3", … at its end. Stops at the first
// failure. Returns the paths written.
std::vector<QString> ExportSittings(engine::HistoryStore& store, const std::vector<engine::SittingId>& ids,
                                    const QString& folder, const WriteFile& write, FileProblem& problem);

} // namespace historystore
