// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/WindowLayout.h"

#include "host/qt/Fonts.h"
#include "host/qt/MouseMoves.h"
#include "host/qt/VectorPicture.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace host {

namespace {

QMargins FrameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// Windows of one program carry the same kind of frame: the first framed one tells what
// the next will get before the window manager has framed it.
QMargins FrameOfAnotherWindow(const QWidget* window) {
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == window || !other->isVisible() || other->isMinimized()) continue;
        const QMargins margins = FrameMargins(other);
        if (!margins.isNull()) return margins;
    }
    return {};
}

void PlaceCentred(QWidget* window, const QMargins& frame) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) return;
    // A window's position is that of its frame.
    window->move(CentredFramePosition(screen->availableGeometry(), window->size(), frame));
}

// Centres the window again, once, when the window manager has framed it with a frame
// other than the one it was placed with. Moves the window manager makes while framing
// it come as move events, and the frame is known by the first of them at the latest.
class CentreWhenFramed final : public QObject {
public:
    CentreWhenFramed(QWidget* window, const QMargins& assumed) : QObject(window), window_(window), assumed_(assumed) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate: {
            const QMargins frame = FrameMargins(window_);
            if (frame.isNull()) break;
            window_->removeEventFilter(this);
            deleteLater();
            if (frame != assumed_) PlaceCentred(window_, frame);
            break;
        }
        // Hidden unframed (a window manager that draws no frame): nothing more to wait for.
        case QEvent::Hide:
            window_->removeEventFilter(this);
            deleteLater();
            break;
        default: break;
        }
        return false;
    }

private:
    QWidget* window_;
    QMargins assumed_;
};

} // namespace

QRect TwipRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

void SetWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void FitText(QLabel* label, int width) {
    const QFont fitted = FitTextWidth(label->font(), label->text(), width);
    if (fitted != label->font()) label->setFont(fitted);
}

QWidget* MakePicture(QWidget* parent, const char* name, const QString& resource, const QRect& geometry) {
    auto* picture = new VectorPicture(resource, parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(geometry);
    return picture;
}

QPoint CentredFramePosition(const QRect& area, QSize client, const QMargins& frame) {
    QRect whole(QPoint(0, 0), client.grownBy(frame));
    whole.moveCenter(area.center());
    return whole.topLeft();
}

void CentreOnScreen(QWidget* window) {
    const QMargins known = FrameMargins(window);
    const QMargins assumed = known.isNull() ? FrameOfAnotherWindow(window) : known;
    PlaceCentred(window, assumed);
    if (known.isNull()) new CentreWhenFramed(window, assumed);
}

QLabel* MakeBuddyLabel(QWidget* parent, const QString& text, QWidget* buddy, const QString& toolTip) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setToolTip(toolTip);
    buddy->setToolTip(toolTip);
    return label;
}

} // namespace host
