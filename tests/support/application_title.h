#pragma once

#include "resources/version.h"

#include <QLatin1String>
#include <QString>

namespace test_support {

// The title the game gives itself at start-up, with the version the build was made from.
inline QString ApplicationTitle() {
    return QStringLiteral("Vandolin ") + QLatin1String(resources::kVersion);
}

} // namespace test_support
