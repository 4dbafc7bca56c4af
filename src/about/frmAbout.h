// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowkit/Docked.h"

#include <QDialog>

class QAbstractButton;
class QLabel;
class QPlainTextEdit;

namespace host {
class Frame;
}

namespace about {

class HyperlinkLabel;

// The About window. It is made afresh for every showing: constructing it loads it
// (docking on, credits set), and closing it by OK or the close box unloads it (docking
// off). Enter and Escape mean nothing to it as a whole.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // The credits box's text: a heading and two numbered entries.
    static QString CreditsText();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window's controls, area by area, back to front: the artwork and the digits around
    // the title, the frame about the program with its links, the credits box.
    void BuildArtwork();
    void BuildFrame();
    void BuildCredits();

    void Form_Load();
    void Form_Unload();
    void cmdOK_Click();
    void lblURL1_Click();
    void lblURL2_Click();
    void lblURL1_MouseMove();
    void lblURL2_MouseMove();
    void ResetLinks();

    QPlainTextEdit* txtCredits = nullptr;
    QAbstractButton* cmdOK = nullptr;
    host::Frame* Frame1 = nullptr;
    HyperlinkLabel* lblURL1 = nullptr;
    HyperlinkLabel* lblURL2 = nullptr;
    windowkit::Docked docked_;
};

} // namespace about
