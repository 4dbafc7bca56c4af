// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/chameleonButton.h"

#include "controls/chameleonButton/Accessibility_p.h"
#include "controls/chameleonButton/Surface.h"
#include "host/qt/Cursors.h"
#include "host/qt/Fonts.h"
#include "host/qt/Picture.h"
#include "host/qt/SystemColors.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace chameleon {

namespace {

constexpr host::Colour kLightGrey = 0xC0C0C0;
constexpr std::uint16_t kWeightNormal = 400;
constexpr std::uint16_t kWeightBold = 700;
constexpr std::uint16_t kSymbolCharset = 2;

double PointsOf(const host::StoredFont& font) { return font.size / 10000.0; }

QFont::Weight WeightOf(const host::StoredFont& font) {
    return static_cast<QFont::Weight>(std::clamp<int>(font.weight, 1, 1000));
}

host::StoredFont FontRecordOf(const QFont& font) {
    host::StoredFont record;
    record.name = font.family().toStdString();
    double points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0) points = font.pixelSize() * 72.0 / 96.0;
    if (points <= 0) points = 8.25;
    record.size = static_cast<std::uint32_t>(std::nearbyint(points * 10000.0));
    record.weight = static_cast<std::uint16_t>(font.weight());
    record.italic = font.italic();
    record.underline = font.underline();
    record.strikeout = font.strikeOut();
    record.charset = host::IsSymbolFamily(font.family()) ? kSymbolCharset : 0;
    return record;
}

host::Colour SystemColourAtLoad(int index) {
    return host::SystemColour(index).value_or(host::ClassicSystemColours()[static_cast<std::size_t>(index)]);
}

std::shared_ptr<host::Picture> HandIcon() {
    static const std::shared_ptr<host::Picture> icon =
        host::Picture::FromImage(host::HandPicture(32).toImage(), host::Picture::Kind::Icon);
    return icon;
}

// The character that starts at `at`, in lower case: one UTF-16 unit, or two for a
// character outside the Basic Multilingual Plane.
QString LowerCharacterAt(const QString& text, qsizetype at) {
    const bool pair = at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
    return text.mid(at, pair ? 2 : 1).toLower();
}

} // namespace

chameleonButton::chameleonButton(QWidget* parent)
    : QAbstractButton(parent), surface_(std::make_unique<ButtonSurfaceImpl>(*this)), painter_(s_, *surface_) {
    InstallButtonAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
    font_ = FontRecordOf(QWidget::font());
    ApplyFont();
    // Initialise.
    s_.redrawEnabled = true;
}

chameleonButton::~chameleonButton() { Terminate(); }

int chameleonButton::SurfaceRefreshCount() const { return surface_->RefreshCount(); }

const QImage& chameleonButton::SurfaceImage() const { return surface_->Image(); }

void chameleonButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    surface_->Show(painter);
}

void chameleonButton::Notify(const char* key) { emit PropertyChanged(QString::fromLatin1(key)); }

void chameleonButton::Draw(std::uint8_t state, bool forced) { painter_.DrawButton(state, forced); }

void chameleonButton::LayoutCaption() { painter_.LayoutCaption(); }

QFont chameleonButton::ContainerFont() const {
    if (ambient_.font) return *ambient_.font;
    return parentWidget() ? parentWidget()->font() : QWidget::font();
}

void chameleonButton::SetAmbient(const Ambient& ambient) {
    ambient_ = ambient;
    AmbientPropertyChanged(QString());
}

void chameleonButton::InitNew() {
    s_.enabled = true;
    s_.showFocusRect = true;
    s_.useMaskColor = true;
    s_.useGreyscale = s_.handPointer = s_.softBevel = s_.checkBoxBehaviour = s_.value = false;
    s_.picturePosition = s_.specialEffect = 0;
    s_.pictureNormal.reset();
    s_.pictureOver.reset();
    pointerCode_ = kPointerDefault;
    pointerIcon_.reset();
    ApplyPointer();
    s_.caption = ambient_.displayName.isEmpty() ? objectName() : ambient_.displayName;
    font_ = FontRecordOf(ContainerFont());
    ApplyFont();
    s_.buttonType = 2;
    s_.colorScheme = 1;
    painter_.DeriveColors();
    s_.backColor = s_.backOver = s_.faceColor;
    s_.foreColor = s_.foreOver = s_.textColor;
    s_.maskColor = kLightGrey;
    LayoutCaption();
}

// Properties ------------------------------------------------------------------------

void chameleonButton::SetBackColor(host::Colour colour) {
    s_.backColor = colour;
    if (DesignMode()) s_.backOver = colour;
    painter_.DeriveColors();
    Draw(s_.lastState, true);
    Notify("BCOL");
}

void chameleonButton::SetBackOver(host::Colour colour) {
    s_.backOver = colour;
    painter_.DeriveColors();
    Draw(s_.lastState, true);
    Notify("BCOLO");
}

void chameleonButton::SetForeColor(host::Colour colour) {
    s_.foreColor = colour;
    if (DesignMode()) s_.foreOver = colour;
    painter_.DeriveColors();
    Draw(s_.lastState, true);
    Notify("FCOL");
}

void chameleonButton::SetForeOver(host::Colour colour) {
    s_.foreOver = colour;
    painter_.DeriveColors();
    Draw(s_.lastState, true);
    Notify("FCOLO");
}

void chameleonButton::SetMaskColor(host::Colour colour) {
    s_.maskColor = colour;
    painter_.DeriveColors();
    Draw(s_.lastState, true);
    Notify("MCOL");
}

void chameleonButton::SetButtonType(std::int32_t type) {
    s_.buttonType = type;
    if (type == kStyleDoubleLine && DesignMode()) {
        font_.weight = kWeightBold;
        ApplyFont();
    } else if (type == kStyleTransparent && s_.redrawEnabled) {
        painter_.CaptureBackground();
    }
    HandleResize();
    Notify("BTYPE");
}

void chameleonButton::SetCaption(const QString& caption) {
    s_.caption = caption;
    SetAccessKey();
    LayoutCaption();
    Draw(kStateNormal, true);
    Notify("TX");
}

void chameleonButton::SetEnabled(bool enabled) {
    s_.enabled = enabled;
    Draw(kStateNormal, true);
    SetSurfaceEnabled(enabled);
    Notify("ENAB");
}

QFont chameleonButton::Font() const {
    QFont font(FontName());
    font.setPointSizeF(PointsOf(font_));
    font.setWeight(WeightOf(font_));
    font.setItalic(font_.italic);
    font.setUnderline(font_.underline);
    font.setStrikeOut(font_.strikeout);
    return font;
}

void chameleonButton::SetFont(const QFont& font) {
    font_ = FontRecordOf(font);
    RedrawWithFont();
    Notify("FONT");
}

bool chameleonButton::FontBold() const { return font_.weight >= kWeightBold; }

void chameleonButton::SetFontBold(bool bold) {
    font_.weight = bold ? kWeightBold : kWeightNormal;
    RedrawWithFont();
}

bool chameleonButton::FontItalic() const { return font_.italic; }

void chameleonButton::SetFontItalic(bool italic) {
    font_.italic = italic;
    RedrawWithFont();
}

bool chameleonButton::FontUnderline() const { return font_.underline; }

void chameleonButton::SetFontUnderline(bool underline) {
    font_.underline = underline;
    RedrawWithFont();
}

std::int16_t chameleonButton::FontSize() const {
    const double points = std::nearbyint(PointsOf(font_));
    return static_cast<std::int16_t>(std::clamp(points, -32768.0, 32767.0));
}

void chameleonButton::SetFontSize(std::int16_t points) {
    // A font has a positive size; the platform refuses anything else.
    font_.size = static_cast<std::uint32_t>(std::max<int>(points, 1)) * 10000u;
    RedrawWithFont();
}

QString chameleonButton::FontName() const { return QString::fromStdString(font_.name); }

void chameleonButton::SetFontName(const QString& name) {
    font_.name = name.toStdString();
    RedrawWithFont();
}

void chameleonButton::SetColorScheme(std::int32_t scheme) {
    s_.colorScheme = scheme;
    painter_.DeriveColors();
    Draw(kStateNormal, true);
    Notify("COLTYPE");
}

void chameleonButton::SetShowFocusRect(bool show) {
    s_.showFocusRect = show;
    Draw(s_.lastState, true);
    Notify("FOCUSR");
}

bool chameleonButton::SetMousePointer(std::int32_t code) {
    if (code < std::numeric_limits<std::int16_t>::min() || code > std::numeric_limits<std::int16_t>::max()) {
        emit Error(QStringLiteral("MousePointer: overflow (%1)").arg(code));
        return false;
    }
    pointerCode_ = static_cast<std::int16_t>(code);
    ApplyPointer();
    Notify("MPTR");
    return true;
}

void chameleonButton::SetMouseIcon(std::shared_ptr<host::Picture> icon) {
    pointerIcon_ = std::move(icon);
    ApplyPointer();
    Notify("MICON");
}

void chameleonButton::SetHandPointer(bool hand) {
    s_.handPointer = hand;
    if (hand) {
        pointerIcon_ = HandIcon();
        pointerCode_ = kPointerCustom;
    } else {
        pointerIcon_.reset();
        pointerCode_ = kPointerArrow;
    }
    ApplyPointer();
    Notify("HAND");
}

quintptr chameleonButton::hwnd() const { return static_cast<quintptr>(effectiveWinId()); }

void chameleonButton::SetSoftBevel(bool soft) {
    s_.softBevel = soft;
    painter_.DeriveColors();
    Draw(s_.lastState, true);
    Notify("SOFT");
}

void chameleonButton::SetPictureNormal(std::shared_ptr<host::Picture> picture) {
    s_.pictureNormal = std::move(picture);
    painter_.PreparePicture();
    LayoutCaption();
    Draw(s_.lastState, true);
    Notify("PICN");
}

void chameleonButton::SetPictureOver(std::shared_ptr<host::Picture> picture) {
    s_.pictureOver = std::move(picture);
    if (s_.isOver) Draw(s_.lastState, true);
    // Reported under this name although stored under "PICH".
    Notify("PICO");
}

void chameleonButton::SetPicturePosition(std::int32_t position) {
    s_.picturePosition = position;
    Notify("PICPOS");
    LayoutCaption();
    Draw(s_.lastState, true);
}

void chameleonButton::SetUseMaskColor(bool use) {
    s_.useMaskColor = use;
    if (s_.pictureNormal) Draw(s_.lastState, true);
    Notify("UMCOL");
}

void chameleonButton::SetUseGreyscale(bool use) {
    s_.useGreyscale = use;
    if (s_.pictureNormal) Draw(s_.lastState, true);
    Notify("NGREY");
}

void chameleonButton::SetSpecialEffect(std::int32_t effect) {
    s_.specialEffect = effect;
    Draw(s_.lastState, true);
    Notify("FX");
}

void chameleonButton::SetCheckBoxBehaviour(bool checkBox) {
    s_.checkBoxBehaviour = checkBox;
    Draw(s_.lastState, true);
    Notify("CHECK");
}

void chameleonButton::SetValue(bool on) {
    s_.value = on;
    if (s_.checkBoxBehaviour) Draw(kStateNormal, true);
    Notify("VALUE");
}

void chameleonButton::DisableRefresh() { s_.redrawEnabled = false; }

void chameleonButton::Refresh() {
    if (s_.buttonType == kStyleTransparent) painter_.CaptureBackground();
    painter_.DeriveColors();
    LayoutCaption();
    s_.redrawEnabled = true;
    Draw(s_.lastState, true);
}

// Surface --------------------------------------------------------------------------

void chameleonButton::ApplyFont() {
    const QString name = FontName();
    QFont font = host::LayoutFont(name, PointsOf(font_), false, font_.italic, font_.underline);
    font.setWeight(WeightOf(font_));
    font.setStrikeOut(font_.strikeout);
    // The surface keeps the picture font's own name: the drawing context shows its letters
    // as the symbols they stand for, in a font that has them.
    if (host::IsSymbolFamily(name)) font.setFamily(name);
    surface_->SetFont(font);
    // The widget's own font and text say what the button shows, for the windows and for
    // accessibility; a font set here is no ambient change.
    applyingFont_ = true;
    QWidget::setFont(font);
    applyingFont_ = false;
    ApplyText();
}

void chameleonButton::RedrawWithFont() {
    ApplyFont();
    LayoutCaption();
    Draw(kStateNormal, true);
}

void chameleonButton::ApplyText() {
    // Setting the widget's text grabs its own mnemonic: the key derived from the caption
    // replaces it. Two controls sharing a key take turns, as access keys do.
    QAbstractButton::setText(host::DisplayText(FontName(), s_.caption));
    if (accessKey_.isEmpty()) {
        setShortcut(QKeySequence());
        return;
    }
    // A key outside the Basic Multilingual Plane is one code point in two UTF-16 units.
    const auto key = static_cast<Qt::Key>(accessKey_.toUpper().toUcs4().value(0));
    setShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, key)));
}

void chameleonButton::ApplyPointer() {
    switch (pointerCode_) {
    case kPointerDefault: unsetCursor(); break;
    case kPointerArrow: setCursor(Qt::ArrowCursor); break;
    case kPointerCross: setCursor(Qt::CrossCursor); break;
    case kPointerIBeam: setCursor(Qt::IBeamCursor); break;
    case kPointerSizeAll:
    case kPointerSizeAllCursor: setCursor(Qt::SizeAllCursor); break;
    case kPointerSizeNESW: setCursor(Qt::SizeBDiagCursor); break;
    case kPointerSizeNS: setCursor(Qt::SizeVerCursor); break;
    case kPointerSizeNWSE: setCursor(Qt::SizeFDiagCursor); break;
    case kPointerSizeWE: setCursor(Qt::SizeHorCursor); break;
    case kPointerUpArrow: setCursor(Qt::UpArrowCursor); break;
    case kPointerHourglass: setCursor(Qt::WaitCursor); break;
    case kPointerNoDrop: setCursor(Qt::ForbiddenCursor); break;
    case kPointerArrowHourglass: setCursor(Qt::BusyCursor); break;
    case kPointerArrowQuestion: setCursor(Qt::WhatsThisCursor); break;
    case kPointerCustom:
        if (pointerIcon_ && pointerIcon_ == HandIcon())
            setCursor(host::HandCursor());
        else if (pointerIcon_ && !pointerIcon_->Image().isNull())
            setCursor(QCursor(QPixmap::fromImage(pointerIcon_->Image())));
        else
            unsetCursor();
        break;
    default: unsetCursor(); break;
    }
}

void chameleonButton::SetSurfaceEnabled(bool enabled) {
    if (testAttribute(Qt::WA_ForceDisabled) == !enabled) return;
    syncingEnabled_ = true;
    QWidget::setEnabled(enabled);
    syncingEnabled_ = false;
}

void chameleonButton::SetAccessKey() {
    accessKey_ = AccessKeyOf(s_.caption);
    ApplyText();
}

QString chameleonButton::AccessKeyOf(const QString& caption) {
    if (caption.size() <= 1) return {};
    qsizetype amp = caption.indexOf(u'&');
    if (amp < 0 || amp == caption.size() - 1) return {};
    if (caption[amp + 1] != u'&') return LowerCharacterAt(caption, amp + 1);
    // A doubled "&&" shows one ampersand: skip that one pair.
    amp = caption.indexOf(u'&', amp + 2);
    if (amp < 0 || amp == caption.size() - 1) return {};
    if (caption[amp + 1] == u'&') return {};
    return LowerCharacterAt(caption, amp + 1);
}

// Stored form ----------------------------------------------------------------------

bool chameleonButton::ReadProperties(const host::PropertyBag& bag, host::StoreError& error) {
    auto fail = [&](const char* key, const char* what) {
        error.key = key;
        error.message = std::string("value cannot be converted to ") + what;
        return false;
    };
    auto readInt = [&](const char* key, std::int32_t fallback, std::int32_t& out) {
        const host::PropertyValue* v = bag.Find(key);
        if (!v) {
            out = fallback;
            return true;
        }
        const auto converted = host::ToInt32(*v);
        if (!converted) return fail(key, "a 32-bit integer");
        out = *converted;
        return true;
    };
    auto readColour = [&](const char* key, host::Colour fallback, host::Colour& out) {
        std::int32_t value = 0;
        if (!readInt(key, static_cast<std::int32_t>(fallback), value)) return false;
        out = static_cast<host::Colour>(value);
        return true;
    };
    auto readBool = [&](const char* key, bool fallback, bool& out) {
        const host::PropertyValue* v = bag.Find(key);
        if (!v) {
            out = fallback;
            return true;
        }
        const auto converted = host::ToBool(*v);
        if (!converted) return fail(key, "a boolean");
        out = *converted;
        return true;
    };
    auto readPicture = [&](const char* key, std::shared_ptr<host::Picture>& out) {
        const host::PropertyValue* v = bag.Find(key);
        if (!v) {
            out.reset();
            return true;
        }
        const auto* stored = std::get_if<host::StoredPicture>(v);
        if (!stored) return fail(key, "a picture");
        // A stored picture with no bytes is the empty picture, not the absence of one.
        if (stored->image.empty()) {
            out = host::Picture::Empty();
            return true;
        }
        out = host::Picture::FromBytes(QByteArray(reinterpret_cast<const char*>(stored->image.data()),
                                                  static_cast<qsizetype>(stored->image.size())));
        if (!out) return fail(key, "a picture (unreadable image)");
        return true;
    };

    if (!readInt("BTYPE", 2, s_.buttonType)) return false;
    if (const host::PropertyValue* v = bag.Find("TX")) {
        const auto text = host::ToText(*v);
        if (!text) return fail("TX", "a string");
        s_.caption = QString::fromStdU16String(*text);
    } else {
        s_.caption.clear();
    }
    if (!readBool("ENAB", true, s_.enabled)) return false;
    if (const host::PropertyValue* v = bag.Find("FONT")) {
        const auto* font = std::get_if<host::StoredFont>(v);
        if (!font) return fail("FONT", "a font");
        font_ = *font;
        ApplyFont();
    }
    if (!readInt("COLTYPE", 1, s_.colorScheme)) return false;
    if (!readBool("FOCUSR", true, s_.showFocusRect)) return false;
    if (!readColour("BCOL", SystemColourAtLoad(host::COLOR_BTNFACE), s_.backColor)) return false;
    if (!readColour("BCOLO", s_.backColor, s_.backOver)) return false;
    if (!readColour("FCOL", SystemColourAtLoad(host::COLOR_BTNTEXT), s_.foreColor)) return false;
    if (!readColour("FCOLO", s_.foreColor, s_.foreOver)) return false;
    if (!readColour("MCOL", kLightGrey, s_.maskColor)) return false;
    if (const host::PropertyValue* v = bag.Find("MPTR")) {
        const auto code = host::ToInt16(*v);
        if (!code) return fail("MPTR", "a 16-bit integer");
        pointerCode_ = *code;
    } else {
        pointerCode_ = kPointerDefault;
    }
    ApplyPointer();
    {
        std::shared_ptr<host::Picture> icon;
        if (!readPicture("MICON", icon)) return false;
        pointerIcon_ = std::move(icon);
        ApplyPointer();
    }
    if (!readPicture("PICN", s_.pictureNormal)) return false;
    if (!readPicture("PICH", s_.pictureOver)) return false;
    if (!readBool("UMCOL", true, s_.useMaskColor)) return false;
    if (!readBool("SOFT", false, s_.softBevel)) return false;
    if (!readInt("PICPOS", 0, s_.picturePosition)) return false;
    if (!readBool("NGREY", false, s_.useGreyscale)) return false;
    if (!readInt("FX", 0, s_.specialEffect)) return false;
    bool hand = false;
    if (!readBool("HAND", false, hand)) return false;
    SetHandPointer(hand);
    if (!readBool("CHECK", false, s_.checkBoxBehaviour)) return false;
    if (!readBool("VALUE", false, s_.value)) return false;

    SetSurfaceEnabled(s_.enabled);
    painter_.PreparePicture();
    LayoutCaption();
    SetAccessKey();
    return true;
}

void chameleonButton::WriteProperties(host::PropertyWriter& writer) const {
    auto colour = [](host::Colour c) { return static_cast<std::int32_t>(c); };
    auto picture = [](const std::shared_ptr<host::Picture>& p) {
        host::StoredPicture stored;
        if (p) {
            const QByteArray bytes = p->Bytes();
            stored.image.assign(bytes.begin(), bytes.end());
        }
        return stored;
    };
    writer.WriteInt32("BTYPE", s_.buttonType);
    writer.WriteString("TX", s_.caption.toStdU16String());
    writer.WriteBool("ENAB", s_.enabled);
    writer.WriteFont("FONT", font_);
    writer.WriteInt32("COLTYPE", s_.colorScheme);
    writer.WriteBool("FOCUSR", s_.showFocusRect);
    writer.WriteInt32("BCOL", colour(s_.backColor));
    writer.WriteInt32("BCOLO", colour(s_.backOver));
    writer.WriteInt32("FCOL", colour(s_.foreColor));
    writer.WriteInt32("FCOLO", colour(s_.foreOver));
    writer.WriteInt32("MCOL", colour(s_.maskColor));
    writer.WriteInt16("MPTR", pointerCode_);
    // The pointer icon is always an object, an empty picture when none is set.
    writer.WritePicture("MICON", picture(pointerIcon_));
    if (s_.pictureNormal) writer.WritePicture("PICN", picture(s_.pictureNormal));
    if (s_.pictureOver) writer.WritePicture("PICH", picture(s_.pictureOver));
    writer.WriteBool("UMCOL", s_.useMaskColor);
    writer.WriteBool("SOFT", s_.softBevel);
    writer.WriteInt32("PICPOS", s_.picturePosition);
    writer.WriteBool("NGREY", s_.useGreyscale);
    writer.WriteInt32("FX", s_.specialEffect);
    writer.WriteBool("HAND", s_.handPointer);
    writer.WriteBool("CHECK", s_.checkBoxBehaviour);
    writer.WriteBool("VALUE", s_.value);
}

} // namespace chameleon
