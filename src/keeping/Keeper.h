// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/HistoryStore.h"
#include "engine/KeptSitting.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace keeping {

// Whether the user keeps a history of sittings on this computer.
enum class Consent {
    // Not asked yet: nothing is kept, and the first results to open ask.
    NotAsked,
    Keep,
    DontKeep,
};

// Where the answer and the history live; the platform's own places where empty.
struct KeeperOptions {
    // An INI file the answer is kept in; QSettings' own where empty (on Linux
    // ~/.config/Tavrendale/Tavrendale.conf, key History/keep).
    QString settingsFile;
    // The history's database; history.sqlite in the application-data folder where empty.
    QString storePath;
};

// The program's history as its windows use it: the user's answer whether to keep one, the
// store, made only when there is something to read or the user keeps one, and the word that
// the history changed. Nothing is read before it is asked for, and nothing is written before
// the user says yes: neither the answer nor the history's file.
class Keeper final : public QObject {
    Q_OBJECT
public:
    explicit Keeper(KeeperOptions options = {}, QObject* parent = nullptr);
    ~Keeper() override;

    // The answer, read when first asked for.
    Consent consent() const;
    // Remembers the user's answer and tells every window (consentChanged).
    void SetConsent(bool keep);

    // The store: made when first asked for where the user keeps a history or its file
    // exists; null otherwise, so that reading an empty history makes no file.
    engine::HistoryStore* store();
    // The history's file, whether or not it exists.
    QString path() const;

    // Keeps `sitting`, where the user keeps a history; says why not in `fault` otherwise
    // (a Failed fault without a reason where the user does not keep one). Tells every window
    // (historyChanged) once it is kept.
    std::optional<engine::SittingId> Keep(const engine::KeptSitting& sitting, engine::StoreFault& fault);
    // For a damaged history, once the user has been told: sets its file aside under a dated
    // name and starts an empty one. Returns where the old file went.
    std::optional<QString> SetAsideAndStartAfresh(engine::StoreFault& fault);
    // Tells every window that the history changed (sittings deleted or imported).
    void NotifyChanged() { emit historyChanged(); }

    // How the History window opens over `owner`; the windows that offer it ask whether it can.
    void setWindowOpener(std::function<void(QWidget* owner)> opener) { opener_ = std::move(opener); }
    bool canOpenWindow() const { return static_cast<bool>(opener_); }
    void OpenWindow(QWidget* owner) const;

signals:
    void consentChanged();
    void historyChanged();

private:
    KeeperOptions options_;
    mutable std::optional<Consent> consent_;
    std::unique_ptr<engine::HistoryStore> store_;
    std::function<void(QWidget*)> opener_;
};

// The program's one keeper, made when first asked for (which reads nothing) and owned by the
// application object.
Keeper& ProgramKeeper();
// Makes `keeper` the one ProgramKeeper() gives, for tests and benchmarks; null gives the
// program's own back.
void UseKeeper(Keeper* keeper);

// One finished sitting on its way into the history: kept as soon as the user keeps a history
// (at once where they already do, when they say yes where they have not been asked yet), and
// once only. What the user must know of it is its state, which every window showing the
// sitting puts in its bar (KeepBar).
class SittingKeeping final : public QObject {
    Q_OBJECT
public:
    enum class State {
        // The user has not been asked yet.
        Asking,
        // The user keeps no history.
        NotKept,
        Kept,
        // The store could not keep it: fault() says why.
        Failed,
    };

    // Kept at once where the user keeps a history.
    SittingKeeping(engine::KeptSitting sitting, Keeper& keeper, QObject* parent = nullptr);
    ~SittingKeeping() override;

    State state() const { return state_; }
    const engine::StoreFault& fault() const { return fault_; }
    // The kept sitting's id; 0 until it is kept.
    engine::SittingId id() const { return id_; }
    const engine::KeptSitting& sitting() const { return sitting_; }
    Keeper& keeper() const { return keeper_; }

    // Tries again after a fault.
    void Retry();

signals:
    void stateChanged();

private:
    void Update();

    engine::KeptSitting sitting_;
    Keeper& keeper_;
    State state_ = State::Asking;
    engine::StoreFault fault_;
    engine::SittingId id_ = 0;
};

} // namespace keeping
