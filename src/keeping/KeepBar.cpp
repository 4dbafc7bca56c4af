// SPDX-License-Identifier: GPL-3.0-or-later
#include "keeping/KeepBar.h"

#include "host/qt/AccessibleText.h"
#include "keeping/HistoryText.h"
#include "keeping/Keeper.h"
#include "windowkit/StoredForm.h"

#include <QAbstractButton>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>
#include <utility>

// The bar's description is a resource of an object library; registering it by hand keeps it
// whichever way the program is linked.
static void RegisterBarDescription() { Q_INIT_RESOURCE(keeping_forms); }

namespace keeping {

namespace {

constexpr int kNewHistoryWidthTwips = 2100;

// The captions the bar's description stores for its buttons, in the language installed when
// the buttons are made.
constexpr const char* kCaptions[] = {
    //: The history bar's answer: keep this sitting and later ones.
    QT_TRANSLATE_NOOP("keeping::KeepBar", "&Keep"),
    //: The history bar's answer: keep nothing.
    QT_TRANSLATE_NOOP("keeping::KeepBar", "&Don't keep"),
    QT_TRANSLATE_NOOP("keeping::KeepBar", "Try &again"),
    QT_TRANSLATE_NOOP("keeping::KeepBar", "Start a &new history"),
};

const windowkit::StoredForm& Form() {
    static const windowkit::StoredForm form(RegisterBarDescription, ":/forms/KeepBar.twd", "keeping::KeepBar",
                                            kCaptions);
    return form;
}

} // namespace

KeepBar::KeepBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("barKeep"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xFF, 0xF6, 0xD5));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    lblKeep = new QLabel(this);
    lblKeep->setObjectName(QStringLiteral("lblKeep"));
    lblKeep->setWordWrap(true);
    lblKeep->setTextFormat(Qt::PlainText);
    lblKeep->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdKeep =
        Form().MakeButton(this, "cmdKeep", tr("Keep this sitting and every later one in a history on this computer"));
    cmdDontKeep = Form().MakeButton(this, "cmdDontKeep", tr("Keep nothing; the History window can change this"));
    cmdRetry = Form().MakeButton(this, "cmdRetry", tr("Ask the history again"));
    cmdNewHistory = Form().MakeButton(
        this, "cmdNewHistory",
        tr("Moves the damaged file aside under a dated name, never deleting it, and starts an empty history"),
        kNewHistoryWidthTwips);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(6);
    row->addWidget(lblKeep, 1);
    for (QAbstractButton* button : {cmdKeep, cmdDontKeep, cmdRetry, cmdNewHistory}) row->addWidget(button);

    connect(cmdKeep, &QAbstractButton::clicked, this, [] { ProgramKeeper().SetConsent(true); });
    connect(cmdDontKeep, &QAbstractButton::clicked, this, [] { ProgramKeeper().SetConsent(false); });
    connect(cmdRetry, &QAbstractButton::clicked, this, [this] {
        setAside_.clear();
        if (retry_) retry_();
    });
    connect(cmdNewHistory, &QAbstractButton::clicked, this, &KeepBar::cmdNewHistory_Click);
    Clear();
}

KeepBar::~KeepBar() = default;

QString KeepBar::text() const { return isHidden() ? QString() : lblKeep->text(); }

void KeepBar::Follow(SittingKeeping* keeping) {
    if (keeping_) disconnect(keeping_, nullptr, this, nullptr);
    keeping_ = keeping;
    setAside_.clear();
    if (keeping_) connect(keeping_, &SittingKeeping::stateChanged, this, &KeepBar::Update);
    Update();
}

void KeepBar::Update() {
    if (!keeping_) return Clear();
    switch (keeping_->state()) {
    case SittingKeeping::State::Asking:
        //: The history bar's question, the first time results open.
        Show(tr("Keep this sitting and your later ones in a history on this computer, to see your progress? You "
                "can change this in the History window."),
             {cmdKeep, cmdDontKeep});
        break;
    case SittingKeeping::State::Failed: {
        SittingKeeping* keeping = keeping_;
        retry_ = [keeping] { keeping->Retry(); };
        notKept_ = true;
        ShowFault(keeping_->fault(), retry_);
        break;
    }
    case SittingKeeping::State::Kept:
    case SittingKeeping::State::NotKept:
        if (!setAside_.isEmpty()) {
            Show(setAside_, {});
            break;
        }
        Clear();
        break;
    }
}

void KeepBar::ShowFault(const engine::StoreFault& fault, std::function<void()> retry) {
    using Kind = engine::StoreFault::Kind;
    retry_ = std::move(retry);
    const bool notKept = std::exchange(notKept_, false);
    const QString line = FaultText(fault, notKept);
    if (fault.kind == Kind::Corrupt) return Show(line, {cmdNewHistory});
    // A newer program's file and a folder without permission stay so whatever the user tries.
    const bool mendable = retry_ && fault.kind != Kind::NewerVersion && fault.kind != Kind::ReadOnly;
    Show(line, {mendable ? cmdRetry : nullptr});
}

void KeepBar::Clear() {
    retry_ = {};
    lblKeep->clear();
    setAccessibleName({});
    hide();
    emit changed();
}

void KeepBar::Show(const QString& line, std::initializer_list<QAbstractButton*> buttons) {
    lblKeep->setText(line);
    host::SetAccessibleText(this, line);
    for (QAbstractButton* button : {cmdKeep, cmdDontKeep, cmdRetry, cmdNewHistory})
        button->setVisible(std::find(buttons.begin(), buttons.end(), button) != buttons.end());
    show();
    emit changed();
}

void KeepBar::cmdNewHistory_Click() {
    engine::StoreFault fault;
    const std::optional<QString> aside = ProgramKeeper().SetAsideAndStartAfresh(fault);
    if (!aside && fault.kind != engine::StoreFault::Kind::None) return ShowFault(fault, retry_);
    if (!aside) {
        // The file reads cleanly by now (another Tavrendale started a new history): nothing is
        // set aside, and what failed is tried again.
        const std::function<void()> retry = std::exchange(retry_, {});
        Clear();
        if (retry) retry();
        return;
    }
    //: After the user started a new history: where the damaged file went.
    setAside_ =
        tr("The damaged history was set aside as %1; a new one is started.").arg(QDir::toNativeSeparators(*aside));
    const std::function<void()> retry = retry_;
    Show(setAside_, {});
    if (retry) retry();
}

QLabel* MakeStandingLabel(QWidget* parent, const QString& toolTip) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblStanding"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setToolTip(toolTip);
    label->hide();
    return label;
}

void ShowStanding(QLabel* label, const QString& line) {
    label->setText(line);
    label->setAccessibleName(line);
    label->setVisible(!line.isEmpty());
}

} // namespace keeping
