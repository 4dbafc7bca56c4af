// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The owner-drawn push button used for every command button of the program: fourteen
// styles, four colour schemes, pictures, a hover look and an optional two-state
// behaviour; it keeps its properties in the typed records of a window description.

#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "host/core/Geometry.h"
#include "host/core/PropertyStore.h"

#include <QAbstractButton>
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

namespace host {
class Picture;
}

namespace chameleon {

class ButtonSurfaceImpl;
struct StoredProperty;

// The type identifier of the control in a window description.
inline constexpr const char16_t* kTypeName = u"Tavrendale.chameleonButton";

// What the container tells its controls about itself. The window that places a button
// fills it in; design mode is the container being edited in a designer rather than run.
struct Ambient {
    QString displayName;       // the name the window description gives the instance
    std::optional<QFont> font; // the container's font; the parent widget's font when unset
    bool userMode = true;      // run mode (true) or design mode (false)
    bool displayAsDefault = false;
};

// Pointer shape codes of the MousePointer property.
enum PointerCode : std::int16_t {
    kPointerDefault = 0,
    kPointerArrow = 1,
    kPointerCross = 2,
    kPointerIBeam = 3,
    kPointerSizeAll = 5,
    kPointerSizeNESW = 6,
    kPointerSizeNS = 7,
    kPointerSizeNWSE = 8,
    kPointerSizeWE = 9,
    kPointerUpArrow = 10,
    kPointerHourglass = 11,
    kPointerNoDrop = 12,
    kPointerArrowHourglass = 13,
    kPointerArrowQuestion = 14,
    kPointerSizeAllCursor = 15,
    kPointerCustom = 99,
};

// A push button for the windows that hold it: Click is also emitted as clicked(), and the
// widget's enabled state and the Enabled property follow each other.
class chameleonButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit chameleonButton(QWidget* parent = nullptr);
    ~chameleonButton() override;

    // Creation of a newly placed instance (defaults, caption from the display name,
    // container font). Runs no drawing and reports nothing.
    void InitNew();
    // Loads the instance's records (without the host's "_extent" records, which it
    // ignores). Every key is read before anything changes: on failure returns false with
    // the error naming the key, and the button is exactly as it was.
    bool ReadProperties(const host::PropertyBag& bag, host::StoreError& error);
    // Writes every key in load order (pictures only when set). False when the writer
    // refuses a value (it then holds the reason).
    bool WriteProperties(host::PropertyWriter& writer) const;

    // The ambient information of the container; changing it runs the ambient-change
    // handling.
    const Ambient& AmbientInfo() const { return ambient_; }
    void SetAmbient(const Ambient& ambient);
    // The container reports that one of its ambient properties changed.
    void AmbientPropertyChanged(const QString& name);

    // Public properties, in their declared order.
    host::Colour BackColor() const { return s_.backColor; }
    void SetBackColor(host::Colour colour);
    host::Colour BackOver() const { return s_.backOver; }
    void SetBackOver(host::Colour colour);
    host::Colour ForeColor() const { return s_.foreColor; }
    void SetForeColor(host::Colour colour);
    host::Colour ForeOver() const { return s_.foreOver; }
    void SetForeOver(host::Colour colour);
    host::Colour MaskColor() const { return s_.maskColor; }
    void SetMaskColor(host::Colour colour);
    std::int32_t ButtonType() const { return static_cast<std::int32_t>(s_.buttonType); }
    void SetButtonType(std::int32_t type);
    QString Caption() const { return s_.caption; }
    void SetCaption(const QString& caption);
    bool Enabled() const { return s_.enabled; }
    void SetEnabled(bool enabled);
    // The surface font as the properties see it: family, size in points and styles.
    QFont Font() const;
    void SetFont(const QFont& font);
    bool FontBold() const;
    void SetFontBold(bool bold);
    bool FontItalic() const;
    void SetFontItalic(bool italic);
    bool FontUnderline() const;
    void SetFontUnderline(bool underline);
    // Whole points, the size rounded half to even (8.25 reads 8).
    std::int16_t FontSize() const;
    void SetFontSize(std::int16_t points);
    QString FontName() const;
    void SetFontName(const QString& name);
    std::int32_t ColorScheme() const { return static_cast<std::int32_t>(s_.colorScheme); }
    void SetColorScheme(std::int32_t scheme);
    bool ShowFocusRect() const { return s_.showFocusRect; }
    void SetShowFocusRect(bool show);
    std::int16_t MousePointer() const { return s_.mousePointer; }
    // Fails with an overflow (returns false, nothing changed) outside the 16-bit range.
    bool SetMousePointer(std::int32_t code);
    // Null stands for the empty picture.
    std::shared_ptr<host::Picture> MouseIcon() const { return s_.mouseIcon; }
    void SetMouseIcon(std::shared_ptr<host::Picture> icon);
    bool HandPointer() const { return s_.handPointer; }
    void SetHandPointer(bool hand);
    // The surface's window handle (its native ancestor's while it has none of its own).
    quintptr hwnd() const;
    bool SoftBevel() const { return s_.softBevel; }
    void SetSoftBevel(bool soft);
    std::shared_ptr<host::Picture> PictureNormal() const { return s_.pictureNormal; }
    void SetPictureNormal(std::shared_ptr<host::Picture> picture);
    std::shared_ptr<host::Picture> PictureOver() const { return s_.pictureOver; }
    void SetPictureOver(std::shared_ptr<host::Picture> picture);
    std::int32_t PicturePosition() const { return static_cast<std::int32_t>(s_.picturePosition); }
    void SetPicturePosition(std::int32_t position);
    bool UseMaskColor() const { return s_.useMaskColor; }
    void SetUseMaskColor(bool use);
    bool UseGreyscale() const { return s_.useGreyscale; }
    void SetUseGreyscale(bool use);
    std::int32_t SpecialEffect() const { return static_cast<std::int32_t>(s_.specialEffect); }
    void SetSpecialEffect(std::int32_t effect);
    bool CheckBoxBehaviour() const { return s_.checkBoxBehaviour; }
    void SetCheckBoxBehaviour(bool checkBox);
    bool value() const { return s_.value; }
    void SetValue(bool on);
    static QString Version() { return QStringLiteral("2.0.6"); }

    // Stops drawing until Refresh, so that many properties can change without a redraw
    // after each one.
    void DisableRefresh();
    void Refresh();

    // The access key derived from the caption ("" when none).
    QString AccessKey() const { return accessKey_; }
    // The access key a caption gives: the letter after the first single "&", skipping one
    // doubled "&&", in lower case.
    static QString AccessKeyOf(const QString& caption);

    // The instance's record, for diagnostics and tests.
    const ButtonState& State() const { return s_; }
    // Whether the pointer-leave tracking that stands for the hover timer is on.
    bool TrackingPointer() const { return trackingPointer_; }
    // How many times the surface was asked to show what was drawn.
    int SurfaceRefreshCount() const;
    const QImage& SurfaceImage() const;

signals:
    void Click();
    void MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y);
    void MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y);
    void MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y);
    void KeyPress(std::int16_t& keyAscii);
    void KeyDown(std::int16_t& keyCode, std::int16_t& shift);
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift);
    void MouseOver();
    void MouseOut();
    // A change to report to the host under the property's stored key.
    void PropertyChanged(const QString& key);
    // A failure the host has to see (an overflowing event parameter).
    void Error(const QString& message);

protected:
    // The access key arrives as the widget's shortcut.
    bool event(QEvent* event) override;
    // Puts back the surface image; drawing happens only when a property or input asks.
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    friend class ButtonSurfaceImpl;
    friend class ButtonAccessible;

    void Notify(const char* key);
    // Stores the value of the stored property kept in Member and runs what a change of it
    // does, both from the property table.
    template <auto Member, typename Value> void Set(Value value);
    // Runs the steps a property's change (or its load) runs once its value is stored.
    void RunChangeSteps(const StoredProperty& property, bool loading);
    void Draw(std::uint8_t state, bool forced);
    void LayoutCaption();
    void ApplyText();
    bool DesignMode() const { return !ambient_.userMode; }
    QFont ContainerFont() const;

    // Input handling, each raising its event first.
    void HandleMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void HandleMouseMove(std::int16_t button, std::int16_t shift, float x, float y, const QPointF& globalPos);
    void HandleMouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void HandleClick();
    // The click itself, from the pointer or the space bar: flips a two-state button, draws
    // it up and raises Click.
    void RaiseClick(bool forcedRedraw);
    void HandleDoubleClick();
    void HandleKeyDown(std::int16_t keyCode, std::int16_t shift);
    void HandleKeyUp(std::int16_t keyCode, std::int16_t shift);
    void HandleAccessKey();
    void PointerLeft();
    bool IsPointerOver(const QPointF& globalPos) const;
    bool RememberCode(std::int16_t code, std::uint8_t& field, const char* what);

    // Life cycle and surface.
    void HandleResize();
    void HandleShow();
    void Terminate();
    void SetAccessKey();
    void ApplyFont();
    // After a change to the font: the surface font, the caption layout and the picture.
    void RedrawWithFont();
    void ApplyPointer();
    void SetSurfaceEnabled(bool enabled);

    ButtonState s_;
    std::unique_ptr<ButtonSurfaceImpl> surface_;
    ButtonPainter painter_;
    Ambient ambient_;

    QString accessKey_;
    bool trackingPointer_ = false;
    bool afterDoubleClick_ = false;
    bool syncingEnabled_ = false;
    bool applyingFont_ = false;
    bool terminated_ = false;
};

} // namespace chameleon
