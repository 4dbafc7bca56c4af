// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/FileDialogs.h"

#include <QFileDialog>

namespace host {

QString QtFileDialogs::SaveFileName(QWidget* owner, const SaveFileRequest& request) {
    QFileDialog dialog(owner, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.suggestedPath);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

QStringList QtFileDialogs::OpenFileNames(QWidget* owner, const OpenFilesRequest& request) {
    QFileDialog dialog(owner, request.title, request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(request.filters);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString QtFileDialogs::ExistingFolder(QWidget* owner, const FolderRequest& request) {
    QFileDialog dialog(owner, request.title, request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

FileDialogs& SystemFileDialogs() {
    static QtFileDialogs dialogs;
    return dialogs;
}

} // namespace host
