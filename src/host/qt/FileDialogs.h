// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace host {

struct SaveFileRequest {
    QString title;
    // The folder and name the dialog starts with.
    QString suggestedPath;
    // Name filters such as "CSV files (*.csv)"; the first is selected.
    QStringList filters;
    // Appended to a name typed without a suffix ("csv", without the dot).
    QString defaultSuffix;
};

struct OpenFilesRequest {
    QString title;
    // The folder the dialog starts in.
    QString folder;
    QStringList filters;
};

struct FolderRequest {
    QString title;
    QString folder;
};

// The platform's file dialogs. The windows ask through this interface so that tests can
// choose a file in the user's place.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Asks modally over `owner` where to save; returns the chosen path, or the empty
    // text when the user cancelled. The dialog itself asks before replacing a file.
    virtual QString SaveFileName(QWidget* owner, const SaveFileRequest& request) = 0;
    // Asks modally over `owner` for existing files to open; none when the user cancelled.
    virtual QStringList OpenFileNames(QWidget* owner, const OpenFilesRequest& request) = 0;
    // Asks modally over `owner` for an existing folder; the empty text when the user cancelled.
    virtual QString ExistingFolder(QWidget* owner, const FolderRequest& request) = 0;
};

// The platform's own save dialog, through Qt.
class QtFileDialogs final : public FileDialogs {
public:
    QString SaveFileName(QWidget* owner, const SaveFileRequest& request) override;
    QStringList OpenFileNames(QWidget* owner, const OpenFilesRequest& request) override;
    QString ExistingFolder(QWidget* owner, const FolderRequest& request) override;
};

// The program's one instance of the real dialogs.
FileDialogs& SystemFileDialogs();

} // namespace host
