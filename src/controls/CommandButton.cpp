// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CommandButton.h"

#include "controls/chameleonButton/WindowDescription.h"
#include "controls/chameleonButton/chameleonButton.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <optional>
#include <utility>

namespace controls {

chameleon::WindowDescription LoadBuiltInDescription(const QString& resource) {
    QString error;
    std::optional<chameleon::WindowDescription> description =
        chameleon::WindowDescription::FromResource(resource, &error);
    if (!description) qFatal("window description %s: %s", qPrintable(resource), qPrintable(error));
    return std::move(*description);
}

QAbstractButton* MakeCommandButton(QWidget* parent, const chameleon::WindowDescription& description, const char* name,
                                   const QRect& geometry) {
    QString error;
    chameleon::chameleonButton* button = description.CreateButton(parent, QLatin1String(name), &error);
    // The descriptions are built with the program: a missing or broken button is a build fault.
    if (!button) qFatal("%s", qPrintable(error));
    button->setGeometry(geometry);
    return button;
}

void TranslateStoredCaption(QAbstractButton* button, const char* context, std::span<const char* const> captions) {
    auto* stored = qobject_cast<chameleon::chameleonButton*>(button);
    if (!stored) return;
    const QByteArray caption = stored->Caption().toUtf8();
    for (const char* listed : captions) {
        if (caption != listed) continue;
        const QString translated = QCoreApplication::translate(context, listed);
        if (translated != stored->Caption()) stored->SetCaption(translated);
        return;
    }
}

} // namespace controls
