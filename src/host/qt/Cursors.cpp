// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Cursors.h"

#include "host/qt/VectorPicture.h"

#include <QGuiApplication>

// The resource lives in a static library: it has to be registered by hand, and from
// outside any namespace.
static void RegisterHostResources() { Q_INIT_RESOURCE(host); }

namespace host {

namespace {

constexpr const char* kHandResource = ":/host/cursors/hand.svg";
// Where the fingertip lies in the 32 x 32 drawing.
constexpr int kHotSpotX = 11;
constexpr int kHotSpotY = 3;

} // namespace

QString HandResource() {
    static const bool registered = (RegisterHostResources(), true);
    (void)registered;
    return QString::fromLatin1(kHandResource);
}

QPixmap HandPicture(int size) {
    return RenderSvg(HandResource(), QSize(size, size), qApp ? qApp->devicePixelRatio() : 1.0);
}

QCursor HandCursor() {
    // Drawn once and shared by every link label and button. Never destroyed: a static
    // cursor would go after the application object, which its pixmap must not outlive.
    static const QCursor* const hand = new QCursor(HandPicture(32), kHotSpotX, kHotSpotY);
    return *hand;
}

} // namespace host
