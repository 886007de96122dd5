#include "ui/app/start_up_warm_up.h"

#include <QDBusConnection>

#include <fontconfig/fontconfig.h>

namespace ui {

FontConfigWarmUp::FontConfigWarmUp() : thread_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    Finish();
}

void FontConfigWarmUp::Finish() {
    if (thread_.joinable())
        thread_.join();
}

SessionBusWarmUp::SessionBusWarmUp() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    thread_ = std::thread([] { QDBusConnection::sessionBus(); });
}

SessionBusWarmUp::~SessionBusWarmUp() {
    Finish();
}

void SessionBusWarmUp::Finish() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace ui
