// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/RecordedAnswer.h"
#include "engine/WorkCurve.h"

#include <QDateTime>
#include <vector>

namespace workcurve {

// A logged run as it ended: its answers, how long it lasted and when it ended (local
// time). A copy, so the window keeps showing it while the engine goes on to the next.
struct RecordedRun {
    std::vector<engine::RecordedAnswer> answers;
    engine::RunLength length;
    QDateTime endedAt;
};

} // namespace workcurve
