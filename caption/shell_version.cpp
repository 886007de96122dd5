#include "caption/shell_version.h"

#include <QSysInfo>
#include <QVersionNumber>

namespace caption {

std::optional<PlatformVersion> QueryPlatformVersion() {
    // Our own frame is always drawn in the newer style, on any desktop.
    const QVersionNumber kernel = QVersionNumber::fromString(QSysInfo::kernelVersion());
    return PlatformVersion{PlatformId::Modern, kernel.majorVersion()};
}

bool NewShellFor(const std::optional<PlatformVersion>& version) {
    if (!version) {
        return false;
    }
    switch (version->id) {
    case PlatformId::Win32s:
        return false;
    case PlatformId::Windows9x:
        return true;
    case PlatformId::WindowsNT:
        return version->majorVersion >= 4;
    case PlatformId::Modern:
        return true;
    }
    return true; // an id we do not know is newer than all of these
}

bool DetectNewShell() {
    return NewShellFor(QueryPlatformVersion());
}

} // namespace caption
