// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/Hyperlink.h"

#include "host/qt/Cursors.h"
#include "host/qt/DesktopUrl.h"

#include <QMouseEvent>

namespace about {

void OpenHyperlink(const QString& address) { host::OpenUrl(address); }

HyperlinkLabel::HyperlinkLabel(const QString& address, Qt::Alignment alignment, QWidget* parent)
    : QLabel(address, parent), address_(address) {
    setAlignment(alignment | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(palette);
    setCursor(host::HandCursor());
    setMouseTracking(true);
}

void HyperlinkLabel::SetBold(bool bold) {
    if (bold == Bold()) return;
    QFont changed = font();
    changed.setBold(bold);
    setFont(changed);
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit Click();
}

void HyperlinkLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMove();
}

} // namespace about
