// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace host {

// The windows' timer control: an enabled flag and an interval in milliseconds. Ticks
// arrive on the user-interface thread, also while a modal box or window is open.
// Precise, because a run's length is counted in ticks.
class PreciseTimer final : public QObject {
    Q_OBJECT
public:
    explicit PreciseTimer(QObject* parent = nullptr);

    bool Enabled() const { return timer_.isActive(); }
    // Enabling an enabled timer changes nothing; disabling drops the pending tick.
    void SetEnabled(bool enabled);
    int Interval() const { return timer_.interval(); }
    // Takes effect at once: an enabled timer restarts its count with the new interval.
    void SetInterval(int milliseconds);

signals:
    void Timer();

private:
    QTimer timer_;
};

} // namespace host
