// SPDX-License-Identifier: GPL-3.0-or-later
// Draws an SVG picture for builds that cannot draw it at run time:
//   tavrendale_svgrender png <picture.svg> <out base> <scale>...
//     writes "<out base>@<scale>x.png" for each scale, scale 1 being the picture's own size;
//   tavrendale_svgrender ico <picture.svg> <out.ico> <size>...
//     writes a Windows icon file holding the picture at each size (square, in pixels);
//   tavrendale_svgrender square <picture.svg> <out.png> <size>
//     writes one square PNG of that many pixels a side, as an icon theme takes it.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

QImage Draw(QSvgRenderer& renderer, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

bool WritePngs(QSvgRenderer& renderer, const QString& base, const QStringList& scales) {
    const QSize own = renderer.defaultSize();
    for (const QString& scale : scales) {
        bool ok = false;
        const double factor = scale.toDouble(&ok);
        if (!ok || factor <= 0) return false;
        const QSize size(static_cast<int>(std::lround(own.width() * factor)),
                         static_cast<int>(std::lround(own.height() * factor)));
        if (!Draw(renderer, size).save(base + QLatin1Char('@') + scale + QStringLiteral("x.png"), "png")) return false;
    }
    return true;
}

template <typename T> void Append(QByteArray& bytes, T value) {
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An icon file of PNG-compressed images, which Windows reads at every size since Vista.
bool WriteIcon(QSvgRenderer& renderer, const QString& path, const QStringList& sizes) {
    std::vector<QByteArray> images;
    for (const QString& text : sizes) {
        const int size = text.toInt();
        if (size < 1 || size > 256) return false;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!Draw(renderer, QSize(size, size)).save(&buffer, "png")) return false;
        images.push_back(png);
    }
    QByteArray file;
    Append<quint16>(file, 0); // reserved
    Append<quint16>(file, 1); // an icon, not a cursor
    Append<quint16>(file, static_cast<quint16>(images.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = sizes[static_cast<int>(i)].toInt();
        Append<quint8>(file, static_cast<quint8>(size % 256)); // 256 is written as 0
        Append<quint8>(file, static_cast<quint8>(size % 256));
        Append<quint8>(file, 0);   // no palette
        Append<quint8>(file, 0);   // reserved
        Append<quint16>(file, 1);  // colour planes
        Append<quint16>(file, 32); // bits per pixel
        Append<quint32>(file, static_cast<quint32>(images[i].size()));
        Append<quint32>(file, offset);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& png : images) file.append(png);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

bool WriteSquare(QSvgRenderer& renderer, const QString& path, const QStringList& sizes) {
    bool ok = false;
    const int size = sizes.size() == 1 ? sizes[0].toInt(&ok) : 0;
    return ok && size > 0 && Draw(renderer, QSize(size, size)).save(path, "png");
}

} // namespace

int main(int argc, char** argv) {
    // A build step needs no display: draw offscreen even where a build has no X server.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const QString mode = args.size() > 1 ? args[1] : QString();
    if (args.size() < 5 ||
        (mode != QLatin1String("png") && mode != QLatin1String("ico") && mode != QLatin1String("square"))) {
        std::fprintf(stderr,
                     "usage: %s png <picture.svg> <out base> <scale>...\n"
                     "       %s ico <picture.svg> <out.ico> <size>...\n"
                     "       %s square <picture.svg> <out.png> <size>\n",
                     argv[0], argv[0], argv[0]);
        return 2;
    }
    QSvgRenderer renderer(args[2]);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], qPrintable(args[2]));
        return 1;
    }
    QDir().mkpath(QFileInfo(args[3]).absolutePath());
    const QStringList rest = args.mid(4);
    const bool written = mode == QLatin1String("png")   ? WritePngs(renderer, args[3], rest)
                         : mode == QLatin1String("ico") ? WriteIcon(renderer, args[3], rest)
                                                        : WriteSquare(renderer, args[3], rest);
    if (!written) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(args[3]));
        return 1;
    }
    return 0;
}
