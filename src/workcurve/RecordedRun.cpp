// SPDX-License-Identifier: GPL-3.0-or-later
#include "workcurve/RecordedRun.h"

#include "engine/AnswersCsv.h"
#include "windowkit/CsvFile.h"

namespace workcurve {

QString AnswersFileName(const QDateTime& endedAt) {
    return QStringLiteral("tavrendale-%1.csv").arg(endedAt.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

QString SuggestedAnswersPath(const QDateTime& endedAt) { return windowkit::SuggestedPath(AnswersFileName(endedAt)); }

bool SaveAnswers(QWidget* owner, const RecordedRun& run, host::FileDialogs& files, host::MessageBoxes& messages) {
    return windowkit::SaveCsv(owner, SuggestedAnswersPath(run.endedAt), engine::FormatAnswersCsv(run.answers), files,
                              messages);
}

} // namespace workcurve
