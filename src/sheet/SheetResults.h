// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Sheet.h"
#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"
#include "engine/SheetSitting.h"

#include <cstdint>
#include <functional>
#include <span>

class QWidget;

namespace sheet {

// Shows the results of a finished sitting in a window of their own, not modal, owned by
// `parent` and placed beside it. Everything it needs is copied: the sitting may go as
// soon as the call returns.
void ShowSheetResults(QWidget* parent, const engine::SheetFormat& format, const engine::Sheet& sheet,
                      std::span<const engine::SheetAnswer> record, std::uint64_t seed, engine::SittingEnd end,
                      std::uint64_t elapsedMs);

// Where the sheet window hands a finished sitting; ShowSheetResults in the program, a
// recorder in tests.
using SheetResultsHandler = std::function<void(QWidget* parent, const engine::SheetFormat& format,
                                               const engine::Sheet& sheet, std::span<const engine::SheetAnswer> record,
                                               std::uint64_t seed, engine::SittingEnd end, std::uint64_t elapsedMs)>;

} // namespace sheet
