// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmAbout.h"

#include "about/Artwork.h"
#include "about/Hyperlink.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/AccessibleText.h"
#include "host/qt/Fonts.h"
#include "host/qt/Frame.h"
#include "host/qt/MouseMoves.h"
#include "host/qt/WindowLayout.h"
#include "windowkit/StoredForm.h"
#include "windowkit/ToolWindow.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <initializer_list>
#include <iterator>

// The window description is a resource of an object library; registering it by hand keeps
// it whichever way the program is linked.
static void RegisterWindowDescription() { Q_INIT_RESOURCE(about_forms); }

namespace about {

namespace {

using host::MakePicture;
using host::TwipRect;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

// The captions the window's description stores for its buttons.
constexpr const char* kStoredCaptions[] = {
    //: The button that closes the About window; 65 px wide.
    QT_TRANSLATE_NOOP("about::frmAbout", "&OK"),
};

const windowkit::StoredForm& Form() {
    static const windowkit::StoredForm form(RegisterWindowDescription, ":/forms/frmAbout.twd", "about::frmAbout",
                                            kStoredCaptions);
    return form;
}

struct Digit {
    const char* name;
    const char* text;
    int left;
    int top;
};

// The cloud of digits right of the frame, front to back: Label22 lies in front of Label21,
// and so on down to Label10 behind them all.
constexpr Digit kDigits[] = {
    {"Label22", "?", 3960, 2280}, {"Label21", "9", 4320, 1200}, {"Label20", "=", 3840, 1560},
    {"Label19", "0", 3840, 1200}, {"Label18", "6", 3720, 2040}, {"Label17", "7", 3480, 1920},
    {"Label16", "8", 4200, 2040}, {"Label15", "+", 3960, 1920}, {"Label14", "2", 3480, 2280},
    {"Label13", "3", 4080, 1320}, {"Label12", "4", 3600, 1680}, {"Label11", "5", 4200, 1680},
    {"Label10", "1", 3600, 1320},
};

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Tavrendale"));
    setWindowIcon(ProgramIcon());
    setFixedSize(host::Twips(4680), host::Twips(5040));
    setFont(host::OwnTextFont(windowkit::WindowFont()));
    host::SetWhite(this);

    // Built back to front: a control made later lies in front of one made earlier.
    BuildArtwork();
    BuildFrame();
    cmdOK = Form().MakeButton(this, "cmdOK", TwipRect(3600, 3600, 975, 375));
    BuildCredits();

    setTabOrder(cmdOK, txtCredits);
    host::AccessKeys::Install(this);

    connect(cmdOK, &QAbstractButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblURL1, &HyperlinkLabel::Click, this, &frmAbout::lblURL1_Click);
    connect(lblURL2, &HyperlinkLabel::Click, this, &frmAbout::lblURL2_Click);
    connect(lblURL1, &HyperlinkLabel::MouseMove, this, &frmAbout::lblURL1_MouseMove);
    connect(lblURL2, &HyperlinkLabel::MouseMove, this, &frmAbout::lblURL2_MouseMove);

    host::CentreOnScreen(this);
    cmdOK->setFocus();
    Form_Load();
}

void frmAbout::BuildArtwork() {
    using host::SetAccessibleText;
    SetAccessibleText(MakePicture(this, "Image2", ArtResource(Art::Figure), TwipRect(3600, 120, 975, 1035)),
                      tr("Cartoon figure"));
    SetAccessibleText(MakePicture(this, "Image1", ArtResource(Art::QuestionBubble), TwipRect(3240, 120, 480, 480)),
                      tr("Question mark in a speech bubble"));
    auto* title = MakeLabel(this, "Label1", QStringLiteral("Tavrendale"), TwipRect(480, 120, 2655, 615));
    title->setFont(host::OwnTextFont(host::LayoutFont(QStringLiteral("Cambria"), 20.25, true, false, true)));
    SetAccessibleText(MakeLabel(this, "Label2", QStringLiteral("v1.0"), TwipRect(2880, 480, 495, 255)),
                      tr("Version 1.0"));
    const QFont digitFont = host::OwnTextFont(host::LayoutFont(QStringLiteral("Courier New"), 15.75, true));
    for (auto digit = std::rbegin(kDigits); digit != std::rend(kDigits); ++digit) {
        auto* label = MakeLabel(this, digit->name, QString::fromLatin1(digit->text),
                                TwipRect(digit->left, digit->top, 375, 375), Qt::AlignCenter);
        label->setFont(digitFont);
    }
    SetAccessibleText(MakePicture(this, "Image3", ArtResource(Art::ProgramIcon), TwipRect(120, 120, 480, 480)),
                      tr("Program icon"));
}

void frmAbout::BuildFrame() {
    using host::SetAccessibleText;
    Frame1 = new host::Frame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipRect(120, 720, 3375, 3255));
    Frame1->setBackColor(host::Rgb(255, 255, 255));
    Frame1->setForeColor(host::Rgb(0, 0, 0));
    SetAccessibleText(Frame1, tr("About the program"));
    auto* description = MakeLabel(
        Frame1, "Label3",
        tr("Tavrendale is a simple program. The main purpose within the making of this program is to help me (and "
           "others) improving basic math skill; increment. The increment application also can be found in "
           "Pauli-Kraepelin test, part of common psychology test."),
        TwipRect(120, 240, 3135, 1455));
    description->setWordWrap(true);
    auto* coder =
        MakeLabel(Frame1, "Label4", tr("Coded by: A. N. Author aka anauthor"), TwipRect(120, 1800, 3135, 255));
    auto* mail = MakeLabel(Frame1, "Label5", QStringLiteral("author@example.com"), TwipRect(120, 2040, 1575, 255));
    lblURL1 = new HyperlinkLabel(QString::fromLatin1(kAuthorAddress), Qt::AlignHCenter, Frame1);
    lblURL1->setObjectName(QStringLiteral("lblURL1"));
    lblURL1->setGeometry(TwipRect(1680, 2040, 1575, 255));
    auto* notice = MakeLabel(Frame1, "Label7", QString::fromUtf8("\u00A9 2026 Example Publishing House"),
                             TwipRect(120, 2640, 3135, 255));
    lblURL2 = new HyperlinkLabel(QString::fromLatin1(kPublisherAddress), Qt::AlignHCenter, Frame1);
    lblURL2->setObjectName(QStringLiteral("lblURL2"));
    lblURL2->setGeometry(TwipRect(120, 2880, 3135, 255));
    auto* dedication = MakeLabel(Frame1, "Label9", tr("For everyone learning to add."), TwipRect(120, 2280, 3135, 255));
    dedication->setFont(host::OwnTextFont(host::LayoutFont(QStringLiteral("Tahoma"), 8.25, false, true)));
    for (QLabel* label : {description, coder, mail, notice, dedication})
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // A centred text wider than its box loses both ends; the address must stay whole.
    host::FitText(mail, mail->width());
    for (HyperlinkLabel* link : {lblURL1, lblURL2})
        SetAccessibleText(link, link->text(), tr("Web address; a click opens it in the browser"));
    // Only the frame and these four labels turn the links plain again.
    for (QWidget* surface : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(coder), static_cast<QWidget*>(mail),
                             static_cast<QWidget*>(notice), static_cast<QWidget*>(dedication)})
        host::MouseMoves::Watch(surface, [this] { ResetLinks(); });
}

void frmAbout::BuildCredits() {
    txtCredits = new QPlainTextEdit(this);
    txtCredits->setObjectName(QStringLiteral("txtCredits"));
    txtCredits->setGeometry(TwipRect(120, 4080, 4455, 855));
    txtCredits->setReadOnly(true);
    txtCredits->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtCredits->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCredits->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Read-only boxes still take the focus, so the user can scroll with the keyboard.
    txtCredits->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    txtCredits->setFocusPolicy(Qt::StrongFocus);
    host::SetAccessibleText(txtCredits, tr("Credits"),
                            tr("The components Tavrendale uses and the holders of their rights"));
}

frmAbout::~frmAbout() {
    // Destroyed without being closed (its owner went first): unload all the same.
    Form_Unload();
}

QString frmAbout::CreditsText() {
    // Qt Svg is part of the program only where it draws the artwork at run time.
#if TAVRENDALE_DRAW_SVG
    const QLatin1String qtModules("Core, Gui, Widgets, Svg");
#else
    const QLatin1String qtModules("Core, Gui, Widgets");
#endif
    return tr("Tavrendale uses the following 3rd party components and codes:\r\n"
              "[1] Qt 6 (%1) © The Qt Company Ltd. and other contributors, used under the GNU LGPL version 3\r\n"
              "[2] Caladea typeface © 2012 The Caladea Project Authors (Carolina Giovagnoli, Andrés Torresi, "
              "Huerta Tipográfica), SIL Open Font License 1.1")
        .arg(qtModules);
}

void frmAbout::Form_Load() {
    docked_.Dock(this);
    txtCredits->setPlainText(CreditsText());
}

void frmAbout::Form_Unload() { docked_.Undock(); }

void frmAbout::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // QDialog would close on Escape and press a default button on Enter.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter: event->ignore(); return;
    default: QDialog::keyPressEvent(event);
    }
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::lblURL1_Click() { OpenHyperlink(lblURL1->address()); }
void frmAbout::lblURL2_Click() { OpenHyperlink(lblURL2->address()); }
void frmAbout::lblURL1_MouseMove() { lblURL1->SetBold(true); }
void frmAbout::lblURL2_MouseMove() { lblURL2->SetBold(true); }

void frmAbout::ResetLinks() {
    lblURL1->SetBold(false);
    lblURL2->SetBold(false);
}

} // namespace about
