// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sheet {

// A sheet chosen before the window opens (on the command line): a preset by its stable
// name or "custom", its practice version, and the seed.
struct SheetChoice {
    std::string format = "kraepelin-15";
    bool practice = false;
    std::optional<std::uint64_t> seed;
    bool operator==(const SheetChoice& other) const = default;
};

// The names the sheet option takes, comma-separated, for help texts and messages.
extern const char* const kSheetChoiceNames;

// The choice of `format` (a preset's stable name or "custom"), its practice version and
// the seed as typed, or why it is refused: an unknown format, a seed that is not a
// number, a practice version of the custom sheet. The message names the value at fault, in
// the language installed.
std::optional<SheetChoice> MakeSheetChoice(std::string_view format, bool practice, std::optional<std::string_view> seed,
                                           std::string& error);

// The program's own arguments (Qt's options taken out, no program name) when they are
// exactly a valid sheet choice: "--sheet FORMAT" or "--sheet=FORMAT", with "--practice" and
// "--seed N" (or "--seed=N") in any order, each at most once. Anything else, including
// a refused value, gives no choice; the full command line reader then answers or refuses.
std::optional<SheetChoice> ReadSheetArguments(std::span<const std::string_view> arguments);

} // namespace sheet
