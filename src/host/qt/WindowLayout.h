// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

namespace host {

// The helpers the windows build their fixed layouts with.

// A rectangle of the layouts, given in twips, in pixels.
QRect TwipRect(int left, int top, int width, int height);

// The window look of the layouts: a white background under black text, filled by the
// widget itself; text fields on it are white too.
void SetWhite(QWidget* widget);

// Narrows the label's font where its text would not fit `width` pixels with this
// machine's font engine (FitTextWidth); where it fits, the label keeps the font it
// inherits from its window.
void FitText(QLabel* label, int width);

// An image control named `name` showing the SVG picture `resource` at `geometry`.
// A label for `buddy` (its access key moves the focus there), both showing `toolTip`.
QLabel* MakeBuddyLabel(QWidget* parent, const QString& text, QWidget* buddy, const QString& toolTip);

QWidget* MakePicture(QWidget* parent, const char* name, const QString& resource, const QRect& geometry);

// Where a window of client size `client` and frame `frame` goes so that the whole window,
// frame included, is centred in `area`: the top-left corner of its frame.
QPoint CentredFramePosition(const QRect& area, QSize client, const QMargins& frame);

// Centres the top-level `window` in its screen's work area, frame included, as a start-up
// window is. A window manager frames a window only once it is shown, so until then its
// frame is taken to be that of another framed window of the program, or none; when the
// window's own frame becomes known and differs, it is centred once more. Call it before
// the window is first shown.
void CentreOnScreen(QWidget* window);

} // namespace host
