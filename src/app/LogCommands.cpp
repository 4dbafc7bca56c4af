// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LogCommands.h"

#include <QAction>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <utility>

namespace app {

LogCommands::LogCommands(QListWidget* log, Handlers handlers)
    : QObject(log), lstStat(log), handlers_(std::move(handlers)) {
    // The log's commands live in its context menu; the tooltip and the description say so.
    const QString hint = tr("Right-click, or press the Menu key or Shift+F10, to show the work curve, save the "
                            "answers as CSV or copy the results, or to open the exam sheets (%1) or the history")
                             .arg(ExamSheetsKey().toString(QKeySequence::NativeText));
    lstStat->setToolTip(hint);
    lstStat->setAccessibleDescription(hint);
    lstStat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstStat, &QWidget::customContextMenuRequested, this, &LogCommands::lstStat_ContextMenu);
    lstStat->installEventFilter(this);
}

void LogCommands::MakeMenu() {
    mnuLog = new QMenu(lstStat->window());
    mnuLog->setObjectName(QStringLiteral("mnuLog"));
    mnuLog->setAccessibleName(tr("Answer log"));
    // Disabled items say why in their tooltip.
    mnuLog->setToolTipsVisible(true);
    mnuShowWorkCurve = mnuLog->addAction(tr("Show &work curve"));
    mnuShowWorkCurve->setObjectName(QStringLiteral("mnuShowWorkCurve"));
    mnuSaveAnswers = mnuLog->addAction(tr("&Save answers as CSV…"));
    mnuSaveAnswers->setObjectName(QStringLiteral("mnuSaveAnswers"));
    mnuCopyResults = mnuLog->addAction(tr("&Copy results"));
    mnuCopyResults->setObjectName(QStringLiteral("mnuCopyResults"));
    mnuLog->addSeparator();
    mnuExamSheets = mnuLog->addAction(tr("&Exam sheets…"));
    mnuExamSheets->setObjectName(QStringLiteral("mnuExamSheets"));
    // Shown beside the item; the window's own shortcut does the work, so the item's stays
    // with the menu.
    mnuExamSheets->setShortcut(ExamSheetsKey());
    mnuExamSheets->setShortcutContext(Qt::WidgetShortcut);
    mnuExamSheets->setToolTip(
        tr("Practise the Kraepelin, Uchida-Kraepelin and Pauli test sheets, timed as in the test (%1)")
            .arg(ExamSheetsKey().toString(QKeySequence::NativeText)));
    mnuHistory = mnuLog->addAction(tr("&History…"));
    mnuHistory->setObjectName(QStringLiteral("mnuHistory"));
    mnuHistory->setToolTip(tr("Your kept sittings and runs, their scores over time and the trend"));
    connect(mnuExamSheets, &QAction::triggered, this, [this] { handlers_.showExamSheets(); });
    connect(mnuHistory, &QAction::triggered, this, [this] { handlers_.showHistory(); });
    connect(mnuShowWorkCurve, &QAction::triggered, this, [this] { handlers_.showWorkCurve(); });
    connect(mnuSaveAnswers, &QAction::triggered, this, [this] { handlers_.saveAnswers(); });
    connect(mnuCopyResults, &QAction::triggered, this, [this] { handlers_.copyResults(); });
    mnuLog->installEventFilter(this);
}

void LogCommands::lstStat_ContextMenu(const QPoint& position) {
    if (!mnuLog) MakeMenu();
    // The platform may turn the same key press into a context-menu request as well.
    if (mnuLog->isVisible()) return;
    const QString unavailable = handlers_.unavailable();
    const bool available = unavailable.isEmpty();
    const struct {
        QAction* action;
        QString toolTip;
    } items[] = {
        {mnuShowWorkCurve, tr("Answers per minute, answer times and the digit-pair map of the last run")},
        {mnuSaveAnswers, tr("Save every answer of the last run, with its answer time, to a CSV file")},
        {mnuCopyResults, tr("Copy the answer log and the results of the last run as plain text")},
    };
    for (const auto& item : items) {
        item.action->setEnabled(available);
        item.action->setToolTip(available ? item.toolTip : unavailable);
    }
    // Screen readers read no tooltip of a menu item: the menu itself says why its items are off.
    mnuLog->setAccessibleDescription(unavailable);
    mnuLog->popup(lstStat->mapToGlobal(position));
    mnuLog->setActiveAction(available ? mnuShowWorkCurve : mnuExamSheets);
}

QPoint LogCommands::KeyboardPosition() const {
    const QListWidgetItem* current = lstStat->currentItem();
    const QRect item = current ? lstStat->visualItemRect(current) : QRect();
    const QPoint corner =
        item.isValid() && lstStat->viewport()->rect().intersects(item) ? item.bottomLeft() : QPoint(0, 0);
    return lstStat->viewport()->mapTo(lstStat, corner);
}

bool LogCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == lstStat && event->type() == QEvent::KeyPress) {
        // The keyboard's ways to the context menu, on every platform alike.
        const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (menuKey || shiftF10) {
            if (shiftF10) takesF10Release_ = true;
            lstStat_ContextMenu(KeyboardPosition());
            return true;
        }
        return false;
    }
    // F10's release goes to the menu the press opened (or to the log, where none opened).
    // Left to the platform, Windows takes a released F10 as the key to the window's own
    // menu and enters its menu mode over the log's menu, which then loses its keys.
    if ((watched == lstStat || watched == mnuLog) && event->type() == QEvent::KeyRelease && key->key() == Qt::Key_F10 &&
        takesF10Release_) {
        if (!key->isAutoRepeat()) takesF10Release_ = false;
        key->accept();
        return true;
    }
    return false;
}

} // namespace app
