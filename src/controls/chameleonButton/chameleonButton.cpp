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
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>
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
    s_.font = FontRecordOf(QWidget::font());
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
    s_.picturePosition = PicturePlace::Left;
    s_.specialEffect = CaptionEffect::None;
    s_.pictureNormal.reset();
    s_.pictureOver.reset();
    s_.mousePointer = kPointerDefault;
    s_.mouseIcon.reset();
    ApplyPointer();
    s_.caption = ambient_.displayName.isEmpty() ? objectName() : ambient_.displayName;
    s_.font = FontRecordOf(ContainerFont());
    ApplyFont();
    s_.buttonType = ButtonStyle::Classic3D;
    s_.colorScheme = ColourSource::SystemColours;
    painter_.DeriveColors();
    s_.backColor = s_.backOver = s_.faceColor;
    s_.foreColor = s_.foreOver = s_.textColor;
    s_.maskColor = kLightGrey;
    LayoutCaption();
}

// Properties ------------------------------------------------------------------------

// What a property's change runs once its value is stored, step by step in the order listed.
enum class ChangeStep : std::uint8_t {
    Done,           // marks the end of a shorter list
    MirrorInDesign, // in design mode the hover colour follows the colour set
    DeriveColors,
    ApplyStyle, // the double-line style makes the font bold in design mode; the
                // transparent one captures the background while drawing is on
    Resize,     // faces, region and caption follow the style
    ApplyFont,
    ApplyPointer,
    ApplyHandPointer, // the hand cursor and its code, or no icon and the arrow
    SurfaceEnabled,
    SetAccessKey,
    PreparePicture,
    LayoutCaption,
    DrawLast,             // redraw in the state last drawn
    DrawNormal,           // redraw up
    DrawLastIfOver,       // only while the pointer is over the button
    DrawLastIfPicture,    // only when there is a picture to draw
    DrawNormalIfCheckBox, // only for a two-state button
    Notify,
};

using ChangeSteps = std::array<ChangeStep, 4>;

// Where a property's read default comes from when its key is missing.
enum class Fallback : std::uint8_t {
    Value,      // the entry's own value (empty text, no picture)
    Unchanged,  // the value the button has now
    ButtonFace, // the system button-face colour at the moment of reading
    ButtonText, // the system button-text colour at the moment of reading
    BackColorJustRead,
    ForeColorJustRead,
};

// The field of ButtonState a stored property keeps its value in.
using PropertyField = std::variant<ButtonStyle ButtonState::*, ColourSource ButtonState::*, PicturePlace ButtonState::*,
                                   CaptionEffect ButtonState::*, host::Colour ButtonState::*, bool ButtonState::*,
                                   std::int16_t ButtonState::*, QString ButtonState::*, host::StoredFont ButtonState::*,
                                   std::shared_ptr<host::Picture> ButtonState::*>;

// One stored property: its key, where it lives, its read default, and what setting it and
// loading it run. The table below is in the order the keys are read and written.
struct StoredProperty {
    const char* key;
    PropertyField field;
    Fallback fallback = Fallback::Value;
    std::int32_t value = 0;                      // the read default of Fallback::Value for numbers and booleans
    ChangeSteps onSet = {};                      // after the setter has stored the value
    ChangeSteps onLoad = {};                     // after a load has stored every value
    const char* reportKey = nullptr;             // the name the change is reported under, when not the key
    host::Colour ButtonState::*mirror = nullptr; // the colour that follows in design mode
    bool writtenWhenNone = false;                // a picture that is none is still written (as an empty one)
};

namespace {

using enum ChangeStep;

constexpr std::int32_t kTrue = 1;

constexpr ChangeSteps kColourSteps = {MirrorInDesign, DeriveColors, DrawLast, Notify};
constexpr ChangeSteps kRedrawSteps = {DrawLast, Notify};
constexpr ChangeSteps kPictureFlagSteps = {DrawLastIfPicture, Notify};

constexpr std::array<StoredProperty, 23> kStoredProperties = {{
    {"BTYPE",
     &ButtonState::buttonType,
     Fallback::Value,
     static_cast<std::int32_t>(ButtonStyle::Classic3D),
     {ApplyStyle, Resize, Notify}},
    {"TX", &ButtonState::caption, Fallback::Value, 0, {SetAccessKey, LayoutCaption, DrawNormal, Notify}},
    {"ENAB", &ButtonState::enabled, Fallback::Value, kTrue, {DrawNormal, SurfaceEnabled, Notify}},
    {"FONT", &ButtonState::font, Fallback::Unchanged, 0, {ApplyFont, LayoutCaption, DrawNormal, Notify}, {ApplyFont}},
    {"COLTYPE",
     &ButtonState::colorScheme,
     Fallback::Value,
     static_cast<std::int32_t>(ColourSource::SystemColours),
     {DeriveColors, DrawNormal, Notify}},
    {"FOCUSR", &ButtonState::showFocusRect, Fallback::Value, kTrue, kRedrawSteps},
    {"BCOL", &ButtonState::backColor, Fallback::ButtonFace, 0, kColourSteps, {}, nullptr, &ButtonState::backOver},
    {"BCOLO", &ButtonState::backOver, Fallback::BackColorJustRead, 0, kColourSteps},
    {"FCOL", &ButtonState::foreColor, Fallback::ButtonText, 0, kColourSteps, {}, nullptr, &ButtonState::foreOver},
    {"FCOLO", &ButtonState::foreOver, Fallback::ForeColorJustRead, 0, kColourSteps},
    {"MCOL", &ButtonState::maskColor, Fallback::Value, static_cast<std::int32_t>(kLightGrey), kColourSteps},
    {"MPTR", &ButtonState::mousePointer, Fallback::Value, kPointerDefault, {ApplyPointer, Notify}, {ApplyPointer}},
    {"MICON",
     &ButtonState::mouseIcon,
     Fallback::Value,
     0,
     {ApplyPointer, Notify},
     {ApplyPointer},
     nullptr,
     nullptr,
     true},
    {"PICN", &ButtonState::pictureNormal, Fallback::Value, 0, {PreparePicture, LayoutCaption, DrawLast, Notify}},
    // Reported under "PICO" although stored under "PICH".
    {"PICH", &ButtonState::pictureOver, Fallback::Value, 0, {DrawLastIfOver, Notify}, {}, "PICO"},
    {"UMCOL", &ButtonState::useMaskColor, Fallback::Value, kTrue, kPictureFlagSteps},
    {"SOFT", &ButtonState::softBevel, Fallback::Value, 0, {DeriveColors, DrawLast, Notify}},
    {"PICPOS",
     &ButtonState::picturePosition,
     Fallback::Value,
     static_cast<std::int32_t>(PicturePlace::Left),
     {Notify, LayoutCaption, DrawLast}},
    {"NGREY", &ButtonState::useGreyscale, Fallback::Value, 0, kPictureFlagSteps},
    {"FX", &ButtonState::specialEffect, Fallback::Value, static_cast<std::int32_t>(CaptionEffect::None), kRedrawSteps},
    // Loading runs the setter's steps: the stored pointer code and icon always give way.
    {"HAND",
     &ButtonState::handPointer,
     Fallback::Value,
     0,
     {ApplyHandPointer, ApplyPointer, Notify},
     {ApplyHandPointer, ApplyPointer, Notify}},
    {"CHECK", &ButtonState::checkBoxBehaviour, Fallback::Value, 0, kRedrawSteps},
    {"VALUE", &ButtonState::value, Fallback::Value, 0, {DrawNormalIfCheckBox, Notify}},
}};

// The table entry of the property kept in member; a member with no entry does not compile.
template <typename Member> consteval const StoredProperty& PropertyOf(Member member) {
    for (const StoredProperty& property : kStoredProperties) {
        const auto* field = std::get_if<Member>(&property.field);
        if (field && *field == member) return property;
    }
    throw "not a stored property";
}

// The colour, boolean and code types are stored as 32-bit integers, the pointer code as a
// 16-bit one; texts, fonts and pictures as themselves.
template <typename T> constexpr bool kStoredAsInt32 = std::is_enum_v<T> || std::is_same_v<T, host::Colour>;

} // namespace

template <auto Member, typename Value> void chameleonButton::Set(Value value) {
    static constexpr const StoredProperty& property = PropertyOf(Member);
    s_.*Member = std::move(value);
    RunChangeSteps(property, false);
}

void chameleonButton::RunChangeSteps(const StoredProperty& property, bool loading) {
    for (ChangeStep step : loading ? property.onLoad : property.onSet) {
        switch (step) {
        case ChangeStep::Done: return;
        case ChangeStep::MirrorInDesign:
            if (property.mirror && DesignMode())
                s_.*property.mirror = s_.*std::get<host::Colour ButtonState::*>(property.field);
            break;
        case ChangeStep::DeriveColors: painter_.DeriveColors(); break;
        case ChangeStep::ApplyStyle:
            if (s_.buttonType == ButtonStyle::DoubleLine && DesignMode()) {
                s_.font.weight = kWeightBold;
                ApplyFont();
            } else if (s_.buttonType == ButtonStyle::Transparent && s_.redrawEnabled) {
                painter_.CaptureBackground();
            }
            break;
        case ChangeStep::Resize: HandleResize(); break;
        case ChangeStep::ApplyFont: this->ApplyFont(); break;
        case ChangeStep::ApplyPointer: this->ApplyPointer(); break;
        case ChangeStep::ApplyHandPointer:
            if (s_.handPointer) {
                s_.mouseIcon = HandIcon();
                s_.mousePointer = kPointerCustom;
            } else {
                s_.mouseIcon.reset();
                s_.mousePointer = kPointerArrow;
            }
            break;
        case ChangeStep::SurfaceEnabled: SetSurfaceEnabled(s_.enabled); break;
        case ChangeStep::SetAccessKey: this->SetAccessKey(); break;
        case ChangeStep::PreparePicture: painter_.PreparePicture(); break;
        case ChangeStep::LayoutCaption: this->LayoutCaption(); break;
        case ChangeStep::DrawLast: Draw(s_.lastState, true); break;
        case ChangeStep::DrawNormal: Draw(kStateNormal, true); break;
        case ChangeStep::DrawLastIfOver:
            if (s_.isOver) Draw(s_.lastState, true);
            break;
        case ChangeStep::DrawLastIfPicture:
            if (s_.pictureNormal) Draw(s_.lastState, true);
            break;
        case ChangeStep::DrawNormalIfCheckBox:
            if (s_.checkBoxBehaviour) Draw(kStateNormal, true);
            break;
        case ChangeStep::Notify: this->Notify(property.reportKey ? property.reportKey : property.key); break;
        }
    }
}

void chameleonButton::SetBackColor(host::Colour colour) { Set<&ButtonState::backColor>(colour); }

void chameleonButton::SetBackOver(host::Colour colour) { Set<&ButtonState::backOver>(colour); }

void chameleonButton::SetForeColor(host::Colour colour) { Set<&ButtonState::foreColor>(colour); }

void chameleonButton::SetForeOver(host::Colour colour) { Set<&ButtonState::foreOver>(colour); }

void chameleonButton::SetMaskColor(host::Colour colour) { Set<&ButtonState::maskColor>(colour); }

void chameleonButton::SetButtonType(std::int32_t type) {
    Set<&ButtonState::buttonType>(static_cast<ButtonStyle>(type));
}

void chameleonButton::SetCaption(const QString& caption) { Set<&ButtonState::caption>(caption); }

void chameleonButton::SetEnabled(bool enabled) { Set<&ButtonState::enabled>(enabled); }

QFont chameleonButton::Font() const {
    QFont font(FontName());
    font.setPointSizeF(PointsOf(s_.font));
    font.setWeight(WeightOf(s_.font));
    font.setItalic(s_.font.italic);
    font.setUnderline(s_.font.underline);
    font.setStrikeOut(s_.font.strikeout);
    return font;
}

void chameleonButton::SetFont(const QFont& font) { Set<&ButtonState::font>(FontRecordOf(font)); }

// The font's parts are properties of their own, not stored and not reported: the font is.
bool chameleonButton::FontBold() const { return s_.font.weight >= kWeightBold; }

void chameleonButton::SetFontBold(bool bold) {
    s_.font.weight = bold ? kWeightBold : kWeightNormal;
    RedrawWithFont();
}

bool chameleonButton::FontItalic() const { return s_.font.italic; }

void chameleonButton::SetFontItalic(bool italic) {
    s_.font.italic = italic;
    RedrawWithFont();
}

bool chameleonButton::FontUnderline() const { return s_.font.underline; }

void chameleonButton::SetFontUnderline(bool underline) {
    s_.font.underline = underline;
    RedrawWithFont();
}

std::int16_t chameleonButton::FontSize() const {
    const double points = std::nearbyint(PointsOf(s_.font));
    return static_cast<std::int16_t>(std::clamp(points, -32768.0, 32767.0));
}

void chameleonButton::SetFontSize(std::int16_t points) {
    // A font has a positive size; the platform refuses anything else.
    s_.font.size = static_cast<std::uint32_t>(std::max<int>(points, 1)) * 10000u;
    RedrawWithFont();
}

QString chameleonButton::FontName() const { return QString::fromStdString(s_.font.name); }

void chameleonButton::SetFontName(const QString& name) {
    s_.font.name = name.toStdString();
    RedrawWithFont();
}

void chameleonButton::SetColorScheme(std::int32_t scheme) {
    Set<&ButtonState::colorScheme>(static_cast<ColourSource>(scheme));
}

void chameleonButton::SetShowFocusRect(bool show) { Set<&ButtonState::showFocusRect>(show); }

bool chameleonButton::SetMousePointer(std::int32_t code) {
    if (code < std::numeric_limits<std::int16_t>::min() || code > std::numeric_limits<std::int16_t>::max()) {
        emit Error(QStringLiteral("MousePointer: overflow (%1)").arg(code));
        return false;
    }
    Set<&ButtonState::mousePointer>(static_cast<std::int16_t>(code));
    return true;
}

void chameleonButton::SetMouseIcon(std::shared_ptr<host::Picture> icon) {
    Set<&ButtonState::mouseIcon>(std::move(icon));
}

void chameleonButton::SetHandPointer(bool hand) { Set<&ButtonState::handPointer>(hand); }

quintptr chameleonButton::hwnd() const { return static_cast<quintptr>(effectiveWinId()); }

void chameleonButton::SetSoftBevel(bool soft) { Set<&ButtonState::softBevel>(soft); }

void chameleonButton::SetPictureNormal(std::shared_ptr<host::Picture> picture) {
    Set<&ButtonState::pictureNormal>(std::move(picture));
}

void chameleonButton::SetPictureOver(std::shared_ptr<host::Picture> picture) {
    Set<&ButtonState::pictureOver>(std::move(picture));
}

void chameleonButton::SetPicturePosition(std::int32_t position) {
    Set<&ButtonState::picturePosition>(static_cast<PicturePlace>(position));
}

void chameleonButton::SetUseMaskColor(bool use) { Set<&ButtonState::useMaskColor>(use); }

void chameleonButton::SetUseGreyscale(bool use) { Set<&ButtonState::useGreyscale>(use); }

void chameleonButton::SetSpecialEffect(std::int32_t effect) {
    Set<&ButtonState::specialEffect>(static_cast<CaptionEffect>(effect));
}

void chameleonButton::SetCheckBoxBehaviour(bool checkBox) { Set<&ButtonState::checkBoxBehaviour>(checkBox); }

void chameleonButton::SetValue(bool on) { Set<&ButtonState::value>(on); }

void chameleonButton::DisableRefresh() { s_.redrawEnabled = false; }

void chameleonButton::Refresh() {
    if (s_.buttonType == ButtonStyle::Transparent) painter_.CaptureBackground();
    painter_.DeriveColors();
    LayoutCaption();
    s_.redrawEnabled = true;
    Draw(s_.lastState, true);
}

// Surface --------------------------------------------------------------------------

void chameleonButton::ApplyFont() {
    const QString name = FontName();
    QFont font = host::LayoutFont(name, PointsOf(s_.font), false, s_.font.italic, s_.font.underline);
    font.setWeight(WeightOf(s_.font));
    font.setStrikeOut(s_.font.strikeout);
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
    switch (s_.mousePointer) {
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
        if (s_.mouseIcon && s_.mouseIcon == HandIcon())
            setCursor(host::HandCursor());
        else if (s_.mouseIcon && !s_.mouseIcon->Image().isNull())
            setCursor(QCursor(QPixmap::fromImage(s_.mouseIcon->Image())));
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

namespace {

// Reads one property from the bag into the staged state; false with the error when the
// stored value cannot be converted to the property's type.
bool ReadProperty(const StoredProperty& property, const host::PropertyBag& bag, ButtonState& staged,
                  host::StoreError& error) {
    auto fail = [&](const char* what) {
        error.key = property.key;
        error.message = std::string("value cannot be converted to ") + what;
        return false;
    };
    const host::PropertyValue* stored = bag.Find(property.key);
    return std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(staged.*member)>;
            T& out = staged.*member;
            if constexpr (kStoredAsInt32<T> || std::is_same_v<T, bool> || std::is_same_v<T, std::int16_t>) {
                std::int32_t fallback = property.value;
                switch (property.fallback) {
                case Fallback::Value:
                case Fallback::Unchanged: break;
                case Fallback::ButtonFace:
                    fallback = static_cast<std::int32_t>(SystemColourAtLoad(host::COLOR_BTNFACE));
                    break;
                case Fallback::ButtonText:
                    fallback = static_cast<std::int32_t>(SystemColourAtLoad(host::COLOR_BTNTEXT));
                    break;
                case Fallback::BackColorJustRead: fallback = static_cast<std::int32_t>(staged.backColor); break;
                case Fallback::ForeColorJustRead: fallback = static_cast<std::int32_t>(staged.foreColor); break;
                }
                if constexpr (std::is_same_v<T, bool>) {
                    const auto read = stored ? host::ToBool(*stored) : std::optional<bool>(fallback != 0);
                    if (!read) return fail("a boolean");
                    out = *read;
                } else if constexpr (std::is_same_v<T, std::int16_t>) {
                    const auto read = stored ? host::ToInt16(*stored) : std::optional<std::int16_t>(fallback);
                    if (!read) return fail("a 16-bit integer");
                    out = *read;
                } else {
                    const auto read = stored ? host::ToInt32(*stored) : std::optional<std::int32_t>(fallback);
                    if (!read) return fail("a 32-bit integer");
                    out = static_cast<T>(*read);
                }
            } else if constexpr (std::is_same_v<T, QString>) {
                if (!stored) {
                    out.clear();
                    return true;
                }
                const auto text = host::ToText(*stored);
                if (!text) return fail("a string");
                out = QString::fromStdU16String(*text);
            } else if constexpr (std::is_same_v<T, host::StoredFont>) {
                if (!stored) return true; // the font stays as it is
                const auto* font = std::get_if<host::StoredFont>(stored);
                if (!font) return fail("a font");
                out = *font;
            } else {
                if (!stored) {
                    out.reset();
                    return true;
                }
                const auto* picture = std::get_if<host::StoredPicture>(stored);
                if (!picture) return fail("a picture");
                // A stored picture with no bytes is the empty picture, not the absence of one.
                if (picture->image.empty()) {
                    out = host::Picture::Empty();
                    return true;
                }
                out = host::Picture::FromBytes(QByteArray(reinterpret_cast<const char*>(picture->image.data()),
                                                          static_cast<qsizetype>(picture->image.size())));
                if (!out) return fail("a picture (unreadable image)");
            }
            return true;
        },
        property.field);
}

bool WriteProperty(const StoredProperty& property, const ButtonState& s, host::PropertyWriter& writer) {
    return std::visit(
        [&](auto member) {
            using T = std::remove_cvref_t<decltype(s.*member)>;
            const T& value = s.*member;
            if constexpr (kStoredAsInt32<T>)
                return writer.WriteInt32(property.key, static_cast<std::int32_t>(value));
            else if constexpr (std::is_same_v<T, bool>)
                return writer.WriteBool(property.key, value);
            else if constexpr (std::is_same_v<T, std::int16_t>)
                return writer.WriteInt16(property.key, value);
            else if constexpr (std::is_same_v<T, QString>)
                return writer.WriteString(property.key, value.toStdU16String());
            else if constexpr (std::is_same_v<T, host::StoredFont>)
                return writer.WriteFont(property.key, value);
            else {
                if (!value && !property.writtenWhenNone) return true;
                host::StoredPicture stored;
                if (value) {
                    const QByteArray bytes = value->Bytes();
                    stored.image.assign(bytes.begin(), bytes.end());
                }
                return writer.WritePicture(property.key, stored);
            }
        },
        property.field);
}

} // namespace

bool chameleonButton::ReadProperties(const host::PropertyBag& bag, host::StoreError& error) {
    // Everything is read into a copy first, so that a form that fails part-way changes
    // nothing.
    ButtonState staged = s_;
    for (const StoredProperty& property : kStoredProperties)
        if (!ReadProperty(property, bag, staged, error)) return false;

    s_ = std::move(staged);
    for (const StoredProperty& property : kStoredProperties) RunChangeSteps(property, true);
    SetSurfaceEnabled(s_.enabled);
    painter_.PreparePicture();
    LayoutCaption();
    SetAccessKey();
    return true;
}

bool chameleonButton::WriteProperties(host::PropertyWriter& writer) const {
    for (const StoredProperty& property : kStoredProperties)
        if (!WriteProperty(property, s_, writer)) return false;
    return true;
}

} // namespace chameleon
