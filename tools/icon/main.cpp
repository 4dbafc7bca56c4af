// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG picture into a square PNG of the given size, for the icon theme:
//   render_icon picture.svg 48 out.png
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: render_icon picture.svg size out.png\n", stderr);
        return EXIT_FAILURE;
    }
    QCoreApplication application(argc, argv);
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[3]);
    bool sizeRead = false;
    const int size = QString::fromLatin1(argv[2]).toInt(&sizeRead);
    if (!sizeRead || size <= 0) {
        std::fprintf(stderr, "render_icon: not a size: %s\n", argv[2]);
        return EXIT_FAILURE;
    }

    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!image.save(target, "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
