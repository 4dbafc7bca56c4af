// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <set>
#include <tuple>

namespace testsupport {

// Records the texts Qt looks up and no catalog translates. Installed before the catalogs, it
// is asked only after every one of them has answered nothing. Qt's file dialog asks from its
// file information thread too.
class UntranslatedRecorder final : public QTranslator {
public:
    UntranslatedRecorder() { QCoreApplication::installTranslator(this); }
    ~UntranslatedRecorder() override { QCoreApplication::removeTranslator(this); }
    UntranslatedRecorder(const UntranslatedRecorder&) = delete;
    UntranslatedRecorder& operator=(const UntranslatedRecorder&) = delete;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override {
        (void)n;
        const QMutexLocker lock(&mutex_);
        untranslated_.insert({QString::fromUtf8(context), QString::fromUtf8(sourceText),
                              QString::fromUtf8(disambiguation ? disambiguation : "")});
        return {};
    }

    // "context: source (disambiguation)", one a line.
    QString Untranslated() const {
        const QMutexLocker lock(&mutex_);
        QStringList lines;
        for (const auto& [context, source, disambiguation] : untranslated_) {
            lines << QStringLiteral("%1: %2%3")
                         .arg(context, source, disambiguation.isEmpty() ? QString() : " (" + disambiguation + ")");
        }
        return lines.join(u'\n');
    }
    // Forgets what was asked so far: installing each catalog asks again for the layout
    // direction, before the catalog that has it is installed.
    void Clear() {
        const QMutexLocker lock(&mutex_);
        untranslated_.clear();
    }
    std::size_t Count() const {
        const QMutexLocker lock(&mutex_);
        return untranslated_.size();
    }

private:
    mutable QMutex mutex_;
    mutable std::set<std::tuple<QString, QString, QString>> untranslated_;
};

// The texts of the context menu `target` opens at `at`, the submenus' included. Some menus
// run their own event loop until closed, others only pop up.
inline QStringList ContextMenuTexts(QWidget* target, QPoint at) {
    QStringList texts;
    bool read = false;
    const auto readMenu = [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || read) return;
        read = true;
        const std::function<void(const QMenu*)> readActions = [&](const QMenu* shown) {
            for (const QAction* action : shown->actions()) {
                // "&Copy\tCtrl+C": the command, then its keys.
                texts << action->text().split(u'\t', Qt::SkipEmptyParts);
                if (action->menu()) readActions(action->menu());
            }
        };
        readActions(menu);
        menu->close();
    };
    QTimer reader;
    reader.setInterval(10);
    QObject::connect(&reader, &QTimer::timeout, readMenu);
    reader.start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    readMenu();
    return texts;
}

} // namespace testsupport
