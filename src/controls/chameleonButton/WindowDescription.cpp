// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/WindowDescription.h"

#include "controls/chameleonButton/chameleonButton.h"
#include "host/qt/Picture.h"

#include <QFile>
#include <cstddef>
#include <string>
#include <utility>

namespace chameleon {

namespace {

void SetError(QString* error, const QString& text) {
    if (error) *error = text;
}

} // namespace

std::optional<WindowDescription> WindowDescription::FromBytes(std::span<const std::uint8_t> bytes, QString* error) {
    host::StoreError storeError;
    auto controls = host::ReadWindowDescription(bytes, storeError);
    if (!controls) {
        SetError(error, QString::fromStdString(storeError.Describe()));
        return std::nullopt;
    }
    WindowDescription description;
    description.controls_ = std::move(*controls);
    return description;
}

std::optional<WindowDescription> WindowDescription::FromResource(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, QStringLiteral("cannot open %1").arg(path));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return FromBytes(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
        error);
}

const host::StoredControl* WindowDescription::Find(const QString& name) const {
    const std::u16string wanted = name.toStdU16String();
    for (const host::StoredControl& control : controls_)
        if (control.name == wanted) return &control;
    return nullptr;
}

chameleonButton* WindowDescription::CreateButton(QWidget* parent, const QString& name, QString* error) const {
    const host::StoredControl* control = Find(name);
    if (!control) {
        SetError(error, QStringLiteral("%1: not in the window description").arg(name));
        return nullptr;
    }
    if (control->typeName != kTypeName) {
        SetError(
            error,
            QStringLiteral("%1: stored as %2, not a button").arg(name, QString::fromStdU16String(control->typeName)));
        return nullptr;
    }
    auto* button = new chameleonButton(parent);
    button->setObjectName(name);
    Ambient ambient = button->AmbientInfo();
    ambient.displayName = name;
    button->SetAmbient(ambient);
    QString reason;
    if (!LoadButton(*button, control->records, &reason)) {
        SetError(error, name + QStringLiteral(": ") + reason);
        delete button;
        return nullptr;
    }
    return button;
}

bool LoadButton(chameleonButton& button, std::span<const std::uint8_t> records, QString* error) {
    host::StoreError storeError;
    auto bag = host::PropertyBag::Parse(records, storeError);
    if (!bag) {
        SetError(error, QString::fromStdString(storeError.Describe()));
        return false;
    }
    int extent[2] = {0, 0};
    const char* keys[2] = {"_extentx", "_extenty"};
    for (int i = 0; i < 2; ++i) {
        const host::PropertyValue* value = bag->Find(keys[i]);
        if (!value) continue;
        const auto himetric = host::ToInt32(*value);
        // A size beyond any screen is as wrong as one that is not a number.
        if (!himetric || *himetric < 0 || *himetric > 1'000'000) {
            SetError(error, QStringLiteral("property \"%1\": not a size").arg(QLatin1String(keys[i])));
            return false;
        }
        extent[i] = host::HimetricToPixels(*himetric);
    }
    if (!button.ReadProperties(*bag, storeError)) {
        SetError(error, QString::fromStdString(storeError.Describe()));
        return false;
    }
    button.resize(extent[0], extent[1]);
    return true;
}

std::optional<std::vector<std::uint8_t>> SaveButton(const chameleonButton& button, QString* error) {
    host::PropertyWriter writer;
    writer.WriteInt32("_extentx", host::PixelsToHimetric(button.width()));
    writer.WriteInt32("_extenty", host::PixelsToHimetric(button.height()));
    button.WriteProperties(writer);
    host::StoreError storeError;
    auto records = writer.Finish(storeError);
    if (!records) SetError(error, QString::fromStdString(storeError.Describe()));
    return records;
}

} // namespace chameleon
