// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer, keyboard, focus and access-key handling, and the life cycle of the surface.

#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "controls/chameleonButton/Surface.h"
#include "controls/chameleonButton/chameleonButton.h"
#include "host/core/Geometry.h"
#include "host/qt/Region.h"
#include "host/qt/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <cstdint>
#include <memory>

namespace chameleon {

namespace {

constexpr std::int16_t kPrimary = 1;
constexpr std::int16_t kSecondary = 2;
constexpr std::int16_t kKeySpace = 32;
constexpr std::int16_t kKeyLeft = 37;
constexpr std::int16_t kKeyUp = 38;
constexpr std::int16_t kKeyRight = 39;
constexpr std::int16_t kKeyDown = 40;

std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
    std::int16_t mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= 1;
    if (modifiers & Qt::ControlModifier) mask |= 2;
    if (modifiers & Qt::AltModifier) mask |= 4;
    return mask;
}

std::int16_t ButtonMask(Qt::MouseButtons buttons) {
    std::int16_t mask = 0;
    if (buttons & Qt::LeftButton) mask |= 1;
    if (buttons & Qt::RightButton) mask |= 2;
    if (buttons & Qt::MiddleButton) mask |= 4;
    return mask;
}

} // namespace

bool chameleonButton::RememberCode(std::int16_t code, std::uint8_t& field, const char* what) {
    // The field holds 8 bits; only a handler rewriting the parameter can go beyond.
    if (code < 0 || code > 255) {
        emit Error(QStringLiteral("%1 %2: overflow").arg(QLatin1String(what)).arg(code));
        return false;
    }
    field = static_cast<std::uint8_t>(code);
    return true;
}

// Mouse ---------------------------------------------------------------------------

void chameleonButton::HandleMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    emit MouseDown(button, shift, x, y);
    if (!RememberCode(button, s_.lastMouseButton, "Button")) return;
    if (button != kSecondary) Draw(kStatePressed, false);
}

void chameleonButton::HandleMouseMove(std::int16_t button, std::int16_t shift, float x, float y,
                                      const QPointF& globalPos) {
    emit MouseMove(button, shift, x, y);
    if (button >= 2) return;
    if (!IsPointerOver(globalPos)) {
        // Dragged off with the primary button held: the button springs up.
        Draw(kStateNormal, false);
        return;
    }
    if (button == 0 && !s_.isOver) {
        trackingPointer_ = true;
        s_.isOver = true;
        Draw(kStateNormal, true);
        emit MouseOver();
    } else if (button == kPrimary) {
        s_.isOver = true;
        Draw(kStatePressed, false);
        s_.isOver = false;
    }
}

void chameleonButton::HandleMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    emit MouseUp(button, shift, x, y);
    if (button != kSecondary) Draw(kStateNormal, false);
}

void chameleonButton::HandleClick() {
    if (s_.lastMouseButton != kPrimary || !s_.enabled) return;
    RaiseClick(true);
}

void chameleonButton::RaiseClick(bool forcedRedraw) {
    if (s_.checkBoxBehaviour) s_.value = !s_.value;
    Draw(kStateNormal, forcedRedraw);
    // The handler may open a menu or a modal window: the button is up on screen first.
    surface_->RepaintNow();
    emit Click();
    emit clicked(s_.value);
}

void chameleonButton::HandleDoubleClick() {
    if (s_.lastMouseButton != kPrimary) return;
    // The double-click stands for the second press; the release that follows still comes
    // here because the press grabbed the pointer.
    HandleMouseDown(kPrimary, 0, 0.0f, 0.0f);
}

void chameleonButton::PointerLeft() {
    if (!trackingPointer_) return;
    trackingPointer_ = false;
    s_.isOver = false;
    Draw(kStateNormal, true);
    emit MouseOut();
}

bool chameleonButton::IsPointerOver(const QPointF& globalPos) const {
    const QPoint point = globalPos.toPoint();
    QWidget* top = window();
    if (!top->isVisible()) return false;
    if (QWidget* at = QApplication::topLevelAt(point); at && at != top) return false;
    if (top == this) {
        const QPoint local = mapFromGlobal(point);
        return rect().contains(local) && (mask().isEmpty() || mask().contains(local));
    }
    QWidget* child = top->childAt(top->mapFromGlobal(point));
    return child == this || (child && isAncestorOf(child));
}

void chameleonButton::mousePressEvent(QMouseEvent* event) {
    afterDoubleClick_ = false;
    HandleMouseDown(ButtonMask(event->button()), ShiftMask(event->modifiers()),
                    static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
}

void chameleonButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // Only the primary button has double-clicks; a quick second press of another button
    // is a press like the first.
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    afterDoubleClick_ = true;
    HandleDoubleClick();
}

void chameleonButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF global = event->globalPosition();
    HandleMouseMove(ButtonMask(event->buttons()), ShiftMask(event->modifiers()),
                    static_cast<float>(event->position().x()), static_cast<float>(event->position().y()), global);
    // While a button holds the pointer no leave notification comes; the move tells instead.
    if (trackingPointer_ && !IsPointerOver(global)) PointerLeft();
}

void chameleonButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF global = event->globalPosition();
    HandleMouseUp(ButtonMask(event->button()), ShiftMask(event->modifiers()), static_cast<float>(event->position().x()),
                  static_cast<float>(event->position().y()));
    const bool clicked = !afterDoubleClick_ && IsPointerOver(global);
    afterDoubleClick_ = false;
    if (clicked) HandleClick();
    if (trackingPointer_ && !IsPointerOver(global)) PointerLeft();
}

void chameleonButton::leaveEvent(QEvent*) { PointerLeft(); }

// Keyboard ------------------------------------------------------------------------

void chameleonButton::HandleKeyDown(std::int16_t keyCode, std::int16_t shift) {
    emit KeyDown(keyCode, shift);
    if (!RememberCode(keyCode, s_.lastKeyCode, "KeyCode")) return;
    switch (keyCode) {
    case kKeySpace: Draw(kStatePressed, false); break;
    case kKeyLeft:
    case kKeyUp: focusNextPrevChild(false); break;
    case kKeyRight:
    case kKeyDown: focusNextPrevChild(true); break;
    default: break;
    }
}

void chameleonButton::HandleKeyUp(std::int16_t keyCode, std::int16_t shift) {
    emit KeyUp(keyCode, shift);
    if (s_.lastKeyCode != kKeySpace || keyCode != kKeySpace) return;
    RaiseClick(false);
}

void chameleonButton::keyPressEvent(QKeyEvent* event) {
    const std::int16_t code = host::VirtualKeyOf(*event);
    if (code != 0) HandleKeyDown(code, ShiftMask(event->modifiers()));
    if (!event->text().isEmpty()) {
        std::int16_t keyAscii = static_cast<std::int16_t>(event->text().at(0).unicode());
        emit KeyPress(keyAscii);
    }
    // Keys the button does nothing with go on to the window, as they would from any
    // push button.
    const bool own = code == kKeySpace || (code >= kKeyLeft && code <= kKeyDown);
    event->setAccepted(own);
}

void chameleonButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    const std::int16_t code = host::VirtualKeyOf(*event);
    if (code != 0) HandleKeyUp(code, ShiftMask(event->modifiers()));
    event->setAccepted(code == kKeySpace);
}

// Focus and access keys ------------------------------------------------------------

void chameleonButton::focusInEvent(QFocusEvent*) {
    s_.hasFocus = true;
    Draw(s_.lastState, true);
}

void chameleonButton::focusOutEvent(QFocusEvent*) {
    s_.hasFocus = false;
    Draw(s_.lastState, true);
}

bool chameleonButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        // A key that other controls share only brings the focus here, as it does to any
        // Qt button; the window's access keys choose which control that is.
        if (static_cast<QShortcutEvent*>(event)->isAmbiguous())
            setFocus(Qt::ShortcutFocusReason);
        else
            HandleAccessKey();
        return true;
    }
    // Moved to a screen with another scale factor: the picture is drawn again for it.
    if (event->type() == QEvent::ScreenChangeInternal && surface_->DrawnRatio() != devicePixelRatioF())
        Draw(s_.lastState, true);
    return QAbstractButton::event(event);
}

void chameleonButton::HandleAccessKey() {
    // A disabled control is not told about its access key.
    if (!isEnabled()) return;
    s_.lastMouseButton = kPrimary;
    HandleClick();
}

// Ambient changes -------------------------------------------------------------------

void chameleonButton::AmbientPropertyChanged(const QString&) {
    if (s_.colorScheme == ColourSource::CustomColours) return;
    painter_.DeriveColors();
    Draw(s_.lastState, true);
}

void chameleonButton::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::PaletteChange: AmbientPropertyChanged(QString()); break;
    case QEvent::FontChange:
        if (!applyingFont_) AmbientPropertyChanged(QString());
        break;
    case QEvent::EnabledChange:
        if (!syncingEnabled_) {
            // The window switched the button on or off as a widget: run the property.
            const bool own = !testAttribute(Qt::WA_ForceDisabled);
            if (own != s_.enabled) SetEnabled(own);
        }
        break;
    default: break;
    }
    QAbstractButton::changeEvent(event);
}

// Size and life cycle ---------------------------------------------------------------

void chameleonButton::HandleResize() {
    if (s_.capturingBackground) return;
    const int width = this->width();
    const int height = this->height();
    surface_->Resize(width, height);
    s_.buttonWidth = width;
    s_.buttonHeight = height;
    host::Rect face{0, 0, width, height};
    if (s_.buttonType >= ButtonStyle::ThinRaised && s_.buttonType <= ButtonStyle::Oval) {
        face = {3, 3, width - 3, height - 3};
    } else if (s_.buttonType == ButtonStyle::BandedGradient) {
        face = {5 + 1, 5 + 1, width - 5 + 1, height - 5 + 1};
    } else {
        face = {4, 4, width - 4, height - 4};
    }
    s_.faceRect = face;
    LayoutCaption();
    // The widget keeps the region from now on; the previous one is simply replaced.
    s_.buttonRegion = painter_.BuildRegion();
    if (s_.buttonRegion)
        setMask(s_.buttonRegion->ToQRegion());
    else
        clearMask();
    if (s_.buttonHeight != 0) Draw(kStateNormal, true);
}

void chameleonButton::resizeEvent(QResizeEvent*) { HandleResize(); }

void chameleonButton::HandleShow() {
    if (s_.buttonType == ButtonStyle::Transparent) {
        // The copy keeps the size of the first show.
        painter_.CreateBackgroundCopy();
        painter_.CaptureBackground();
    }
    s_.redrawEnabled = true;
    painter_.DeriveColors();
    Draw(kStateNormal, true);
}

void chameleonButton::showEvent(QShowEvent* event) {
    // A window coming back from the task bar shows what the surface kept.
    if (!event->spontaneous()) HandleShow();
}

void chameleonButton::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) s_.redrawEnabled = false;
}

void chameleonButton::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    s_.redrawEnabled = false;
    s_.backgroundDC.reset();
}

} // namespace chameleon
