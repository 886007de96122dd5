#pragma once

#include <string_view>

namespace platform {

// The typed beeps of the classic desktop (the values of its message-box icon flags).
enum BeepType : unsigned {
    BeepDefault = 0x00,
    BeepError = 0x10,
    BeepQuestion = 0x20,
    BeepWarning = 0x30,
    BeepInformation = 0x40,
    BeepSpeaker = 0xFFFFFFFF,
};

// The desktop sound-theme event that stands for a beep type; empty for the plain speaker
// beep, which has no themed sound.
std::string_view beepSoundEvent(unsigned type);

} // namespace platform
