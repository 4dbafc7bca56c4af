// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A button placed in a window of its own and shown, as the windows of the program hold
// them, and small helpers to watch what it reports.

#include "controls/chameleonButton/chameleonButton.h"
#include "host/qt/Picture.h"

#include <QImage>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <memory>

namespace testsupport {

struct Reports {
    explicit Reports(chameleon::chameleonButton& button) {
        connection = QObject::connect(&button, &chameleon::chameleonButton::PropertyChanged,
                                      [this](const QString& key) { keys << key; });
    }
    ~Reports() { QObject::disconnect(connection); }
    QStringList keys;
    QMetaObject::Connection connection;
};

inline void SetDesignMode(chameleon::chameleonButton& button, bool design) {
    chameleon::Ambient ambient = button.AmbientInfo();
    ambient.userMode = !design;
    button.SetAmbient(ambient);
}

inline std::shared_ptr<host::Picture> SmallPicture() {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    return host::Picture::FromImage(image, host::Picture::Kind::Bitmap);
}

class ShownButton {
public:
    explicit ShownButton(int width = 89, int height = 25, int buttonType = 2) : window_(std::make_unique<QWidget>()) {
        window_->resize(200, 120);
        button_ = new chameleon::chameleonButton(window_.get());
        button_->setObjectName("cmdTest");
        chameleon::Ambient ambient;
        ambient.displayName = "cmdTest";
        button_->SetAmbient(ambient);
        button_->InitNew();
        button_->SetButtonType(buttonType);
        button_->setGeometry(10, 10, width, height);
        window_->show();
        exposed_ = QTest::qWaitForWindowExposed(window_.get());
    }
    chameleon::chameleonButton* operator->() const { return button_; }
    chameleon::chameleonButton& operator*() const { return *button_; }
    QWidget& Window() const { return *window_; }
    bool Exposed() const { return exposed_; }
    // A point of the window away from the button.
    QPoint Outside() const { return QPoint(190, 110); }
    QPoint Inside() const { return button_->geometry().center(); }

private:
    std::unique_ptr<QWidget> window_;
    chameleon::chameleonButton* button_;
    bool exposed_ = false;
};

} // namespace testsupport
