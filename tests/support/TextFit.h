// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <set>
#include <utility>
#include <vector>

class QTableWidget;
class QWidget;

namespace testsupport {

// Whether a window's texts fit the boxes its fixed layout gives them, in whatever language
// is installed: the same checks for every window of the program.

// Every visible text of `window` (the window and its children) that its box cuts, one line
// each ("lblTitle: \"...\" needs 130 px, has 120"): a label's text (each line, or wrapped
// to its width and then too tall), a button's or check box's text beside its mark, an owner-drawn
// button's caption, a frame's caption. Access-key markers are not counted.
std::vector<QString> CutTexts(const QWidget* window);

// The cells of a table that wraps its text (word wrap on, rows as high as they need) whose row
// is lower than its text wrapped to its column, or whose column is narrower than a word of it,
// one line each; a cell keeps 3 pixels from each edge.
std::vector<QString> CutWrappedCells(const QTableWidget* table);

// The pairs of visible sibling widgets showing text whose boxes overlap, by object name.
// A layout may overlap boxes on purpose; compare the pairs with those of the same window in
// English, where the layout is as designed.
std::set<std::pair<QString, QString>> OverlappingTexts(const QWidget* window);

// The access keys the visible controls of `window` show, each with the object names of the
// controls that show it.
std::map<QString, QStringList> AccessKeyOwners(const QWidget* window);

} // namespace testsupport
