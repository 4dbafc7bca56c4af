// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/core/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace host {
namespace {

// Set once at start-up on the user-interface thread, read afterwards.
std::string& SeparatorStorage() {
    static std::string separator = ".";
    return separator;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::size_t CountDigits(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    return end - from;
}

} // namespace

bool SetDecimalSeparator(std::string_view separator) {
    if (separator.empty()) {
        return false;
    }
    for (char c : separator) {
        if (IsDigit(c) || IsBlank(c) || c == '+' || c == '-' || c == 'e' || c == 'E') {
            return false;
        }
    }
    SeparatorStorage() = std::string(separator);
    return true;
}

const std::string& DecimalSeparator() { return SeparatorStorage(); }

std::optional<double> ParseNumber(std::string_view text, std::string_view decimalSeparator) {
    text = TrimBlanks(text);

    // Rewritten into the one form std::from_chars reads whatever the locale.
    std::string plain;
    plain.reserve(text.size() + 1);
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            plain += '-';
        }
        ++pos;
    }
    const std::size_t intDigits = CountDigits(text, pos);
    plain.append(text.substr(pos, intDigits));
    pos += intDigits;

    std::size_t fracDigits = 0;
    if (!decimalSeparator.empty() && text.substr(pos).starts_with(decimalSeparator)) {
        pos += decimalSeparator.size();
        fracDigits = CountDigits(text, pos);
        plain += '.';
        plain.append(text.substr(pos, fracDigits));
        pos += fracDigits;
    }
    if (intDigits + fracDigits == 0) {
        return std::nullopt;
    }

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        plain += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            plain += text[pos];
            ++pos;
        }
        const std::size_t expDigits = CountDigits(text, pos);
        if (expDigits == 0) {
            return std::nullopt;
        }
        plain.append(text.substr(pos, expDigits));
        pos += expDigits;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }

    double value = 0.0;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseNumber(std::string_view text) { return ParseNumber(text, DecimalSeparator()); }

std::string FormatCount(std::uint64_t value) { return std::to_string(value); }

std::string FormatSigned(std::int64_t value) {
    if (value < 0) return std::to_string(value);
    // Appended, not " " + the digits: GCC 12 warns falsely (-Wrestrict) about that at -O2.
    std::string text(1, ' ');
    text += std::to_string(value);
    return text;
}

std::string FormatTwoDigits(std::int64_t value) {
    // Through the unsigned magnitude so that the most negative value has one too.
    const std::uint64_t magnitude =
        value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < 2) {
        digits.insert(0, 1, '0');
    }
    return value < 0 ? "-" + digits : digits;
}

std::string FormatFixed2(double value) {
    if (std::isfinite(value)) {
        // A double lies exactly half-way between two hundredths only when eight times it
        // is an odd integer (x = k/200 with k odd needs the factor 25 of 200 to cancel).
        // Scaling by eight is exact, and such a value is below 2^50, so the integer
        // arithmetic below cannot overflow.
        const double eighths = value * 8.0;
        if (std::isfinite(eighths) && std::floor(eighths) == eighths && std::fmod(eighths, 2.0) != 0.0) {
            const auto m = static_cast<std::int64_t>(eighths);
            const std::int64_t hundredths = (25 * m + (m > 0 ? 1 : -1)) / 2;
            const std::uint64_t magnitude = static_cast<std::uint64_t>(hundredths < 0 ? -hundredths : hundredths);
            // Appended piece by piece, as in FormatSigned.
            std::string text = hundredths < 0 ? "-" : "";
            text += std::to_string(magnitude / 100);
            text += '.';
            text += FormatTwoDigits(static_cast<std::int64_t>(magnitude % 100));
            return text;
        }
    }

    // Enough room for the largest double in fixed notation (309 digits) and two decimals.
    std::array<char, 400> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 2);
    if (error != std::errc()) {
        return "nan";
    }
    std::string text(buffer.data(), end);
    if (text == "-0.00") {
        text.erase(0, 1);
    }
    return text;
}

} // namespace host
