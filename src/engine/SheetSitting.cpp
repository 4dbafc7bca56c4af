// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SheetSitting.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <utility>

namespace engine {
namespace {

template <typename T> T Saturated(std::uint64_t value) {
    return static_cast<T>(std::min<std::uint64_t>(value, std::numeric_limits<T>::max()));
}

} // namespace

SheetSitting::SheetSitting(SheetFormat format, Sheet sheet, host::MonotonicClock& clock)
    : format_(std::move(format)), sheet_(std::move(sheet)), clock_(clock) {
    assert(sheet_.unitCount() > 0);
    record_.reserve(static_cast<std::size_t>(format_.totalPairs()));
}

void SheetSitting::Start() {
    if (phase_ != Phase::Ready) return;
    startedAt_ = clock_.Milliseconds();
    phase_ = Phase::Working;
    BeginUnit(0, 0);
}

std::uint64_t SheetSitting::Now() const { return clock_.Milliseconds() - startedAt_; }

std::uint64_t SheetSitting::elapsedMs() const {
    switch (phase_) {
    case Phase::Ready: return 0;
    case Phase::Finished: return endedAtMs_;
    default: return std::min(Now(), format_.durationMs());
    }
}

std::uint64_t SheetSitting::breakLeftMs() const {
    if (phase_ != Phase::OnBreak) return 0;
    const std::uint64_t now = Now();
    return now >= format_.breakEndMs() ? 0 : format_.breakEndMs() - now;
}

std::optional<std::uint64_t> SheetSitting::nextDueMs() const {
    switch (phase_) {
    case Phase::Ready:
    case Phase::Finished: return std::nullopt;
    case Phase::OnBreak: return format_.breakEndMs();
    case Phase::Working: break;
    }
    if (format_.cued()) return format_.unitEndMs(unit_);
    const StrokePeriod period = format_.strokePeriodAt(strokes_.empty() ? 0 : strokes_.back().atMs);
    return period.last ? format_.durationMs() : period.endMs;
}

SheetSitting::Cursor SheetSitting::cursor() const {
    Cursor cursor;
    cursor.unit = unit_;
    cursor.pair = pair_;
    cursor.pairCount = sheet_.pairCount(unit_);
    if (pair_ < cursor.pairCount) {
        cursor.operand1 = sheet_.digit(unit_, pair_);
        cursor.operand2 = sheet_.digit(unit_, pair_ + 1);
    }
    return cursor;
}

std::uint16_t SheetSitting::PeriodAt(std::uint64_t ms) const {
    if (format_.cued() || format_.strokeSeconds == 0) return Saturated<std::uint16_t>(unit_);
    return Saturated<std::uint16_t>(format_.strokePeriodAt(ms).index);
}

void SheetSitting::Poll() {
    if (phase_ == Phase::Ready || phase_ == Phase::Finished) return;
    const std::uint64_t now = Now();
    // A late poll catches up on everything due since the last one, in order, each at the
    // time it was due rather than at the time it was noticed.
    while (phase_ != Phase::Finished) {
        if (format_.cued()) {
            if (phase_ == Phase::OnBreak) {
                if (now < format_.breakEndMs()) return;
                phase_ = Phase::Working;
                shownAtMs_ = format_.breakEndMs();
                if (listener_ != nullptr) listener_->BreakEnded();
                continue;
            }
            const std::uint64_t end = format_.unitEndMs(unit_);
            if (now < end) return;
            if (unit_ + 1 >= sheet_.unitCount()) {
                Finish(SittingEnd::TimeUp, end);
                return;
            }
            CloseUnit();
            BeginUnit(unit_ + 1, end);
            if (format_.hasBreak() && unit_ == format_.breakAfter) {
                phase_ = Phase::OnBreak;
                if (listener_ != nullptr) listener_->BreakStarted(std::uint64_t{format_.breakSeconds} * 1000);
            } else if (listener_ != nullptr) {
                listener_->CueGiven(unit_);
            }
        } else {
            // The period under way began with the last stroke; every period but the last ends
            // with the next.
            const StrokePeriod period = format_.strokePeriodAt(strokes_.empty() ? 0 : strokes_.back().atMs);
            if (!period.last && period.endMs <= now) {
                SheetStroke stroke{period.index + 1, period.endMs, unit_, pair_};
                strokes_.push_back(stroke);
                if (listener_ != nullptr) listener_->StrokeDrawn(stroke);
                continue;
            }
            const std::uint64_t duration = format_.durationMs();
            if (now >= duration) Finish(SittingEnd::TimeUp, duration);
            return;
        }
    }
}

bool SheetSitting::TypeDigit(int digit) {
    if (digit < 0 || digit > 9) return false;
    Poll();
    if (!AcceptsInput()) return false;
    Write(SheetAnswer::kAnswered, digit);
    return true;
}

bool SheetSitting::Pass() {
    Poll();
    if (!AcceptsInput()) return false;
    Write(SheetAnswer::kSkipped, 0);
    return true;
}

void SheetSitting::Write(SheetAnswer::Outcome outcome, int digit) {
    const std::uint64_t now = Now();
    SheetAnswer answer;
    answer.unit = Saturated<std::uint16_t>(unit_);
    answer.position = Saturated<std::uint16_t>(pair_);
    answer.period = PeriodAt(now);
    answer.corrections = pending_[pair_].corrections;
    answer.operand1 = static_cast<std::uint8_t>(sheet_.digit(unit_, pair_));
    answer.operand2 = static_cast<std::uint8_t>(sheet_.digit(unit_, pair_ + 1));
    answer.outcome = outcome;
    if (outcome == SheetAnswer::kAnswered) {
        answer.answer = static_cast<std::uint8_t>(digit);
        answer.correct = (answer.operand1 + answer.operand2) % 10 == digit ? 1 : 0;
        answer.milliseconds =
            static_cast<std::uint32_t>(std::min<std::uint64_t>(now - shownAtMs_, SheetAnswer::kLongestMilliseconds));
    }
    record_.push_back(answer);
    pending_[pair_] = Pending{};
    ++pair_;
    shownAtMs_ = now;

    // Without a cue the user goes straight on to the next unit, and the sheet's last pair
    // ends the sitting.
    if (format_.cued() || pair_ < sheet_.pairCount(unit_)) return;
    if (unit_ + 1 < sheet_.unitCount()) {
        CloseUnit();
        BeginUnit(unit_ + 1, now);
    } else {
        Finish(SittingEnd::WorkedThrough, now);
    }
}

bool SheetSitting::Backspace() {
    Poll();
    if (phase_ != Phase::Working || pair_ == 0) return false;
    const SheetAnswer last = record_.back();
    assert(last.unit == unit_ && last.position + 1u == pair_);
    record_.pop_back();
    const std::uint64_t now = Now();
    --pair_;
    pending_[pair_] = Pending{Saturated<std::uint16_t>(last.corrections + 1u), PeriodAt(now)};
    shownAtMs_ = now;
    return true;
}

void SheetSitting::Stop() {
    Poll();
    if (phase_ != Phase::Working && phase_ != Phase::OnBreak) return;
    Finish(SittingEnd::Stopped, Now());
}

void SheetSitting::CloseUnit() {
    for (std::uint32_t pair = pair_; pair < pending_.size(); ++pair) {
        if (pending_[pair].corrections == 0) continue;
        SheetAnswer withdrawn;
        withdrawn.unit = Saturated<std::uint16_t>(unit_);
        withdrawn.position = Saturated<std::uint16_t>(pair);
        withdrawn.period = pending_[pair].period;
        withdrawn.corrections = pending_[pair].corrections;
        withdrawn.operand1 = static_cast<std::uint8_t>(sheet_.digit(unit_, pair));
        withdrawn.operand2 = static_cast<std::uint8_t>(sheet_.digit(unit_, pair + 1));
        withdrawn.outcome = SheetAnswer::kWithdrawn;
        record_.push_back(withdrawn);
    }
    std::fill(pending_.begin(), pending_.end(), Pending{});
}

void SheetSitting::BeginUnit(std::uint32_t unit, std::uint64_t atMs) {
    unit_ = unit;
    pair_ = 0;
    pending_.assign(sheet_.pairCount(unit), Pending{});
    shownAtMs_ = atMs;
}

void SheetSitting::Finish(SittingEnd reason, std::uint64_t atMs) {
    CloseUnit();
    phase_ = Phase::Finished;
    endReason_ = reason;
    endedAtMs_ = std::min(atMs, format_.durationMs());
    if (listener_ != nullptr) listener_->Finished(reason);
}

} // namespace engine
