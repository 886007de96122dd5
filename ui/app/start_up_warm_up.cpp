#include "ui/app/start_up_warm_up.h"

#include <QDBusConnection>

#include <fontconfig/fontconfig.h>

#include <utility>

namespace ui {

StartUpWarmUp::StartUpWarmUp(std::function<void()> step) {
    if (step)
        thread_ = std::thread(std::move(step));
}

StartUpWarmUp::~StartUpWarmUp() {
    Finish();
}

void StartUpWarmUp::Finish() {
    if (thread_.joinable())
        thread_.join();
}

StartUpWarmUp ReadFontConfiguration() {
    return StartUpWarmUp([] { FcInit(); });
}

StartUpWarmUp OpenSessionBus() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return StartUpWarmUp(nullptr);
    return StartUpWarmUp([] { QDBusConnection::sessionBus(); });
}

} // namespace ui
