// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace charts {

// The blank border every chart keeps inside its rectangle, in pixels.
inline constexpr int kChartMargin = 4;

} // namespace charts
