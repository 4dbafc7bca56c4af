// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Writes "painted" to standard output once `window` has been painted for the first time,
// then ends the process at once: the start-up benchmark times a process up to that line.
void ReportFirstPaint(QWidget* window);
