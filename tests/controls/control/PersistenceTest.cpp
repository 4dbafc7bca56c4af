// SPDX-License-Identifier: GPL-3.0-or-later
// Creation, load and save of button instances, and the window descriptions the program
// carries.

#include "TestSupport.h"
#include "controls/chameleonButton/WindowDescription.h"
#include "host/qt/SystemColors.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using chameleon::chameleonButton;
using Bytes = std::vector<std::uint8_t>;

// The writer's records; a refusal fails the test.
Bytes Finished(const host::PropertyWriter& writer) {
    host::StoreError error;
    auto bytes = writer.Finish(error);
    EXPECT_TRUE(bytes) << error.Describe();
    return bytes.value_or(Bytes{});
}

std::unique_ptr<chameleonButton> LoadedButton(const host::PropertyWriter& writer, QString* error = nullptr) {
    auto button = std::make_unique<chameleonButton>();
    const Bytes bytes = Finished(writer);
    QString reason;
    const bool ok = chameleon::LoadButton(*button, bytes, &reason);
    if (error) *error = reason;
    if (!ok) return nullptr;
    return button;
}

std::vector<std::string> StoredKeys(const Bytes& bytes) {
    host::StoreError error;
    const auto bag = host::PropertyBag::Parse(bytes, error);
    std::vector<std::string> keys;
    if (!bag) return keys;
    for (const auto& record : bag->Records()) keys.push_back(host::ToAscii(record.key));
    return keys;
}

Bytes ResourceBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

TEST(ButtonCreation, NewInstanceTakesItsNameAndTheContainerFontWithoutReporting) {
    QWidget window;
    QFont containerFont("Tahoma");
    containerFont.setPointSizeF(8.25);
    window.setFont(containerFont);
    chameleonButton button(&window);
    chameleon::Ambient ambient;
    ambient.displayName = "cmdNew";
    button.SetAmbient(ambient);
    testsupport::Reports reports(button);
    const int refreshes = button.SurfaceRefreshCount();
    button.InitNew();
    EXPECT_TRUE(reports.keys.isEmpty());
    EXPECT_EQ(button.SurfaceRefreshCount(), refreshes);
    EXPECT_EQ(button.Caption(), QStringLiteral("cmdNew"));
    EXPECT_EQ(button.FontName(), QStringLiteral("Tahoma"));
    EXPECT_EQ(button.FontSize(), 8);
    EXPECT_EQ(button.ButtonType(), 2);
    EXPECT_EQ(button.ColorScheme(), 1);
    EXPECT_TRUE(button.Enabled());
    EXPECT_TRUE(button.ShowFocusRect());
    EXPECT_TRUE(button.UseMaskColor());
    EXPECT_FALSE(button.HandPointer());
    EXPECT_EQ(button.MaskColor(), 0xC0C0C0u);
    EXPECT_EQ(button.BackColor(), button.State().faceColor);
    EXPECT_EQ(button.BackOver(), button.BackColor());
    EXPECT_EQ(button.ForeColor(), button.State().textColor);
    EXPECT_EQ(button.ForeOver(), button.ForeColor());
    EXPECT_EQ(button.MousePointer(), 0);
}

TEST(ButtonLoad, MissingKeysTakeTheirReadDefaults) {
    host::PropertyWriter w;
    w.WriteInt32("BCOL", 0x0000FF);
    w.WriteInt32("FCOL", 0x00FF00);
    auto button = LoadedButton(w);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->BackColor(), 0x0000FFu);
    EXPECT_EQ(button->BackOver(), 0x0000FFu); // the BackColor just read
    EXPECT_EQ(button->ForeColor(), 0x00FF00u);
    EXPECT_EQ(button->ForeOver(), 0x00FF00u);
    EXPECT_EQ(button->ButtonType(), 2);
    EXPECT_EQ(button->Caption(), QString());
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(button->ColorScheme(), 1);
    EXPECT_EQ(button->MaskColor(), 0xC0C0C0u);
    EXPECT_TRUE(button->UseMaskColor());
    EXPECT_FALSE(button->PictureNormal());
    EXPECT_FALSE(button->CheckBoxBehaviour());
}

TEST(ButtonLoad, MissingBackColorIsTheSystemFaceColourFixedAtLoadTime) {
    host::SystemColourTable table = host::ClassicSystemColours();
    table[host::COLOR_BTNFACE] = 0x123456;
    table[host::COLOR_BTNTEXT] = 0x654321;
    std::unique_ptr<chameleonButton> button;
    {
        host::ScopedSystemColours colours(table);
        button = LoadedButton(host::PropertyWriter{});
    }
    ASSERT_TRUE(button);
    EXPECT_EQ(button->BackColor(), 0x123456u);
    EXPECT_FALSE(host::IsSystemColour(button->BackColor()));
    EXPECT_EQ(button->ForeColor(), 0x654321u);
    // The system colours are back to what they were; the loaded value stays.
    EXPECT_EQ(button->BackColor(), 0x123456u);
}

TEST(ButtonLoad, StoredPointerIsAlwaysReplacedByTheHandSetting) {
    for (bool hand : {false, true}) {
        host::PropertyWriter w;
        w.WriteInt16("MPTR", 11);
        w.WriteBool("HAND", hand);
        auto button = std::make_unique<chameleonButton>();
        testsupport::Reports reports(*button);
        const Bytes bytes = Finished(w);
        ASSERT_TRUE(chameleon::LoadButton(*button, bytes, nullptr));
        EXPECT_EQ(button->MousePointer(), hand ? 99 : 1);
        EXPECT_EQ(static_cast<bool>(button->MouseIcon()), hand);
        EXPECT_EQ(reports.keys, QStringList{"HAND"});
    }
}

TEST(ButtonLoad, FontAndCaptionAndAccessKey) {
    host::PropertyWriter w;
    w.WriteString("TX", u"<<< &Back");
    host::StoredFont font;
    font.name = "Webdings";
    font.size = 157500;
    font.weight = 700;
    font.charset = 2;
    w.WriteFont("FONT", font);
    w.WriteBool("ENAB", false);
    auto button = LoadedButton(w);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->FontName(), QStringLiteral("Webdings"));
    EXPECT_EQ(button->FontSize(), 16);
    EXPECT_TRUE(button->FontBold());
    EXPECT_EQ(button->AccessKey(), QStringLiteral("b"));
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(button->isEnabled());
}

TEST(ButtonLoad, AValueThatCannotBeConvertedStopsTheLoadAtItsKeyAndChangesNothing) {
    host::PropertyWriter w;
    w.WriteInt32("BTYPE", 9);
    w.WriteString("TX", u"ok");
    w.WriteString("COLTYPE", u"not a number");
    w.WriteInt32("FX", 3);
    QString error;
    auto button = std::make_unique<chameleonButton>();
    const Bytes bytes = Finished(w);
    EXPECT_FALSE(chameleon::LoadButton(*button, bytes, &error));
    EXPECT_TRUE(error.contains("COLTYPE")) << error.toStdString();
    // Not even what was read before the failing key is kept.
    EXPECT_EQ(button->ButtonType(), 2);
    EXPECT_EQ(button->Caption(), QString());
    EXPECT_EQ(button->SpecialEffect(), 0);

    struct Case {
        const char* key;
        std::function<void(host::PropertyWriter&)> write;
    };
    const std::vector<Case> cases = {
        {"MPTR", [](host::PropertyWriter& x) { x.WriteInt32("MPTR", 70000); }},
        {"FONT", [](host::PropertyWriter& x) { x.WriteInt32("FONT", 1); }},
        {"PICN", [](host::PropertyWriter& x) { x.WriteString("PICN", u"picture.bmp"); }},
        {"PICH",
         [](host::PropertyWriter& x) {
             x.WritePicture("PICH", host::StoredPicture{{1, 2, 3}});
         }},
        {"BTYPE", [](host::PropertyWriter& x) { x.WriteFont("BTYPE", host::StoredFont{}); }},
        {"_extentx", [](host::PropertyWriter& x) { x.WriteInt32("_extentx", -5); }},
    };
    for (const Case& c : cases) {
        host::PropertyWriter bad;
        c.write(bad);
        QString reason;
        EXPECT_FALSE(LoadedButton(bad, &reason)) << c.key;
        EXPECT_TRUE(reason.contains(QString::fromLatin1(c.key), Qt::CaseInsensitive)) << reason.toStdString();
    }
}

TEST(ButtonLoad, AFormBrokenAtItsLastKeyLeavesTheButtonExactlyAsItWas) {
    testsupport::ShownButton button(89, 25, 9);
    button->SetCaption("&Before");
    button->SetBackColor(0x0000FF);
    button->SetForeOver(0x00FF00);
    button->SetPictureNormal(testsupport::SmallPicture());
    button->SetPicturePosition(2);
    button->SetHandPointer(true);
    button->SetCheckBoxBehaviour(true);
    QFont font("Tahoma");
    font.setPointSizeF(9);
    font.setItalic(true);
    button->SetFont(font);
    const Bytes before = chameleon::SaveButton(*button).value();
    const QImage image = button->SurfaceImage().copy();
    const Qt::CursorShape cursor = button->cursor().shape();

    // Every key with another value, and the last one broken.
    host::PropertyWriter w;
    w.WriteInt32("BTYPE", 3);
    w.WriteString("TX", u"&After");
    w.WriteBool("ENAB", false);
    host::StoredFont other;
    other.name = "Webdings";
    other.size = 157500;
    other.weight = 700;
    w.WriteFont("FONT", other);
    w.WriteInt32("COLTYPE", 3);
    w.WriteBool("FOCUSR", false);
    for (const char* colour : {"BCOL", "BCOLO", "FCOL", "FCOLO", "MCOL"}) w.WriteInt32(colour, 0x123456);
    w.WriteInt16("MPTR", 2);
    w.WritePicture("MICON", host::StoredPicture{});
    w.WritePicture("PICN", host::StoredPicture{});
    w.WritePicture("PICH", host::StoredPicture{});
    w.WriteBool("UMCOL", false);
    w.WriteBool("SOFT", true);
    w.WriteInt32("PICPOS", 4);
    w.WriteBool("NGREY", true);
    w.WriteInt32("FX", 2);
    w.WriteBool("HAND", false);
    w.WriteBool("CHECK", false);
    w.WriteString("VALUE", u"maybe");

    testsupport::Reports reports(*button);
    QString error;
    EXPECT_FALSE(chameleon::LoadButton(*button, Finished(w), &error));
    EXPECT_TRUE(error.contains("VALUE")) << error.toStdString();
    EXPECT_EQ(chameleon::SaveButton(*button).value(), before);
    EXPECT_TRUE(reports.keys.isEmpty()) << reports.keys.join(' ').toStdString();
    EXPECT_EQ(button->SurfaceImage(), image);
    EXPECT_EQ(button->cursor().shape(), cursor);
    EXPECT_EQ(button->FontName(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(button->FontItalic());
    EXPECT_EQ(button->AccessKey(), QStringLiteral("b"));
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(button->size(), QSize(89, 25));
}

TEST(ButtonSave, EveryKeyInLoadOrderAndNoPictureWhenNone) {
    chameleonButton button;
    button.InitNew();
    button.resize(89, 25);
    const Bytes bytes = chameleon::SaveButton(button).value();
    const std::vector<std::string> expected = {"_extentx", "_extenty", "btype", "tx",    "enab", "font",
                                               "coltype",  "focusr",   "bcol",  "bcolo", "fcol", "fcolo",
                                               "mcol",     "mptr",     "micon", "umcol", "soft", "picpos",
                                               "ngrey",    "fx",       "hand",  "check", "value"};
    EXPECT_EQ(StoredKeys(bytes), expected);
    host::StoreError error;
    const auto bag = host::PropertyBag::Parse(bytes, error);
    ASSERT_TRUE(bag);
    EXPECT_EQ(std::get<std::int32_t>(*bag->Find("_extentx")), 2355);
    EXPECT_EQ(std::get<std::int32_t>(*bag->Find("_extenty")), 661);
    EXPECT_TRUE(std::holds_alternative<std::int16_t>(*bag->Find("mptr")));
    EXPECT_TRUE(std::get<host::StoredPicture>(*bag->Find("micon")).image.empty());
}

TEST(ButtonSave, PicturesRoundTrip) {
    chameleonButton button;
    button.InitNew();
    // Loading always sets the pointer from "HAND"; with the arrow the bytes come back alike.
    button.SetMousePointer(1);
    button.SetPictureNormal(testsupport::SmallPicture());
    button.SetPictureOver(testsupport::SmallPicture());
    const Bytes bytes = chameleon::SaveButton(button).value();
    const auto keys = StoredKeys(bytes);
    EXPECT_NE(std::find(keys.begin(), keys.end(), "picn"), keys.end());
    EXPECT_NE(std::find(keys.begin(), keys.end(), "pich"), keys.end());

    chameleonButton copy;
    ASSERT_TRUE(chameleon::LoadButton(copy, bytes, nullptr));
    ASSERT_TRUE(copy.PictureNormal());
    EXPECT_EQ(copy.PictureNormal()->WidthPixels(), 4);
    EXPECT_EQ(copy.PictureNormal()->Image().pixel(1, 1), QColor(Qt::red).rgb());
    ASSERT_TRUE(copy.PictureOver());
    EXPECT_EQ(chameleon::SaveButton(copy).value(), bytes);
}

TEST(ButtonSave, StoredEmptyPicturesLoadAsPicturesAndAreWrittenAgain) {
    host::PropertyWriter w;
    w.WritePicture("PICN", host::StoredPicture{});
    w.WritePicture("PICH", host::StoredPicture{});
    auto button = LoadedButton(w);
    ASSERT_TRUE(button);
    for (const auto& picture : {button->PictureNormal(), button->PictureOver()}) {
        ASSERT_TRUE(picture);
        EXPECT_TRUE(picture->IsEmpty());
    }
    EXPECT_EQ(button->State().pictureRect.width, 0);

    host::StoreError error;
    const auto bag = host::PropertyBag::Parse(chameleon::SaveButton(*button).value(), error);
    ASSERT_TRUE(bag);
    for (const char* key : {"picn", "pich"}) {
        const host::PropertyValue* stored = bag->Find(key);
        ASSERT_NE(stored, nullptr) << key;
        EXPECT_TRUE(std::get<host::StoredPicture>(*stored).image.empty()) << key;
    }
}

TEST(WindowDescriptions, BothWindowsButtonsLoadAndSaveBackToTheSameBytes) {
    struct Window {
        const char* resource;
        QStringList names;
    };
    const std::vector<Window> windows = {
        {":/forms/frmMain.twd", {"cmdStart", "cmdStop", "cmdReset", "cmdBack", "cmdAbout", "cmdExit"}},
        {":/forms/frmAbout.twd", {"cmdOK"}},
    };
    for (const Window& w : windows) {
        QString error;
        const auto description = chameleon::WindowDescription::FromResource(w.resource, &error);
        ASSERT_TRUE(description) << error.toStdString();
        ASSERT_EQ(description->Controls().size(), static_cast<std::size_t>(w.names.size()));
        QWidget parent;
        for (const QString& name : w.names) {
            chameleonButton* button = description->CreateButton(&parent, name, &error);
            ASSERT_NE(button, nullptr) << error.toStdString();
            EXPECT_EQ(chameleon::SaveButton(*button).value(), description->Find(name)->records) << name.toStdString();
            EXPECT_EQ(button->ButtonType(), 3);
            EXPECT_EQ(button->BackColor(), 0x00EDE9EBu);
            EXPECT_EQ(button->BackOver(), 0x00EDE9EBu);
            EXPECT_EQ(button->ForeColor(), 0u);
            EXPECT_EQ(button->MousePointer(), 1);
            EXPECT_EQ(button->objectName(), name);
        }
    }
}

TEST(WindowDescriptions, MainWindowButtonsCarryTheirCaptionsFontsAndSizes) {
    QString error;
    const auto description = chameleon::WindowDescription::FromResource(":/forms/frmMain.twd", &error);
    ASSERT_TRUE(description) << error.toStdString();
    QWidget parent;
    chameleonButton* start = description->CreateButton(&parent, "cmdStart", &error);
    chameleonButton* exit = description->CreateButton(&parent, "cmdExit", &error);
    chameleonButton* back = description->CreateButton(&parent, "cmdBack", &error);
    ASSERT_TRUE(start && exit && back);
    EXPECT_EQ(start->Caption(), QStringLiteral("4"));
    EXPECT_EQ(start->FontName(), QStringLiteral("Webdings"));
    EXPECT_TRUE(start->FontBold());
    EXPECT_EQ(start->size(), QSize(41, 33));
    EXPECT_EQ(exit->Caption(), QStringLiteral("E&xit"));
    EXPECT_EQ(exit->FontName(), QStringLiteral("Tahoma"));
    EXPECT_FALSE(exit->FontBold());
    EXPECT_EQ(exit->size(), QSize(89, 25));
    EXPECT_EQ(back->size(), QSize(265, 25));
}

TEST(WindowDescriptions, MissingOrForeignOrBrokenControlsAreRefused) {
    std::vector<host::StoredControl> controls = {
        {u"Other.Control", u"lblX", {}},
        {chameleon::kTypeName, u"cmdBroken", {1, 2, 3}},
    };
    const Bytes bytes = host::WriteWindowDescription(controls);
    QString error;
    const auto description = chameleon::WindowDescription::FromBytes(bytes, &error);
    ASSERT_TRUE(description);
    QWidget parent;
    EXPECT_EQ(description->CreateButton(&parent, "cmdMissing", &error), nullptr);
    EXPECT_TRUE(error.contains("cmdMissing"));
    EXPECT_EQ(description->CreateButton(&parent, "lblX", &error), nullptr);
    EXPECT_TRUE(error.contains("Other.Control"));
    EXPECT_EQ(description->CreateButton(&parent, "cmdBroken", &error), nullptr);
    EXPECT_TRUE(error.contains("cmdBroken"));
    EXPECT_TRUE(parent.findChildren<chameleonButton*>().isEmpty());

    const Bytes stored = ResourceBytes(":/forms/frmAbout.twd");
    ASSERT_FALSE(stored.empty());
    for (std::size_t length = 0; length < stored.size(); length += 7) {
        const Bytes cut(stored.begin(), stored.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(chameleon::WindowDescription::FromBytes(cut, &error)) << length;
    }
}

} // namespace
