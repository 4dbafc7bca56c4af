// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Geometry.h"

#include <QString>
#include <QWidget>

namespace host {

// The frame control: a box grouping the controls placed in it (from its own origin) under
// a caption, drawn as the Win32 group box draws itself:
//  - the whole rectangle in the back colour;
//  - an etched border, a COLOR_BTNSHADOW line with a COLOR_BTNHIGHLIGHT line one pixel
//    inside it and below it, whose top line lies at half the line height of the frame's
//    font, less one (the group box's rule; the height as DrawingContext::LineHeight
//    measures it, so the caption's text stays centred on the two lines);
//  - the caption, in the frame's font and fore colour (embossed in highlight and shadow
//    while the frame is disabled), from 8 pixels in at the top, in a gap of the top lines
//    one pixel wider than the text on either side.
// A frame without a caption keeps its border where the caption would have put it. The
// caption is drawn as it stands (no access-key markers). Assistive technology sees a
// grouping named by the caption, or by the widget's accessible name where there is none.
class Frame final : public QWidget {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr);
    Frame(const QString& caption, QWidget* parent);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    // Colour values, red-green-blue or a system colour (Geometry.h). The defaults are the
    // system's button face and button text, as for the platform's own frames.
    Colour backColor() const { return backColor_; }
    void setBackColor(Colour colour);
    Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    Colour backColor_ = kSystemColourFlag | COLOR_BTNFACE;
    Colour foreColor_ = kSystemColourFlag | COLOR_BTNTEXT;
};

} // namespace host
