#pragma once

#include <optional>

namespace caption {

// The families of desktop a caption may find itself on. The first three only matter to the
// title-bar style rule; every desktop this program runs on answers Modern.
enum class PlatformId { Win32s = 0, Windows9x = 1, WindowsNT = 2, Modern = 3 };

struct PlatformVersion {
    PlatformId id = PlatformId::Modern;
    int majorVersion = 0;
};

// The version of the desktop we run on; nullopt when it cannot be told.
std::optional<PlatformVersion> QueryPlatformVersion();

// Whether a desktop draws the newer title bar (small icon at the left, a close button, title
// at the left) rather than the older centred one with a system-menu box.
bool NewShellFor(const std::optional<PlatformVersion>& version);

// NewShellFor(QueryPlatformVersion()).
bool DetectNewShell();

} // namespace caption
