// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

namespace app {

// A command that reads like the window's web links (blue, underlined, the pointing hand)
// but is a button: it takes the focus with Tab, Space or Enter presses it, and
// screen readers read it as a button with its description.
class CommandLink final : public QAbstractButton {
    Q_OBJECT
public:
    CommandLink(const QString& text, QWidget* parent);

    QSize sizeHint() const override;
    // Narrows or shrinks the font, as little as needed, for the text to fit the width.
    void FitWidth();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    static constexpr int kMargin = 2;
};

} // namespace app
