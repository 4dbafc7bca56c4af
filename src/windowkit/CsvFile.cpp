// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowkit/CsvFile.h"

#include "host/qt/FileDialogs.h"
#include "host/qt/MessageBoxes.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <string>

namespace windowkit {

SaveDialogs WithSystemDialogs(SaveDialogs dialogs) {
    if (dialogs.files == nullptr) dialogs.files = &host::SystemFileDialogs();
    if (dialogs.messages == nullptr) dialogs.messages = &host::SystemMessageBoxes();
    return dialogs;
}

QString SuggestedPath(const QString& fileName) {
    // Qt names the documents folder whether or not it exists (~/Documents where the user's
    // folders are not configured); a path into a folder that is not there cannot be saved
    // to as it stands, and the dialog would show it relative to the working folder.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& contents) {
    // Unbuffered, because a buffered QSaveFile loses a short write: when the disk fills
    // up (or the file size limit is reached) part-way through, the flush in commit()
    // writes what fits, reports no error and the truncated file replaces the old one.
    // Writing it ourselves, a short write is followed by one that fails and says why.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    qint64 written = 0;
    while (written < contents.size()) {
        const qint64 step = file.write(contents.constData() + written, contents.size() - written);
        if (step <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += step;
    }
    // commit() syncs the file and renames it over the old one; where that fails the
    // temporary file is removed and the old file stays.
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

bool SaveCsv(QWidget* owner, const QString& suggestedPath, const std::string& csv, host::FileDialogs& files,
             host::MessageBoxes& messages) {
    const QString path =
        files.SaveFileName(owner, {QCoreApplication::translate("windowkit::CsvFile", "Save answers as CSV"),
                                   suggestedPath,
                                   {QCoreApplication::translate("windowkit::CsvFile", "CSV files (*.csv)"),
                                    QCoreApplication::translate("windowkit::CsvFile", "All files (*)")},
                                   QStringLiteral("csv")});
    if (path.isEmpty()) return false;
    const std::optional<QString> failure =
        WriteFileAtomically(path, QByteArray::fromRawData(csv.data(), static_cast<qsizetype>(csv.size())));
    if (!failure) return true;
    //: The file's path, then on a line of its own the system's reason.
    const QString text =
        QCoreApplication::translate("windowkit::CsvFile", "The answers could not be saved to \"%1\":\n%2");
    messages.Show(owner, {text.arg(QDir::toNativeSeparators(path), *failure), QStringLiteral("Tavrendale"),
                          host::MessageIcon::Warning, host::MessageButtons::Ok});
    return false;
}

} // namespace windowkit
