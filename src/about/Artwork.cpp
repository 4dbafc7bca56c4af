#include "about/Artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// The resources live in a static library: they have to be registered by hand, and from
// outside any namespace.
static void RegisterAboutResources() { Q_INIT_RESOURCE(about); }

namespace about {

namespace {

const char* ResourceOf(Art art) {
    switch (art) {
    case Art::ProgramIcon: return ":/about/art/icon.svg";
    case Art::QuestionBubble: return ":/about/art/bubble.svg";
    case Art::Figure: return ":/about/art/figure.svg";
    }
    return ":/about/art/icon.svg";
}

} // namespace

QPixmap RenderArt(Art art, QSize size) {
    static const bool registered = (RegisterAboutResources(), true);
    (void)registered;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QString::fromLatin1(ResourceOf(art)));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int side : {16, 32, 48, 64})
        icon.addPixmap(RenderArt(Art::ProgramIcon, QSize(side, side)));
    return icon;
}

} // namespace about
