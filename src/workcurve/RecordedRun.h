// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/RecordedAnswer.h"
#include "engine/WorkCurve.h"

#include <QDateTime>
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
