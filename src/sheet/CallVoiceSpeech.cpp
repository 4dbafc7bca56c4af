// SPDX-License-Identifier: GPL-3.0-or-later
// The calls spoken through Qt TextToSpeech, on a thread of their own.
#include "sheet/CallVoice.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <memory>
#include <utility>

namespace sheet {
namespace {

// How long closing the window waits for the voice's thread. An engine hung inside the speech
// service is left behind rather than waited for.
constexpr unsigned long kCloseWaitMs = 2000;

// The engine's side, on the voice's thread: every call to Qt TextToSpeech is made there. It
// knows the caller only through `report`.
class SpeechEngine final : public QObject {
public:
    explicit SpeechEngine(std::function<void(VoiceState)> report) : report_(std::move(report)) {}

    void Open(const QString& language) {
        if (speech_ == nullptr) {
            speech_ = new QTextToSpeech(this);
            connect(speech_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
                if (state == QTextToSpeech::Error) report_(VoiceState::Failed);
            });
        }
        // Without a plugin, or where the plugin cannot reach the speech service, the engine
        // is in its error state from the start.
        if (speech_->engine().isEmpty() || speech_->state() == QTextToSpeech::Error) {
            report_(VoiceState::NoEngine);
            return;
        }
        const QLocale wanted(language);
        const QList<QLocale> locales = speech_->availableLocales();
        // The language's own territory first (ja_JP, id_ID), else any voice of the language.
        const QLocale* chosen = nullptr;
        for (const QLocale& locale : locales) {
            if (locale.language() != wanted.language()) continue;
            if (chosen == nullptr || locale.territory() == wanted.territory()) chosen = &locale;
        }
        if (chosen == nullptr) {
            report_(VoiceState::NoVoiceForLanguage);
            return;
        }
        speech_->setLocale(*chosen);
        report_(VoiceState::Ready);
    }

    void Say(const QString& text) {
        if (speech_ == nullptr) return;
        speech_->stop();
        speech_->say(text);
    }

private:
    std::function<void(VoiceState)> report_;
    QTextToSpeech* speech_ = nullptr;
};

class SpeechCallVoice final : public CallVoice {
public:
    SpeechCallVoice() : thread_(new QThread), context_(new QObject) {
        thread_->setObjectName(QStringLiteral("CallVoice"));
        // Reports cross to the caller's thread through the context, and reach this voice only
        // while it lives.
        engine_ = new SpeechEngine([context = context_, alive = alive_, this](VoiceState state) {
            QMetaObject::invokeMethod(
                context,
                [alive, this, state] {
                    if (*alive) SetState(state);
                },
                Qt::QueuedConnection);
        });
        engine_->moveToThread(thread_);
    }

    ~SpeechCallVoice() override {
        *alive_ = false;
        if (!thread_->isRunning()) {
            delete engine_;
            delete thread_;
            delete context_;
            return;
        }
        QMetaObject::invokeMethod(
            engine_,
            [engine = engine_, thread = thread_] {
                delete engine;
                thread->quit();
            },
            Qt::QueuedConnection);
        if (thread_->wait(kCloseWaitMs)) {
            delete thread_;
            delete context_;
        }
        // Otherwise the thread, the engine and the context stay until the process ends:
        // destroying a running thread would end the process.
    }

    void Prepare(const QString& language) override {
        if (state_ == VoiceState::NoEngine || state_ == VoiceState::Failed) return;
        if (language == language_ && state_ != VoiceState::Loading) return;
        language_ = language;
        SetState(VoiceState::Loading);
        // Speech-dispatcher is started and asked for its voices when the first sheet needs a
        // voice, not with the program: that takes seconds where it has to start the service.
        if (!thread_->isRunning()) thread_->start();
        QMetaObject::invokeMethod(
            engine_, [engine = engine_, language] { engine->Open(language); }, Qt::QueuedConnection);
    }

    VoiceState state() const override { return state_; }

    void Say(const QString& text) override {
        if (state_ != VoiceState::Ready) return;
        QMetaObject::invokeMethod(
            engine_, [engine = engine_, text] { engine->Say(text); }, Qt::QueuedConnection);
    }

private:
    void SetState(VoiceState state) {
        // A failure is final: the engine is not trusted again in this process.
        if (state_ == state || state_ == VoiceState::Failed) return;
        state_ = state;
        Report(state);
    }

    QThread* thread_;
    QObject* context_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    SpeechEngine* engine_ = nullptr;
    QString language_;
    VoiceState state_ = VoiceState::Loading;
};

} // namespace

std::unique_ptr<CallVoice> MakeSystemCallVoice() { return std::make_unique<SpeechCallVoice>(); }

} // namespace sheet
