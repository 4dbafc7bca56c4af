#include "app/CommandButton.h"

#include <QPushButton>

#include "host/qt/Fonts.h"

namespace app {

QAbstractButton* MakeCommandButton(QWidget* parent, const char* name, const QString& caption,
                                   const CommandButtonFont& font, const QRect& geometry) {
    auto* button = new QPushButton(host::DisplayText(font.family, caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(host::LayoutFont(font.family, font.points, font.bold));
    // No button is a window's default: Enter has no window-wide meaning.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(geometry);
    return button;
}

} // namespace app
