// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CommandButton.h"

#include "controls/chameleonButton/WindowDescription.h"
#include "controls/chameleonButton/chameleonButton.h"

#include <QtGlobal>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

// The window descriptions are resources of object libraries; registering them by hand
// keeps them whichever way the program is linked.
static void RegisterWindowDescriptions() {
    Q_INIT_RESOURCE(app_forms);
    Q_INIT_RESOURCE(about_forms);
}

namespace controls {

namespace {

const std::vector<chameleon::WindowDescription>& Descriptions() {
    static const std::vector<chameleon::WindowDescription> descriptions = [] {
        RegisterWindowDescriptions();
        std::vector<chameleon::WindowDescription> loaded;
        for (const char* path : {":/forms/frmMain.twd", ":/forms/frmAbout.twd"}) {
            QString error;
            auto description = chameleon::WindowDescription::FromResource(QString::fromLatin1(path), &error);
            if (!description) qFatal("window description %s: %s", path, qPrintable(error));
            loaded.push_back(std::move(*description));
        }
        return loaded;
    }();
    return descriptions;
}

} // namespace

QAbstractButton* MakeCommandButton(QWidget* parent, const char* name, const QString& caption,
                                   const CommandButtonFont& font, const QRect& geometry) {
    const QString objectName = QLatin1String(name);
    chameleon::chameleonButton* button = nullptr;
    for (const chameleon::WindowDescription& description : Descriptions()) {
        if (!description.Find(objectName)) continue;
        QString error;
        button = description.CreateButton(parent, objectName, &error);
        // The descriptions are built with the program: a broken one is a build fault.
        if (!button) qFatal("%s", qPrintable(error));
        break;
    }
    if (!button) {
        // A button no window description stores: placed fresh, as a designer would.
        button = new chameleon::chameleonButton(parent);
        button->setObjectName(objectName);
        chameleon::Ambient ambient;
        ambient.displayName = objectName;
        button->SetAmbient(ambient);
        button->InitNew();
        QFont captionFont(font.family);
        captionFont.setPointSizeF(font.points);
        captionFont.setBold(font.bold);
        button->SetFont(captionFont);
        button->SetCaption(caption);
    }
    button->setGeometry(geometry);
    return button;
}

} // namespace controls
