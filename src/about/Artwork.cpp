#include "about/Artwork.h"

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

QIcon ProgramIcon() {
    static const QIcon* const icon = new QIcon(ArtResource(Art::ProgramIcon));
    return *icon;
}

} // namespace about
