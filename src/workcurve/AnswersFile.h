// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workcurve/RecordedRun.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>

class QByteArray;
class QWidget;

namespace host {
class FileDialogs;
class MessageBoxes;
} // namespace host

// Saving a run's answers as a CSV file, only when the user asks for it.
namespace workcurve {

// "tavrendale-YYYYMMDD-HHMMSS.csv" for a run that ended at `endedAt` (local time).
QString AnswersFileName(const QDateTime& endedAt);
// That name in the user's documents folder, or in the home folder where there is no
// documents folder: an absolute path into a folder that exists.
QString SuggestedAnswersPath(const QDateTime& endedAt);
// `fileName` in the user's documents folder, or in the home folder where there is none.
QString SuggestedPath(const QString& fileName);

// Replaces the file at `path` by `contents` in one step: the contents go to a temporary
// file beside it, which takes the file's place only once everything is written. Returns
// the system's reason when that fails; a failure leaves no partial file behind and the
// old file, if there was one, as it was.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& contents);

// The "Save answers as CSV" command: asks the user where, in the platform's save dialog
// over `owner`, and writes the run's answers there. A failure is reported in a message box
// that names the path and the reason. Returns whether the file was written; cancelling
// the dialog writes nothing.
bool SaveAnswers(QWidget* owner, const RecordedRun& run, host::FileDialogs& files, host::MessageBoxes& messages);

// The same for any CSV text: asks where, suggesting `suggestedPath`, writes `csv` there
// atomically and reports a failure with the path and the reason. Returns whether the file
// was written.
bool SaveCsv(QWidget* owner, const QString& suggestedPath, const std::string& csv, host::FileDialogs& files,
             host::MessageBoxes& messages);

} // namespace workcurve
