// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <cstdint>
#include <string>

// What the answers' and the sheets' CSV texts write alike.
namespace engine {

// Appends `value` in decimal, as a CSV field.
inline void AppendNumber(std::string& out, std::uint64_t value) {
    char digits[20];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

} // namespace engine
