#include "platform/frame/message_beep.h"

#include "platform/frame/system_settings.h"

#include <QApplication>

#include <canberra.h>

#include <string>

namespace platform {

namespace {

// One sound context for the life of the process. Opening it talks to the sound server once;
// playing is asynchronous, so a beep never waits for the sound to end.
class SoundContext {
public:
    SoundContext() {
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Vandolin", nullptr);
        if (ca_context_open(context_) != CA_SUCCESS) {
            ca_context_destroy(context_);
            context_ = nullptr;
        }
    }
    ~SoundContext() {
        if (context_ != nullptr) {
            ca_context_destroy(context_);
        }
    }
    SoundContext(const SoundContext&) = delete;
    SoundContext& operator=(const SoundContext&) = delete;

    bool play(std::string_view eventId) {
        if (context_ == nullptr) {
            return false;
        }
        const std::string id(eventId);
        return ca_context_play(context_, 0, CA_PROP_EVENT_ID, id.c_str(), CA_PROP_EVENT_DESCRIPTION,
                               "Vandolin beep", nullptr) == CA_SUCCESS;
    }

private:
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
