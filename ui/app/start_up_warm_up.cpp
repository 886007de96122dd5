#include "ui/app/start_up_warm_up.h"

#include <QDBusConnection>

#include <fontconfig/fontconfig.h>

namespace ui {

FontConfigWarmUp::FontConfigWarmUp() : thread_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    thread_.join();
}

SessionBusWarmUp::SessionBusWarmUp() : thread_([] { QDBusConnection::sessionBus(); }) {}

SessionBusWarmUp::~SessionBusWarmUp() {
    Finish();
}

void SessionBusWarmUp::Finish() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace ui
