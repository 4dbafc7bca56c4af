// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>

namespace about {

// The two web addresses both windows link to; each label shows its address as text, so
// they are kept short enough for the labels even in bold.
inline constexpr const char* kAuthorAddress = "example.com";
inline constexpr const char* kPublisherAddress = "www.example.org/tavrendale";

// Opens `address` with the desktop's default handler. Whether that works is not looked
// at: a failure changes nothing and reports nothing.
void OpenHyperlink(const QString& address);

// A web-address label: blue, transparent, the window's font, the pointing-hand pointer.
// Only its boldness changes while the program runs; which pointer moves make it bold or
// plain is up to the window that holds it.
class HyperlinkLabel final : public QLabel {
    Q_OBJECT
public:
    HyperlinkLabel(const QString& address, Qt::Alignment alignment, QWidget* parent);

    const QString& address() const { return address_; }
    bool Bold() const { return font().bold(); }
    void SetBold(bool bold);

signals:
    // A press and release of the left button on the label.
    void Click();
    // The pointer moved over the label.
    void MouseMove();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString address_;
    bool pressed_ = false;
};

} // namespace about
