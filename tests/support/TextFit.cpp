// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFit.h"

#include "controls/chameleonButton/chameleonButton.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/Frame.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QWidget>

namespace testsupport {

namespace {

// The text as drawn: "&&" is an ampersand, a single '&' marks the access key.
QString WithoutAccessKey(const QString& text) {
    QString shown;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == u'&' && at + 1 < text.size()) ++at;
        shown += text[at];
    }
    return shown;
}

QString Name(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

QString Fault(const QWidget* widget, const QString& text, int needs, int has, const char* unit = "px") {
    return QStringLiteral("%1: \"%2\" needs %3 %5, has %4").arg(Name(widget), text).arg(needs).arg(has).arg(unit);
}

bool ShowsText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return !label->text().isEmpty();
    if (const auto* button = qobject_cast<const chameleon::chameleonButton*>(widget))
        return !button->Caption().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return !button->text().isEmpty();
    if (const auto* frame = qobject_cast<const host::Frame*>(widget)) return !frame->caption().isEmpty();
    return false;
}

// The pieces of `text` a wrapped line cannot break: the words of a language written with
// spaces, a single character of Chinese or Japanese, as the text layout breaks them.
QStringList Unbreakable(const QString& text) {
    QStringList pieces;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    while (breaks.toNextBoundary() != -1) {
        const QString piece = text.mid(start, breaks.position() - start).trimmed();
        if (!piece.isEmpty()) pieces << piece;
        start = breaks.position();
    }
    return pieces;
}

void CheckLabel(const QLabel* label, std::vector<QString>& cut) {
    const QRect box = label->contentsRect().marginsRemoved(
        QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
    const QFontMetrics metrics(label->font());
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    QString text = label->text();
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setHtml(text);
        text = document.toPlainText();
    } else if (label->buddy() != nullptr) {
        text = WithoutAccessKey(text);
    }
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(box, Qt::TextWordWrap | int(label->alignment()), text);
        if (needed.height() > box.height()) cut.push_back(Fault(label, text, needed.height(), box.height(), "px high"));
        for (const QString& word : Unbreakable(text)) {
            if (metrics.horizontalAdvance(word) > box.width())
                cut.push_back(Fault(label, word, metrics.horizontalAdvance(word), box.width()));
        }
        return;
    }
    for (const QString& line : text.split(u'\n')) {
        const int width = metrics.horizontalAdvance(line);
        if (width > box.width()) cut.push_back(Fault(label, line, width, box.width()));
    }
}

void CheckButton(const QAbstractButton* button, std::vector<QString>& cut) {
    const QString text = WithoutAccessKey(button->text());
    const int width = QFontMetrics(button->font()).horizontalAdvance(text);
    int has = button->width();
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<const QCheckBox*>(button) != nullptr;
        has =
            button->style()
                ->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button)
                .width();
    } else if (qobject_cast<const QPushButton*>(button)) {
        has -= 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) / 2 + 4;
    }
    if (width > has) cut.push_back(Fault(button, text, width, has));
}

void CheckCaption(const QWidget* widget, const QString& caption, const QFont& font, int has,
                  std::vector<QString>& cut) {
    const QString text = WithoutAccessKey(caption);
    const int width = QFontMetrics(font).horizontalAdvance(text);
    if (width > has) cut.push_back(Fault(widget, text, width, has));
}

} // namespace

std::vector<QString> CutTexts(const QWidget* window) {
    std::vector<QString> cut;
    QList<const QWidget*> widgets{window};
    for (const QWidget* child : window->findChildren<const QWidget*>()) widgets.push_back(child);
    for (const QWidget* widget : widgets) {
        if (!widget->isVisible()) continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (!label->text().isEmpty()) CheckLabel(label, cut);
        } else if (const auto* owner = qobject_cast<const chameleon::chameleonButton*>(widget)) {
            // The caption is drawn inside the button's border, a few pixels each side.
            if (!owner->Caption().isEmpty())
                CheckCaption(owner, owner->Caption(), owner->Font(), owner->width() - 6, cut);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (!button->text().isEmpty()) CheckButton(button, cut);
        } else if (const auto* frame = qobject_cast<const host::Frame*>(widget)) {
            // From 8 pixels in, with a pixel of gap each side, and the border's 2 pixels at the right.
            if (!frame->caption().isEmpty())
                CheckCaption(frame, frame->caption(), frame->font(), frame->width() - 8 - 2 - 2, cut);
        }
    }
    return cut;
}

std::vector<QString> CutWrappedCells(const QTableWidget* table) {
    constexpr int kMargins = 6;
    std::vector<QString> cut;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            if (!item || item->text().isEmpty()) continue;
            const QFontMetrics metrics(item->data(Qt::FontRole).isValid() ? item->font() : table->font());
            const int width = table->columnWidth(column) - kMargins;
            const QRect needed = metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, item->text());
            if (needed.height() + kMargins > table->rowHeight(row))
                cut.push_back(Fault(table, item->text(), needed.height() + kMargins, table->rowHeight(row), "px high"));
            for (const QString& word : Unbreakable(item->text())) {
                if (metrics.horizontalAdvance(word) > width)
                    cut.push_back(Fault(table, word, metrics.horizontalAdvance(word), width));
            }
        }
    }
    return cut;
}

std::set<std::pair<QString, QString>> OverlappingTexts(const QWidget* window) {
    std::set<std::pair<QString, QString>> overlapping;
    QList<const QWidget*> parents{window};
    for (const QWidget* child : window->findChildren<const QWidget*>()) parents.push_back(child);
    for (const QWidget* parent : parents) {
        QList<const QWidget*> texts;
        for (const QObject* child : parent->children()) {
            const auto* widget = qobject_cast<const QWidget*>(child);
            if (widget && !widget->isWindow() && widget->isVisible() && ShowsText(widget)) texts.push_back(widget);
        }
        for (qsizetype i = 0; i < texts.size(); ++i) {
            for (qsizetype j = i + 1; j < texts.size(); ++j) {
                if (!texts[i]->geometry().intersects(texts[j]->geometry())) continue;
                QString a = Name(texts[i]), b = Name(texts[j]);
                if (b < a) std::swap(a, b);
                overlapping.emplace(a, b);
            }
        }
    }
    return overlapping;
}

std::map<QString, QStringList> AccessKeyOwners(const QWidget* window) {
    std::map<QString, QStringList> owners;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const QKeySequence key = host::AccessKeys::AccessKeyOf(widget);
        if (widget->isVisible() && !key.isEmpty()) owners[key.toString()] << widget->objectName();
    }
    return owners;
}

} // namespace testsupport
