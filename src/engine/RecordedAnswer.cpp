// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/RecordedAnswer.h"

#include <algorithm>
#include <limits>

namespace engine {

RecordedAnswer MakeRecordedAnswer(int operand1, int operand2, std::string_view typed, bool correct,
                                  std::uint64_t minute, std::uint64_t milliseconds) {
    RecordedAnswer record;
    record.milliseconds =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(milliseconds, std::numeric_limits<std::uint32_t>::max()));
    record.minute = static_cast<std::uint32_t>(std::min<std::uint64_t>(minute, RecordedAnswer::kMaxMinute));
    record.operand1 = static_cast<std::uint32_t>(std::clamp(operand1, 0, 9));
    record.operand2 = static_cast<std::uint32_t>(std::clamp(operand2, 0, 9));
    const bool digit = typed.size() == 1 && typed[0] >= '0' && typed[0] <= '9';
    record.answer = digit ? static_cast<std::uint32_t>(typed[0] - '0') : RecordedAnswer::kNoDigit;
    record.correct = correct ? 1u : 0u;
    return record;
}

} // namespace engine
