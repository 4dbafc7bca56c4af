// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowkit/ToolWindow.h"

#include "controls/CommandButton.h"
#include "host/qt/Fonts.h"
#include "windowkit/Placement.h"
#include "windowkit/StoredForm.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <utility>

namespace windowkit {

namespace {

// The Close button's caption as the forms store it, shown in the language installed.
constexpr const char* kCloseCaption[] = {QT_TRANSLATE_NOOP("windowkit::ToolWindow", "&Close")};

host::Rect ToRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

} // namespace

QFont WindowFont() { return host::LayoutFont(QStringLiteral("Tahoma"), 8.25); }

ToolWindow::ToolWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    setFont(WindowFont());
    docked_.Dock(this);
}

ToolWindow::~ToolWindow() = default;

QAbstractButton* ToolWindow::MakeCloseButton(const StoredForm& form) {
    QAbstractButton* button = form.MakeButton(this, "cmdClose", tr("Close this window (Esc)"));
    controls::TranslateStoredCaption(button, "windowkit::ToolWindow", kCloseCaption);
    connect(button, &QAbstractButton::clicked, this, &QWidget::close);
    return button;
}

QSize ToolWindow::smallestSize() const { return minimumSize().expandedTo(minimumSizeHint()).expandedTo(smallest_); }

void ToolWindow::PlaceBeside(const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    if (!owner) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
        return;
    }
    // A fixed-size owner may have a thinner frame than this resizable window.
    placedBeside_ = owner;
    assumedFrame_ = owner->frameGeometry().size() - owner->geometry().size();
    Place(owner, assumedFrame_);
}

void ToolWindow::Place(const QWidget* owner, const QSize& frame) {
    const QScreen* screen = owner->screen();
    if (!screen) return;
    const QSize smallest = smallestSize() + frame;
    const QSize preferred = size() + frame;
    const host::Rect placed =
        FrameBeside(ToRect(screen->availableGeometry()), ToRect(owner->frameGeometry()),
                    {preferred.width(), preferred.height()}, {smallest.width(), smallest.height()});
    resize(QSize(placed.width(), placed.height()) - frame);
    move(placed.left, placed.top);
}

void ToolWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !placedBeside_) return;
    const QSize frame = frameGeometry().size() - geometry().size();
    const QPointer<const QWidget> owner = std::exchange(placedBeside_, nullptr);
    if (frame == assumedFrame_ || frame.isEmpty() || !owner) return;
    Place(owner, frame);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    if (!ReadyToClose()) {
        event->ignore();
        return;
    }
    docked_.Undock();
    event->accept();
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace windowkit
