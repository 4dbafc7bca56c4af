// SPDX-License-Identifier: GPL-3.0-or-later
#include "keeping/Keeper.h"

#include "historystore/SqliteHistoryStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>
#include <utility>

namespace keeping {

namespace {

const QString kConsentKey = QStringLiteral("History/keep");
const QString kYes = QStringLiteral("yes");
const QString kNo = QStringLiteral("no");

Keeper* installed = nullptr;

std::unique_ptr<QSettings> OpenSettings(const KeeperOptions& options) {
    if (!options.settingsFile.isEmpty()) return std::make_unique<QSettings>(options.settingsFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Tavrendale"),
                                       QStringLiteral("Tavrendale"));
}

} // namespace

Keeper::Keeper(KeeperOptions options, QObject* parent) : QObject(parent), options_(std::move(options)) {}

Keeper::~Keeper() = default;

Consent Keeper::consent() const {
    if (!consent_) {
        const QString answer = OpenSettings(options_)->value(kConsentKey).toString();
        consent_ = answer == kYes ? Consent::Keep : answer == kNo ? Consent::DontKeep : Consent::NotAsked;
    }
    return *consent_;
}

void Keeper::SetConsent(bool keep) {
    const Consent answer = keep ? Consent::Keep : Consent::DontKeep;
    if (consent_ == answer) return;
    consent_ = answer;
    const std::unique_ptr<QSettings> settings = OpenSettings(options_);
    settings->setValue(kConsentKey, keep ? kYes : kNo);
    settings->sync();
    emit consentChanged();
}

QString Keeper::path() const {
    return options_.storePath.isEmpty() ? historystore::DefaultHistoryPath() : options_.storePath;
}

engine::HistoryStore* Keeper::store() {
    if (!store_) {
        // A store makes its file on its first call: only where there is one, or the user keeps one.
        if (consent() != Consent::Keep && !QFileInfo::exists(path())) return nullptr;
        store_ = std::make_unique<historystore::SqliteHistoryStore>(historystore::StoreOptions{path()});
    }
    return store_.get();
}

std::optional<engine::SittingId> Keeper::Keep(const engine::KeptSitting& sitting, engine::StoreFault& fault) {
    fault = {};
    engine::HistoryStore* history = consent() == Consent::Keep ? store() : nullptr;
    if (!history) {
        fault.kind = engine::StoreFault::Kind::Failed;
        fault.path = path().toStdString();
        return std::nullopt;
    }
    const std::optional<engine::SittingId> id = history->Keep(sitting, fault);
    if (id) emit historyChanged();
    return id;
}

std::optional<QString> Keeper::SetAsideAndStartAfresh(engine::StoreFault& fault) {
    fault = {};
    engine::HistoryStore* history = store();
    if (!history) return std::nullopt;
    const std::optional<std::string> aside = history->SetAsideAndStartAfresh(fault);
    if (!aside) return std::nullopt;
    emit historyChanged();
    return QString::fromStdString(*aside);
}

void Keeper::OpenWindow(QWidget* owner) const {
    if (opener_) opener_(owner);
}

Keeper& ProgramKeeper() {
    if (installed) return *installed;
    // The application owns it, so that its database connection closes while Qt SQL is there.
    static QPointer<Keeper> keeper;
    if (!keeper) keeper = new Keeper({}, QCoreApplication::instance());
    return *keeper;
}

void UseKeeper(Keeper* keeper) { installed = keeper; }

SittingKeeping::SittingKeeping(engine::KeptSitting sitting, Keeper& keeper, QObject* parent)
    : QObject(parent), sitting_(std::move(sitting)), keeper_(keeper) {
    connect(&keeper_, &Keeper::consentChanged, this, &SittingKeeping::Update);
    Update();
}

SittingKeeping::~SittingKeeping() = default;

void SittingKeeping::Retry() {
    if (state_ == State::Failed) Update();
}

void SittingKeeping::Update() {
    // Kept once; and a sitting that ended while the user kept no history stays unkept, even
    // where they keep one later.
    if (state_ == State::Kept || state_ == State::NotKept) return;
    switch (keeper_.consent()) {
    case Consent::NotAsked: state_ = State::Asking; break;
    case Consent::DontKeep: state_ = State::NotKept; break;
    case Consent::Keep:
        if (const std::optional<engine::SittingId> id = keeper_.Keep(sitting_, fault_)) {
            id_ = *id;
            state_ = State::Kept;
        } else {
            state_ = State::Failed;
        }
        break;
    }
    emit stateChanged();
}

} // namespace keeping
