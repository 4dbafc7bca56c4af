// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "test/RecordedAnswer.h"
#include "test/WorkCurve.h"

#include <QDateTime>
#include <vector>

namespace workcurve {

// A logged run as it ended: its answers, how long it lasted and when it ended (local
// time). A copy, so the window keeps showing it while the engine goes on to the next.
struct RecordedRun {
    std::vector<test::RecordedAnswer> answers;
    test::RunLength length;
    QDateTime endedAt;
};

} // namespace workcurve
