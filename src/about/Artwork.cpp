#include "about/Artwork.h"

#include <QGuiApplication>

#include "host/qt/VectorPicture.h"

// The resources live in a static library: they have to be registered by hand, and from
// outside any namespace.
static void RegisterAboutResources() { Q_INIT_RESOURCE(about); }

namespace about {

QString ArtResource(Art art) {
    static const bool registered = (RegisterAboutResources(), true);
    (void)registered;
    switch (art) {
    case Art::ProgramIcon: return QStringLiteral(":/about/art/icon.svg");
    case Art::QuestionBubble: return QStringLiteral(":/about/art/bubble.svg");
    case Art::Figure: return QStringLiteral(":/about/art/figure.svg");
    }
    return QStringLiteral(":/about/art/icon.svg");
}

QPixmap RenderArt(Art art, QSize size) {
    return host::RenderSvg(ArtResource(art), size, qApp ? qApp->devicePixelRatio() : 1.0);
}

QIcon ProgramIcon() {
    static const QIcon* const icon = new QIcon(ArtResource(Art::ProgramIcon));
    return *icon;
}

} // namespace about
