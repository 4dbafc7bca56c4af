// SPDX-License-Identifier: GPL-3.0-or-later
#include "historystore/HistoryFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace historystore {
namespace {

// A name in `folder` that no file has yet: the suggested one, else with "-2", "-3", … before ".csv".
QString FreePath(const QDir& folder, const QString& name) {
    QString path = folder.filePath(name);
    for (int n = 2; QFileInfo::exists(path); ++n) {
        QString numbered = name;
        numbered.insert(numbered.size() - 4, QStringLiteral("-%1").arg(n));
        path = folder.filePath(numbered);
    }
    return path;
}

} // namespace

std::optional<engine::SittingId> ImportFile(engine::HistoryStore& store, const QString& path, engine::ImportHints hints,
                                            FileProblem& problem) {
    problem = {};
    problem.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem.kind = FileProblem::Kind::File;
        problem.reason = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaxImportBytes) {
        problem.kind = FileProblem::Kind::NotOurs;
        problem.csv = {0, "the file is larger than any the program writes"};
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    const QFileInfo info(path);
    hints.fileName = info.fileName().toStdString();
    const QDateTime now = QDateTime::currentDateTime();
    if (hints.utcOffsetMinutes == 0) hints.utcOffsetMinutes = now.offsetFromUtc() / 60;
    if (hints.fallbackTime.utcMs == 0) {
        const QDateTime modified = info.lastModified();
        hints.fallbackTime = {modified.toMSecsSinceEpoch(), modified.offsetFromUtc() / 60};
    }
    const std::optional<engine::KeptSitting> sitting = engine::ImportCsv(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), hints, problem.csv);
    if (!sitting) {
        problem.kind = FileProblem::Kind::NotOurs;
        return std::nullopt;
    }
    const std::optional<engine::SittingId> id = store.Keep(*sitting, problem.fault);
    if (!id) problem.kind = FileProblem::Kind::Store;
    return id;
}

std::vector<QString> ExportSittings(engine::HistoryStore& store, const std::vector<engine::SittingId>& ids,
                                    const QString& folder, const WriteFile& write, FileProblem& problem) {
    problem = {};
    std::vector<engine::SittingId> chosen = ids;
    if (chosen.empty()) {
        const std::optional<std::vector<engine::SittingSummary>> all = store.List({}, problem.fault);
        if (!all) {
            problem.kind = FileProblem::Kind::Store;
            return {};
        }
        for (const engine::SittingSummary& summary : *all) chosen.push_back(summary.id);
    }
    const QDir dir(folder);
    std::vector<QString> written;
    for (const engine::SittingId id : chosen) {
        const std::optional<engine::KeptSitting> sitting = store.Load(id, problem.fault);
        if (!sitting) {
            problem.kind = FileProblem::Kind::Store;
            return written;
        }
        const QString path = FreePath(dir, QString::fromStdString(engine::ExportFileName(*sitting)));
        const std::string csv = engine::ExportCsv(*sitting);
        if (const std::optional<QString> failure =
                write(path, QByteArray::fromRawData(csv.data(), static_cast<qsizetype>(csv.size())))) {
            problem = {FileProblem::Kind::File, path, *failure, {}, {}};
            return written;
        }
        written.push_back(path);
    }
    return written;
}

} // namespace historystore
