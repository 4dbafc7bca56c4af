// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedFileDialogs.h"

namespace host {

QString ScriptedFileDialogs::SaveFileName(QWidget* owner, const SaveFileRequest& request) {
    (void)owner;
    requests_.push_back(request);
    if (paths_.empty()) return {};
    const QString path = paths_.front();
    paths_.pop_front();
    return path;
}

} // namespace host
