// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/KeptWindows.h"

#include "sheetresults/frmSheetResults.h"
#include "workcurve/RecordedRun.h"
#include "workcurve/frmWorkCurve.h"

#include <QDateTime>

namespace history {

namespace {

engine::SittingEnd EndOf(engine::KeptEnd end) {
    switch (end) {
    case engine::KeptEnd::TimeUp: return engine::SittingEnd::TimeUp;
    case engine::KeptEnd::WorkedThrough: return engine::SittingEnd::WorkedThrough;
    default: return engine::SittingEnd::Stopped;
    }
}

} // namespace

void ShowKeptSitting(QWidget* owner, const engine::KeptSitting& sitting, windowkit::SaveDialogs dialogs) {
    // When it ended, in the local time the user saw then.
    const QDateTime endedAt =
        QDateTime::fromMSecsSinceEpoch(sitting.endedAt.utcMs, Qt::OffsetFromUTC, sitting.endedAt.utcOffsetMinutes * 60);
    windowkit::ToolWindow* window = nullptr;
    if (const engine::KeptSheet* sheet = sitting.sheet()) {
        auto* results = new sheetresults::frmSheetResults(dialogs, owner);
        results->ShowSitting({sheet->format, sheet->record, sheet->seed, EndOf(sitting.end), sheet->elapsedMs, endedAt,
                              sitting.id, sitting.end != engine::KeptEnd::NotRecorded});
        window = results;
    } else if (const engine::KeptDrill* drill = sitting.drill()) {
        auto* curve = new workcurve::frmWorkCurve(dialogs, owner);
        curve->ShowRun({drill->record, drill->length, endedAt, sitting.id, {}});
        window = curve;
    }
    if (!window) return;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(owner->windowIcon());
    window->PlaceBeside(owner);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace history
