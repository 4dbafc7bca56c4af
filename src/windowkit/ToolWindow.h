// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowkit/Docked.h"

#include <QFont>
#include <QPointer>
#include <QSize>
#include <QWidget>

class QAbstractButton;

namespace windowkit {

class StoredForm;

// The font the windows' layouts are drawn in: Tahoma, 8.25 points.
QFont WindowFont();

// A tool window of the program (the Work curve, Exam sheets and Sheet results windows): a
// top-level window of its own, not modal, with a title bar, system menu, minimise, maximise
// and close buttons, in the layouts' font. It docks (snaps to the work area and the
// program's other windows) from the moment it is made until it closes or is destroyed,
// whichever comes first. Escape closes it, as its close box and its Close button do.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ~ToolWindow() override;

    // Puts the window beside `owner` within the work area of the owner's screen (the rule of
    // FrameBeside, Placement.h): right of it, else left, below or above, covering none of it,
    // at its size where a side has room for it and made smaller, down to smallestSize(),
    // where the screen leaves less; only where not even that fits beside the owner does it
    // cover the owner, as little as it can. Centred on the screen without an owner. The
    // window's frame is known only once the window manager has framed it: until then the
    // owner's is taken for it, and the window is placed again with its own frame when it is
    // first activated.
    void PlaceBeside(const QWidget* owner);
    // The smallest size the window is made to open beside its owner: its minimum size, or
    // what the window set as the smallest it reads well at where that is larger.
    QSize smallestSize() const;

protected:
    explicit ToolWindow(QWidget* parent);

    void setSmallestSize(const QSize& size) { smallest_ = size; }
    // The Close button of the window's `form` ("cmdClose"): the same caption, tooltip and
    // action in every tool window.
    QAbstractButton* MakeCloseButton(const StoredForm& form);

    // Asked before the window closes, by any of its ways: a window with work under way may
    // end it here (after asking) or return false to stay open.
    virtual bool ReadyToClose() { return true; }

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Place(const QWidget* owner, const QSize& frame);

    Docked docked_;
    // The window placed beside, until the window manager has told this window's own frame.
    QPointer<const QWidget> placedBeside_;
    QSize assumedFrame_;
    QSize smallest_;
};

} // namespace windowkit
