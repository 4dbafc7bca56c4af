// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/KeptSitting.h"
#include "engine/SheetFormat.h"
#include "keeping/Keeper.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The program's history in a temporary folder of its own while it lives: its settings file
// and its database there, the program's keeper (keeping::ProgramKeeper) all the while.
class TemporaryHistory {
public:
    TemporaryHistory()
        : keeper(std::make_unique<keeping::Keeper>(
              keeping::KeeperOptions{folder.filePath("settings.ini"), folder.filePath("history/history.sqlite")})) {
        keeping::UseKeeper(keeper.get());
    }
    ~TemporaryHistory() { keeping::UseKeeper(nullptr); }

    // Every file under the folder, by its path inside it.
    QStringList Files() const {
        QStringList files;
        for (QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << QDir(folder.path()).relativeFilePath(it.next());
        files.sort();
        return files;
    }
    // The sittings kept, newest first.
    std::vector<engine::SittingSummary> Kept() const {
        engine::StoreFault fault;
        auto sittings = keeper->store() ? keeper->store()->List({}, fault) : std::nullopt;
        return sittings.value_or(std::vector<engine::SittingSummary>{});
    }

    QTemporaryDir folder;
    std::unique_ptr<keeping::Keeper> keeper;
};

// A sitting of Kraepelin 50 × 15 s's practice version, ended `minutesAgo` before now, with
// `height` pairs in each of its first `columns` columns, all answered rightly but one.
inline engine::KeptSitting PracticeSitting(int columns, int height, int minutesAgo) {
    engine::FormatError error;
    const engine::SheetFormat format = *engine::FormatByName("kraepelin-15", true, error);
    std::vector<engine::SheetAnswer> record;
    for (int column = 0; column < columns; ++column) {
        for (int at = 0; at < height; ++at) {
            engine::SheetAnswer pair;
            pair.period = pair.unit = static_cast<std::uint16_t>(column);
            pair.position = static_cast<std::uint16_t>(at);
            pair.operand1 = 3;
            pair.operand2 = 4;
            pair.answer = at == 1 ? 8 : 7;
            pair.correct = at == 1 ? 0 : 1;
            pair.milliseconds = 500;
            record.push_back(pair);
        }
    }
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    return engine::KeepSheet(format, record, 7, engine::SittingEnd::TimeUp, 150'000,
                             {now - std::int64_t{minutesAgo} * 60'000, 0});
}
