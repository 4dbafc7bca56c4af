// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedFileDialogs.h"

namespace host {

QString ScriptedFileDialogs::SaveFileName(QWidget* owner, const SaveFileRequest& request) {
    (void)owner;
    requests_.push_back(request);
    return Next();
}

QStringList ScriptedFileDialogs::OpenFileNames(QWidget* owner, const OpenFilesRequest& request) {
    (void)owner;
    (void)request;
    const QString paths = Next();
    return paths.isEmpty() ? QStringList() : paths.split(u'\n');
}

QString ScriptedFileDialogs::ExistingFolder(QWidget* owner, const FolderRequest& request) {
    (void)owner;
    (void)request;
    return Next();
}

QString ScriptedFileDialogs::Next() {
    if (paths_.empty()) return {};
    const QString path = paths_.front();
    paths_.pop_front();
    return path;
}

} // namespace host
