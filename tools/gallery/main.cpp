// SPDX-License-Identifier: GPL-3.0-or-later
// The style gallery: every button style in every look and colour scheme, with pictures and
// special effects, drawn by the button's own painter onto one picture.
//
//   style_gallery [output.png]     (default: gallery.png; renders headless)

#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "host/qt/DrawingContext.h"
#include "host/qt/Fonts.h"
#include "host/qt/Picture.h"
#include "host/qt/Region.h"
#include "host/qt/SystemColors.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using chameleon::ButtonPainter;
using chameleon::ButtonState;
using host::Colour;
using host::Rgb;

constexpr Colour kCanvas = Rgb(236, 233, 216);
constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 25;
constexpr int kCellWidth = 101;
constexpr int kCellHeight = 33;
constexpr int kLabelWidth = 132;
constexpr int kHeaderHeight = 22;
constexpr int kTitleHeight = 30;

const char* const kStyleNames[] = {"",
                                   "1 OutlinedBevel",
                                   "2 Classic3D",
                                   "3 GlossyGradient",
                                   "4 RoundedLight",
                                   "5 DoubleLine",
                                   "6 Soft3D",
                                   "7 ThinRaised",
                                   "8 FlatThinHover",
                                   "9 FlatHighlight",
                                   "10 PictureOnly",
                                   "11 Transparent",
                                   "12 Flat3DHover",
                                   "13 Oval",
                                   "14 BandedGradient"};

// A surface over an image, sitting at a place of the gallery canvas (its parent).
class CellSurface : public chameleon::ButtonSurface {
public:
    CellSurface(QImage& canvas, int left, int top, const QFont& font)
        : image_(kButtonWidth, kButtonHeight, QImage::Format_RGB32), dc_(image_), canvas_(canvas), left_(left),
          top_(top), font_(font) {}

    host::DrawingContext& Context() override { return dc_; }
    void Clear() override { image_.fill(host::ToArgb(kCanvas)); }
    void RefreshSurface() override {}
    const QFont& SurfaceFont() const override { return font_; }
    void SetFontBoldProperty(bool bold) override {
        font_.setBold(bold);
        if (painter) painter->LayoutCaption();
    }
    bool FontBoldProperty() const override { return font_.bold(); }
    bool DisplayAsDefault() const override { return displayAsDefault; }
    Colour ParentBackColor() const override { return kCanvas; }
    Colour ParentTextColor() const override { return Rgb(0, 0, 0); }
    std::int32_t SurfaceHeightPixels() const override { return height_; }
    void SetSurfaceHeightPixels(std::int32_t height) override { height_ = height; }
    void PumpEvents() override {}
    bool CopyParentPixels(host::DrawingContext& dest, std::int32_t width, std::int32_t height) override {
        host::MemoryContext parent(canvas_);
        dest.BitBlt(0, 0, width, height, parent, left_, top_);
        return true;
    }

    const QImage& Image() const { return image_; }

    bool displayAsDefault = false;
    ButtonPainter* painter = nullptr;

private:
    QImage image_;
    host::DrawingContext dc_;
    QImage& canvas_;
    int left_;
    int top_;
    QFont font_;
    std::int32_t height_ = kButtonHeight;
};

// One look of a button: what the gallery sets before it draws.
struct Look {
    const char* name;
    std::function<void(ButtonState&, CellSurface&, std::uint8_t&)> apply;
};

struct Scheme {
    const char* name;
    int value;
};

std::shared_ptr<host::Picture> MakeIcon() {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(20, 60, 20));
    p.setBrush(QColor(60, 170, 60));
    p.drawEllipse(1, 1, 13, 13);
    p.setPen(QColor(250, 250, 250));
    p.drawLine(5, 8, 7, 10);
    p.drawLine(7, 10, 11, 5);
    p.end();
    return host::Picture::FromImage(icon, host::Picture::Kind::Icon);
}

class Gallery {
public:
    explicit Gallery(QImage& canvas) : canvas_(canvas) {
        font_ = host::LayoutFont("Tahoma", 8.25);
        labelFont_ = font_;
        titleFont_ = host::LayoutFont("Tahoma", 11, true);
        icon_ = MakeIcon();
    }

    struct Setup {
        int type = 2;
        int scheme = 1;
        int effect = 0;
        int picturePosition = 0;
        bool picture = false;
        QString caption = "&Start";
    };

    void Button(int left, int top, const Setup& setup, const Look& look) {
        CellSurface surface(canvas_, left, top, font_);
        ButtonState s;
        ButtonPainter painter(s, surface);
        surface.painter = &painter;

        s.buttonType = static_cast<chameleon::ButtonStyle>(setup.type);
        s.colorScheme = static_cast<chameleon::ColourSource>(setup.scheme);
        s.backColor = Rgb(58, 110, 165);
        s.backOver = Rgb(84, 140, 200);
        s.foreColor = Rgb(255, 255, 255);
        s.foreOver = Rgb(255, 236, 140);
        s.caption = setup.caption;
        s.specialEffect = static_cast<chameleon::CaptionEffect>(setup.effect);
        s.picturePosition = static_cast<chameleon::PicturePlace>(setup.picturePosition);
        if (setup.picture) s.pictureNormal = icon_;
        s.maskColor = Rgb(192, 192, 192);

        std::uint8_t state = 0;
        look.apply(s, surface, state);

        // What the control's resize and show steps do.
        s.buttonWidth = kButtonWidth;
        s.buttonHeight = kButtonHeight;
        using chameleon::ButtonStyle;
        const bool thin = s.buttonType >= ButtonStyle::ThinRaised && s.buttonType <= ButtonStyle::Oval;
        const int inset = thin ? 3 : s.buttonType == ButtonStyle::BandedGradient ? 5 : 4;
        s.faceRect = {inset, inset, kButtonWidth - inset, kButtonHeight - inset};
        if (s.buttonType == ButtonStyle::BandedGradient)
            s.faceRect = {inset + 1, inset + 1, kButtonWidth - inset + 1, kButtonHeight - inset + 1};
        painter.PreparePicture();
        painter.LayoutCaption();
        painter.DeriveColors();
        if (s.buttonType == ButtonStyle::Transparent) {
            painter.CreateBackgroundCopy();
            painter.CaptureBackground();
        }
        painter.DrawButton(state, true);

        // The window region lets the canvas show through cut corners and round shapes.
        const auto region = painter.BuildRegion();
        QPainter p(&canvas_);
        if (region) p.setClipRegion(region->ToQRegion().translated(left, top));
        p.drawImage(left, top, surface.Image());
    }

    void Title(int top, const QString& text) {
        QPainter p(&canvas_);
        p.setFont(titleFont_);
        p.setPen(QColor(30, 30, 30));
        p.drawText(QRect(8, top, canvas_.width() - 16, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    void Label(QRect rect, const QString& text, int flags) {
        QPainter p(&canvas_);
        p.setFont(labelFont_);
        p.setPen(QColor(50, 50, 50));
        p.drawText(rect, flags, text);
    }

    // Rows of styles against columns of looks; the cell backgrounds are striped so that the
    // transparent style and the cut corners show what lies under them.
    int Table(int top, const QString& title, const std::vector<Look>& looks,
              const std::function<Setup(int type, int column)>& setupFor) {
        Title(top, title);
        top += kTitleHeight;
        for (std::size_t c = 0; c < looks.size(); ++c)
            Label(QRect(kLabelWidth + static_cast<int>(c) * kCellWidth, top, kCellWidth, kHeaderHeight), looks[c].name,
                  Qt::AlignCenter);
        top += kHeaderHeight;
        Stripes(QRect(kLabelWidth - 6, top, static_cast<int>(looks.size()) * kCellWidth + 6, 14 * kCellHeight));
        for (int type = 1; type <= 14; ++type) {
            const int y = top + (type - 1) * kCellHeight;
            Label(QRect(8, y, kLabelWidth - 16, kCellHeight), kStyleNames[type], Qt::AlignLeft | Qt::AlignVCenter);
            for (std::size_t c = 0; c < looks.size(); ++c)
                Button(kLabelWidth + static_cast<int>(c) * kCellWidth + (kCellWidth - kButtonWidth) / 2,
                       y + (kCellHeight - kButtonHeight) / 2, setupFor(type, static_cast<int>(c)), looks[c]);
        }
        return top + 14 * kCellHeight + 12;
    }

private:
    void Stripes(QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                canvas_.setPixel(x, y, ((x + y) / 6) % 2 ? qRgb(226, 222, 200) : qRgb(214, 224, 236));
    }

    QImage& canvas_;
    QFont font_;
    QFont labelFont_;
    QFont titleFont_;
    std::shared_ptr<host::Picture> icon_;
};

Look Plain(const char* name) {
    return {name, [](ButtonState&, CellSurface&, std::uint8_t&) {}};
}

} // namespace

int main(int argc, char** argv) {
    // Everything is drawn into images: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    host::InstallFontSubstitutes();
    // The classic colours, so the picture does not depend on the desktop theme.
    host::ScopedSystemColours classic(host::ClassicSystemColours());
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery.png");

    const std::vector<Look> looks{
        Plain("Normal"),
        {"Hover", [](ButtonState& s, CellSurface&, std::uint8_t&) { s.isOver = true; }},
        {"Pressed",
         [](ButtonState& s, CellSurface&, std::uint8_t& state) {
             s.isOver = true;
             state = 2;
         }},
        {"Disabled", [](ButtonState& s, CellSurface&, std::uint8_t&) { s.enabled = false; }},
        {"Focused", [](ButtonState& s, CellSurface&, std::uint8_t&) { s.hasFocus = true; }},
        {"Default", [](ButtonState&, CellSurface& surface, std::uint8_t&) { surface.displayAsDefault = true; }},
        {"Two-state on",
         [](ButtonState& s, CellSurface&, std::uint8_t&) {
             s.checkBoxBehaviour = true;
             s.value = true;
         }},
    };
    const Scheme schemes[] = {
        {"System colours", 1}, {"Custom colours", 2}, {"Fixed palette", 3}, {"Container colours", 4}};

    const std::vector<Look> pictureLooks{
        Plain("Picture left"),
        Plain("Picture right"),
        Plain("Picture behind"),
        Plain("Picture only"),
        {"Picture hover", [](ButtonState& s, CellSurface&, std::uint8_t&) { s.isOver = true; }},
        {"Picture pressed", [](ButtonState&, CellSurface&, std::uint8_t& state) { state = 2; }},
        {"Picture disabled", [](ButtonState& s, CellSurface&, std::uint8_t&) { s.enabled = false; }},
    };
    const std::vector<Look> effectLooks{
        Plain("No effect"),
        Plain("Raised"),
        Plain("Sunken"),
        Plain("Shadow"),
        {"Raised hover", [](ButtonState& s, CellSurface&, std::uint8_t&) { s.isOver = true; }},
        {"Raised + picture", [](ButtonState&, CellSurface&, std::uint8_t&) {}},
        {"Shadow pressed", [](ButtonState&, CellSurface&, std::uint8_t& state) { state = 2; }},
    };

    const int width = kLabelWidth + static_cast<int>(looks.size()) * kCellWidth + 12;
    const int tableHeight = kTitleHeight + kHeaderHeight + 14 * kCellHeight + 12;
    const int columns = 2;
    const int rows = 3;
    QImage canvas(width * columns, 8 + rows * tableHeight, QImage::Format_RGB32);
    canvas.fill(host::ToArgb(kCanvas));

    // Two columns of tables: the four schemes, then pictures and effects.
    int column = 0;
    int top[columns] = {8, 8};
    const auto place = [&](const QString& title, const std::vector<Look>& tableLooks,
                           const std::function<Gallery::Setup(int, int)>& setupFor) {
        QImage part(width, tableHeight, QImage::Format_RGB32);
        part.fill(host::ToArgb(kCanvas));
        Gallery partGallery(part);
        partGallery.Table(0, title, tableLooks, setupFor);
        QPainter p(&canvas);
        p.drawImage(column * width, top[column], part);
        top[column] += tableHeight;
        column = (column + 1) % columns;
    };

    for (const Scheme& scheme : schemes)
        place(QString("Colour scheme %1: %2").arg(scheme.value).arg(scheme.name), looks, [&](int type, int) {
            Gallery::Setup setup;
            setup.type = type;
            setup.scheme = scheme.value;
            return setup;
        });
    place("Pictures (system colours)", pictureLooks, [](int type, int c) {
        Gallery::Setup setup;
        setup.type = type;
        setup.picture = true;
        setup.picturePosition = c == 1 ? 1 : c == 2 ? 4 : 0;
        if (c == 3) setup.caption = "";
        return setup;
    });
    place("Special effects (system colours)", effectLooks, [](int type, int c) {
        Gallery::Setup setup;
        setup.type = type;
        const int effects[] = {0, 1, 2, 3, 1, 1, 3};
        setup.effect = effects[c];
        setup.picture = c == 5;
        return setup;
    });

    if (!canvas.save(output)) {
        std::fprintf(stderr, "style_gallery: cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("%s: %d x %d\n", qPrintable(output), canvas.width(), canvas.height());
    return 0;
}
