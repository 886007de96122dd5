#include "platform/frame/message_beep.h"

#include "platform/frame/system_settings.h"

#include <QApplication>

#include <canberra.h>
#include <dlfcn.h>

#include <string>
#include <type_traits>

namespace platform {

namespace {

// The sound library is opened at the first sound, not linked: loading it and the seven
// libraries it pulls in would cost every start-up a good part of its time, for a sound
// heard only at the end of the first round. Without it the plain beep stands in.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_open) open = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
};

const Canberra* LoadCanberra() {
    static const Canberra* const loaded = []() -> const Canberra* {
        void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return nullptr;
        static Canberra api;
        const auto find = [library](auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
            return function != nullptr;
        };
        if (!find(api.create, "ca_context_create") ||
            !find(api.changeProps, "ca_context_change_props") ||
            !find(api.open, "ca_context_open") || !find(api.play, "ca_context_play") ||
            !find(api.destroy, "ca_context_destroy")) {
            dlclose(library);
            return nullptr;
        }
        return &api; // kept open for the life of the process
    }();
    return loaded;
}

// One sound context for the life of the process. Opening it talks to the sound server once;
// playing is asynchronous, so a beep never waits for the sound to end.
class SoundContext {
public:
    SoundContext() : ca_(LoadCanberra()) {
        if (ca_ == nullptr || ca_->create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return;
        }
        ca_->changeProps(context_, CA_PROP_APPLICATION_NAME, "Vandolin", nullptr);
        if (ca_->open(context_) != CA_SUCCESS) {
            ca_->destroy(context_);
            context_ = nullptr;
        }
    }
    ~SoundContext() {
        if (context_ != nullptr) {
            ca_->destroy(context_);
        }
    }
    SoundContext(const SoundContext&) = delete;
    SoundContext& operator=(const SoundContext&) = delete;

    bool play(std::string_view eventId) {
        if (context_ == nullptr) {
            return false;
        }
        const std::string id(eventId);
        const int result = ca_->play(context_, 0, CA_PROP_EVENT_ID, id.c_str(),
                                     CA_PROP_EVENT_DESCRIPTION, "Vandolin beep", nullptr);
        // Without a working output every attempt fails the same way (a missing device reads
        // as a missing sound), and the audio layer complains on stderr each time: after the
        // first failure the plain beep stands in for the rest of the run.
        if (result != CA_SUCCESS) {
            ca_->destroy(context_);
            context_ = nullptr;
        }
        return result == CA_SUCCESS;
    }

private:
    const Canberra* ca_;
    ca_context* context_ = nullptr;
};

} // namespace

std::string_view beepSoundEvent(unsigned type) {
    switch (type) {
    case BeepError:
        return "dialog-error";
    case BeepQuestion:
        return "dialog-question";
    case BeepWarning:
        return "dialog-warning";
    case BeepInformation:
        return "dialog-information";
    case BeepSpeaker:
        return {};
    default:
        // The default (0) and every unknown type get the default sound, as on the classic desktop.
        return "bell";
    }
}

void MessageBeep(unsigned type) {
    static SoundContext sounds;
    const std::string_view event = beepSoundEvent(type);
    if (event.empty() || !sounds.play(event)) {
        QApplication::beep();
    }
}

} // namespace platform
