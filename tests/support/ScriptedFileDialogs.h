// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/qt/FileDialogs.h"

#include <deque>
#include <vector>

namespace host {

// File dialogs answered from a script, for tests: every save request is recorded, and the
// chosen paths are taken in order, by every kind of dialog alike (the files to open are one
// entry, separated by newlines). With the script empty the dialog is cancelled.
class ScriptedFileDialogs final : public FileDialogs {
public:
    // The path the next dialog returns; the empty text cancels it.
    void Choose(const QString& path) { paths_.push_back(path); }

    const std::vector<SaveFileRequest>& requests() const { return requests_; }

    QString SaveFileName(QWidget* owner, const SaveFileRequest& request) override;
    QStringList OpenFileNames(QWidget* owner, const OpenFilesRequest& request) override;
    QString ExistingFolder(QWidget* owner, const FolderRequest& request) override;

private:
    QString Next();

    std::deque<QString> paths_;
    std::vector<SaveFileRequest> requests_;
};

} // namespace host
