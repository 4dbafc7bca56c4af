#include "host/qt/Cursors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

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

QPixmap HandPicture(int size) {
    static const bool registered = (RegisterHostResources(), true);
    (void)registered;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const int pixels = qRound(size * ratio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QString::fromLatin1(kHandResource));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QCursor HandCursor() {
    return QCursor(HandPicture(32), kHotSpotX, kHotSpotY);
}

} // namespace host
