// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/KeptSitting.h"
#include "engine/RecordedAnswer.h"
#include "engine/WorkCurve.h"
#include "keeping/Keeper.h"

#include <QDateTime>
#include <QPointer>
#include <QString>
#include <vector>

class QWidget;

namespace host {
class FileDialogs;
class MessageBoxes;
} // namespace host

namespace workcurve {

// A logged run as it ended: its answers, how long it lasted and when it ended (local
// time). A copy, so the window keeps showing it while the engine goes on to the next.
struct RecordedRun {
    std::vector<engine::RecordedAnswer> answers;
    engine::RunLength length;
    QDateTime endedAt;
    // Its number in the history where it is shown from there; 0 for a run that has just ended.
    engine::SittingId keptAs = 0;
    // A run that has just ended: its way into the history, which the main window keeps it by.
    QPointer<keeping::SittingKeeping> keeping = nullptr;
};

// "tavrendale-YYYYMMDD-HHMMSS.csv" for a run that ended at `endedAt` (local time).
QString AnswersFileName(const QDateTime& endedAt);
// That name in the user's documents folder, or in the home folder where there is no
// documents folder: an absolute path into a folder that exists.
QString SuggestedAnswersPath(const QDateTime& endedAt);

// The "Save answers as CSV" command for a run (windowkit::SaveCsv): asks where, over
// `owner`, and writes the run's answers there. Returns whether the file was written.
bool SaveAnswers(QWidget* owner, const RecordedRun& run, host::FileDialogs& files, host::MessageBoxes& messages);

} // namespace workcurve
