// SPDX-License-Identifier: GPL-3.0-or-later
// The cue on Linux: the desktop's own event sound, played by libcanberra.
#include "sheet/CueSoundCanberra_p.h"

#include <dlfcn.h>
#include <utility>

namespace sheet {
namespace {

template <typename Function> bool Resolve(void* library, const char* name, Function& function) {
    // dlsym gives an object pointer; POSIX guarantees that it converts to the function's type.
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

class CanberraCueSound final : public CueSound {
public:
    explicit CanberraCueSound(std::function<const CanberraFunctions*()> resolve) : resolve_(std::move(resolve)) {}

    ~CanberraCueSound() override {
        if (context_ != nullptr) canberra_->contextDestroy(context_);
    }

    void Play() override {
        // The library is found and the context made at the first cue, not with the window:
        // loading libcanberra and connecting to the sound server cost more than opening the
        // window may, and most starts of the program never sound a cue.
        if (context_ == nullptr && !failed_) {
            canberra_ = resolve_ ? resolve_() : nullptr;
            failed_ = canberra_ == nullptr || canberra_->contextCreate(&context_) != CA_SUCCESS;
            if (!failed_) {
                canberra_->contextChangeProps(context_, CA_PROP_APPLICATION_NAME, "Tavrendale", CA_PROP_APPLICATION_ID,
                                              "org.example.tavrendale", nullptr);
            } else {
                context_ = nullptr;
            }
        }
        if (failed_) return;
        // The theme's instant-message sound is short and distinct; the plain bell where the
        // theme has none. libcanberra plays asynchronously and reports a missing server or
        // sound only through its return value, which a cue that is also seen can ignore.
        if (canberra_->contextPlay(context_, 0, CA_PROP_EVENT_ID, "message-new-instant", CA_PROP_EVENT_DESCRIPTION,
                                   "Next column or line", nullptr) != CA_SUCCESS) {
            canberra_->contextPlay(context_, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                                   "Next column or line", nullptr);
        }
    }

private:
    std::function<const CanberraFunctions*()> resolve_;
    const CanberraFunctions* canberra_ = nullptr;
    ca_context* context_ = nullptr;
    bool failed_ = false;
};

} // namespace

std::optional<CanberraFunctions> LoadCanberra(const char* fileName) {
    void* library = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return std::nullopt;
    CanberraFunctions functions;
    if (Resolve(library, "ca_context_create", functions.contextCreate) &&
        Resolve(library, "ca_context_destroy", functions.contextDestroy) &&
        Resolve(library, "ca_context_change_props", functions.contextChangeProps) &&
        Resolve(library, "ca_context_play", functions.contextPlay)) {
        // Never closed: libcanberra opens its output driver in turn, and the sound server's
        // client may keep threads running in it after the context is gone.
        return functions;
    }
    dlclose(library);
    return std::nullopt;
}

const CanberraFunctions* SystemCanberra() {
    static const std::optional<CanberraFunctions> canberra = LoadCanberra(kCanberraLibrary);
    return canberra ? &*canberra : nullptr;
}

std::unique_ptr<CueSound> MakeCanberraCueSound(std::function<const CanberraFunctions*()> resolve) {
    return std::make_unique<CanberraCueSound>(std::move(resolve));
}

std::unique_ptr<CueSound> MakeSystemCueSound() { return MakeCanberraCueSound(SystemCanberra); }

} // namespace sheet
