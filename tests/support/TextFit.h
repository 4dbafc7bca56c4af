// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <set>
#include <utility>
#include <vector>

class QWidget;

namespace testsupport {

// Whether a window's texts fit the boxes its fixed layout gives them, in whatever language
// is installed: the same checks for every window of the program.

// Every visible text of `window` (the window and its children) that its box cuts, one line
// each ("lblTitle: \"...\" needs 130 px, has 120"): a label's text (each line, or wrapped
// to its width and then too tall), a button's or check box's text beside its mark, an owner-drawn
// button's caption, a frame's caption. Access-key markers are not counted.
std::vector<QString> CutTexts(const QWidget* window);

// The pairs of visible sibling widgets showing text whose boxes overlap, by object name.
// A layout may overlap boxes on purpose; compare the pairs with those of the same window in
// English, where the layout is as designed.
std::set<std::pair<QString, QString>> OverlappingTexts(const QWidget* window);

} // namespace testsupport
