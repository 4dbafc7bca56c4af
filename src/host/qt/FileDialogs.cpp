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

FileDialogs& SystemFileDialogs() {
    static QtFileDialogs dialogs;
    return dialogs;
}

} // namespace host
