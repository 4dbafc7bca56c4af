// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Conversions between numbers and the texts the user reads and types.
namespace host {

// The decimal separator that text-to-number conversion accepts, process-wide. It is
// "." until the application sets the user's locale's separator at start-up. A separator
// that is empty or could be mistaken for part of a number (a digit, a sign, a blank,
// an exponent letter) is refused and the old one kept: returns whether it was taken.
bool SetDecimalSeparator(std::string_view separator);
const std::string& DecimalSeparator();

// The ordinary text-to-number conversion: optional blanks (spaces, tabs) around an
// optionally signed decimal number, with the given decimal separator and an optional
// exponent ("1e1"). Digits are needed before or after the separator ("5.", ".5" but
// not "."). Anything else fails: the empty text, letters, a lone sign, group
// separators, and numbers too large or too small for a double. Never throws.
std::optional<double> ParseNumber(std::string_view text, std::string_view decimalSeparator);
// The same with the process-wide separator.
std::optional<double> ParseNumber(std::string_view text);

// A counter in plain decimal: no sign, no leading zeros, no group separators.
std::string FormatCount(std::uint64_t value);

// A number as the runtime shows it by default: a leading blank stands where the sign of
// a negative number would be (" 7", "-7").
std::string FormatSigned(std::int64_t value);

// The pattern "00": at least two digits, padded with a leading zero ("05", "10", "123").
std::string FormatTwoDigits(std::int64_t value);

// The pattern "0.00": at least one digit before the point and exactly two after it. The
// double's exact binary value is rounded to the nearest hundredth. A value exactly
// half-way between two hundredths is rounded away from zero, as on paper (0.125 gives
// "0.13", -0.375 gives "-0.38"). Only the values whose fraction is an odd number of
// eighths are half-way: most decimal fractions are not exact in binary, so 1.005 is
// stored just below itself and gives "1.00", and 0.005 just above and gives "0.01".
// A result that rounds to zero has no minus sign. Infinities and NaN are written as
// std::to_chars writes them ("inf", "-inf", "nan").
std::string FormatFixed2(double value);

} // namespace host
