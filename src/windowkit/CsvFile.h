// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>

class QByteArray;
class QWidget;

namespace host {
class FileDialogs;
class MessageBoxes;
} // namespace host

// Saving a CSV file, only when the user asks for it.
namespace windowkit {

// What a window asks the user through when it saves: where to (the save dialog) and, where
// that fails, why (a message box).
struct SaveDialogs {
    host::FileDialogs* files = nullptr;
    host::MessageBoxes* messages = nullptr;
};

// `dialogs` with the platform's own where none is given.
SaveDialogs WithSystemDialogs(SaveDialogs dialogs);

// `fileName` in the user's documents folder, or in the home folder where there is none: an
// absolute path into a folder that exists.
QString SuggestedPath(const QString& fileName);

// Replaces the file at `path` by `contents` in one step: the contents go to a temporary
// file beside it, which takes the file's place only once everything is written. Returns
// the system's reason when that fails; a failure leaves no partial file behind and the
// old file, if there was one, as it was.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& contents);

// The "Save answers as CSV" command: asks the user where, in the platform's save dialog over
// `owner`, suggesting `suggestedPath`, and writes `csv` there atomically. A failure is
// reported in a message box that names the path and the reason. Returns whether the file
// was written; cancelling the dialog writes nothing.
bool SaveCsv(QWidget* owner, const QString& suggestedPath, const std::string& csv, host::FileDialogs& files,
             host::MessageBoxes& messages);

} // namespace windowkit
