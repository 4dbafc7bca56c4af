// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QListWidget;
class QMenu;
class QPoint;

namespace app {

// The answer log's commands: its context menu "Show work curve", "Save answers as CSV…"
// and "Copy results", the ways it opens (the right button, the Menu key, Shift+F10) and
// when its items can be used, which their tooltips and the menu's description say; and
// "Exam sheets…", which can always be used and which the window's own shortcut
// (ExamSheetsKey) opens too, and "History…", which can always be used.
class LogCommands final : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        // Why the commands cannot be used now; empty when they can. Asked at every opening.
        std::function<QString()> unavailable;
        std::function<void()> showWorkCurve;
        std::function<void()> saveAnswers;
        std::function<void()> copyResults;
        std::function<void()> showExamSheets;
        std::function<void()> showHistory;
    };

    // The main window's shortcut to the exam sheets, which the menu item shows.
    static QKeySequence ExamSheetsKey() { return QKeySequence(Qt::CTRL | Qt::Key_E); }

    // Gives `log` its commands and the hint that says where they are. Belongs to `log`.
    LogCommands(QListWidget* log, Handlers handlers);

    // Opens the menu at `position` in the log's coordinates, its items enabled or not
    // and described as the handlers say; the menu is made when first opened.
    void lstStat_ContextMenu(const QPoint& position);

    // The menu, once it has been opened.
    QMenu* menu() const { return mnuLog; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MakeMenu();
    // Where the keyboard opens the menu: under the current row where it is in view, else
    // at the log's top-left corner.
    QPoint KeyboardPosition() const;

    QListWidget* lstStat;
    Handlers handlers_;
    QMenu* mnuLog = nullptr;
    QAction* mnuShowWorkCurve = nullptr;
    QAction* mnuSaveAnswers = nullptr;
    QAction* mnuCopyResults = nullptr;
    QAction* mnuExamSheets = nullptr;
    QAction* mnuHistory = nullptr;
    // The log took an F10 press (Shift+F10) and takes its release too.
    bool takesF10Release_ = false;
};

} // namespace app
