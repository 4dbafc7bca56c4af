// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowkit/StoredForm.h"

#include "controls/CommandButton.h"
#include "host/qt/MouseMoves.h"

#include <QAbstractButton>

namespace windowkit {

StoredForm::StoredForm(void (*registerResource)(), const char* resource, const char* context,
                       std::span<const char* const> captions)
    : registerResource_(registerResource), resource_(resource), context_(context), captions_(captions) {}

const chameleon::WindowDescription& StoredForm::description() const {
    if (!description_) {
        registerResource_();
        description_ = controls::LoadBuiltInDescription(QString::fromLatin1(resource_));
    }
    return *description_;
}

QAbstractButton* StoredForm::MakeButton(QWidget* parent, const char* name, const QRect& geometry) const {
    QAbstractButton* button = controls::MakeCommandButton(parent, description(), name, geometry);
    controls::TranslateStoredCaption(button, context_, captions_);
    return button;
}

QAbstractButton* StoredForm::MakeButton(QWidget* parent, const char* name, const QString& toolTip,
                                        int widthTwips) const {
    const QSize size(host::Twips(widthTwips), host::Twips(kButtonHeightTwips));
    QAbstractButton* button = MakeButton(parent, name, QRect(QPoint(0, 0), size));
    button->setFixedSize(size);
    button->setToolTip(toolTip);
    return button;
}

} // namespace windowkit
