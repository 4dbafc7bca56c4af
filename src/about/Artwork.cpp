// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/Artwork.h"

#include "host/qt/VectorPicture.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <utility>

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

namespace {

// Draws the vector picture at whatever size is asked for. Qt's own SVG icon engine does
// the same, but it is a plugin: loading it costs the start-up more than drawing does.
class VectorIconEngine final : public QIconEngine {
public:
    explicit VectorIconEngine(QString resource) : resource_(std::move(resource)) {}

    QIconEngine* clone() const override { return new VectorIconEngine(resource_); }
    QString key() const override { return QStringLiteral("TavrendaleVectorIcon"); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        if (size.isEmpty()) return {};
        QPixmap drawn = host::RenderSvg(resource_, size, scale);
        if (mode == QIcon::Normal || mode == QIcon::Active) return drawn;
        // Disabled and selected looks come from the style, as for any other icon.
        QStyleOption option;
        option.palette = QApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        return generated.isNull() ? drawn : generated;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }

private:
    QString resource_;
};

} // namespace

QIcon ProgramIcon() {
    static const QIcon* const icon = new QIcon(new VectorIconEngine(ArtResource(Art::ProgramIcon)));
    return *icon;
}

} // namespace about
