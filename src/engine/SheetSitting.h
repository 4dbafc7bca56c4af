// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Sheet.h"
#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"
#include "host/core/MonotonicClock.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace engine {

// Why a sitting ended.
enum class SittingEnd {
    // The sitting's time ran out.
    TimeUp,
    // The user stopped it.
    Stopped,
    // A sheet without a cue was worked to its last pair before the time ran out.
    WorkedThrough,
};

// A stroke drawn after the last answer, at the pair the cursor stood on.
struct SheetStroke {
    // 1 for the first stroke.
    std::uint32_t number = 0;
    // When it was due, in milliseconds from the start.
    std::uint64_t atMs = 0;
    std::uint32_t unit = 0;
    std::uint32_t pair = 0;
    bool operator==(const SheetStroke& other) const = default;
};

// What a sitting tells its window. Every callback is optional; they are called on the
// caller's thread, before the operation that caused them returns, in the order of their
// times.
struct SheetSittingListener {
    virtual ~SheetSittingListener() = default;
    // The cue: `unit` begins and the cursor stands at its first pair.
    virtual void CueGiven(std::uint32_t unit) { (void)unit; }
    // Input is refused until the break ends `milliseconds` later.
    virtual void BreakStarted(std::uint64_t milliseconds) { (void)milliseconds; }
    // The unit after the break begins by itself.
    virtual void BreakEnded() {}
    virtual void StrokeDrawn(const SheetStroke& stroke) { (void)stroke; }
    virtual void Finished(SittingEnd reason) { (void)reason; }
};

// One sitting of a sheet: the cursor, the cues, the break, the strokes and the record,
// timed by an injected clock. The window calls Poll from its timer, often enough to show
// the cue when it comes; every key press polls first, so a key pressed after a cue that
// no poll has seen yet counts in the unit that the cue began.
class SheetSitting {
public:
    enum class Phase { Ready, Working, OnBreak, Finished };

    // Where the cursor stands: the unit (column or line, 0 for the first), the pair in it
    // in the order of work (0 for the first), its pair count and the pair's two digits. A
    // window speaks them counted from 1: "7 and 5, column 3, pair 12 of 26". At the end
    // of a unit whose cue has not come, `pair` equals `pairCount` and the digits are 0.
    struct Cursor {
        std::uint32_t unit = 0;
        std::uint32_t pair = 0;
        std::uint32_t pairCount = 0;
        int operand1 = 0;
        int operand2 = 0;
        bool operator==(const Cursor& other) const = default;
    };

    SheetSitting(SheetFormat format, Sheet sheet, host::MonotonicClock& clock);

    void SetListener(SheetSittingListener* listener) { listener_ = listener; }

    // The sitting's time starts now. Only once.
    void Start();
    // Acts on every cue, break, stroke and end that is due by now.
    void Poll();
    // Writes the unit digit of the current pair's sum as `digit` and moves on. False, with
    // nothing changed, when input is refused: before the start, during the break, after
    // the end, or at the end of a unit waiting for its cue.
    bool TypeDigit(int digit);
    // Takes back the last answer or pass of the current unit and returns the cursor to
    // it, counting a correction. False, with nothing counted, at the unit's first pair.
    bool Backspace();
    // Passes the current pair, leaving it blank.
    bool Pass();
    // Ends the sitting where the user is. Does nothing before the start or after the end.
    void Stop();

    Phase phase() const { return phase_; }
    // The current unit is done and its cue has not come yet.
    bool waitingForCue() const { return phase_ == Phase::Working && pair_ == sheet_.pairCount(unit_); }
    Cursor cursor() const;
    std::optional<SittingEnd> endReason() const { return endReason_; }

    // Milliseconds of the sitting so far, break included, never past its duration;
    // frozen at the end.
    std::uint64_t elapsedMs() const;
    std::uint64_t timeLeftMs() const { return format_.durationMs() - elapsedMs(); }
    // Of the break under way; 0 outside it.
    std::uint64_t breakLeftMs() const;
    // The sitting time (from the start, break included) at which Poll next has something to
    // do: the next cue, the break's end, the next stroke or the end of the time. None before
    // the start and after the end. A window that polls then acts at the moment itself.
    std::optional<std::uint64_t> nextDueMs() const;

    const SheetFormat& format() const { return format_; }
    const Sheet& sheet() const { return sheet_; }
    // Every pair answered, passed or withdrawn, in the order of the sheet's units and of
    // the pairs in each: a window draws the written digits from it.
    const std::vector<SheetAnswer>& record() const { return record_; }
    const std::vector<SheetStroke>& strokes() const { return strokes_; }

private:
    // Corrections of a pair of the current unit whose answer was taken back.
    struct Pending {
        std::uint16_t corrections = 0;
        std::uint16_t period = 0;
    };

    std::uint64_t Now() const;
    bool AcceptsInput() const { return phase_ == Phase::Working && pair_ < sheet_.pairCount(unit_); }
    std::uint16_t PeriodAt(std::uint64_t ms) const;
    void Write(SheetAnswer::Outcome outcome, int digit);
    // Keeps the corrections of pairs taken back and not answered again, and clears them.
    void CloseUnit();
    void BeginUnit(std::uint32_t unit, std::uint64_t atMs);
    void Finish(SittingEnd reason, std::uint64_t atMs);

    SheetFormat format_;
    Sheet sheet_;
    host::MonotonicClock& clock_;
    SheetSittingListener* listener_ = nullptr;
    Phase phase_ = Phase::Ready;
    std::optional<SittingEnd> endReason_;
    // Clock readings of the start, and sitting times of the end and of when the current
    // pair became current.
    std::uint64_t startedAt_ = 0;
    std::uint64_t endedAtMs_ = 0;
    std::uint64_t shownAtMs_ = 0;
    std::uint32_t unit_ = 0;
    std::uint32_t pair_ = 0;
    std::vector<Pending> pending_;
    std::vector<SheetAnswer> record_;
    std::vector<SheetStroke> strokes_;
};

} // namespace engine
