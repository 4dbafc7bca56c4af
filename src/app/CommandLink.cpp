// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLink.h"

#include "host/qt/Cursors.h"
#include "host/qt/Fonts.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace app {

CommandLink::CommandLink(const QString& text, QWidget* parent) : QAbstractButton(parent) {
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(host::HandCursor());
    QPalette palette = this->palette();
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    setPalette(palette);
}

QSize CommandLink::sizeHint() const {
    // Room for the text and for the focus rectangle around it.
    return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(2 * kMargin, 2);
}

void CommandLink::FitWidth() { setFont(host::FitTextWidth(font(), text(), width() - 2 * kMargin)); }

void CommandLink::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont shown = font();
    shown.setUnderline(true);
    painter.setFont(shown);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QRect textRect = rect().adjusted(kMargin, 1, -kMargin, -1);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    // Under the pointer, or pressed, the link is drawn a shade darker.
    if (underMouse() || isDown()) painter.setPen(palette().color(QPalette::ButtonText).darker(160));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter, text()).adjusted(-2, -1, 2, 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CommandLink::keyPressEvent(QKeyEvent* event) {
    // A link answers Enter as well as Space.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CommandLink::enterEvent(QEnterEvent* event) {
    update();
    QAbstractButton::enterEvent(event);
}

void CommandLink::leaveEvent(QEvent* event) {
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace app
