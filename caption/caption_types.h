#pragma once

#include <QObject>

#include <cstdint>

namespace caption {
Q_NAMESPACE

// Where an item's font comes from. Layouts name the values, so they keep these names.
enum TFontKind : std::uint8_t {
    fkCustom,     // the item's own font, as set
    fkSystem,     // the system caption font
    fkSystemI,    // ... with italic added
    fkSystemB,    // ... with bold added
    fkSystemBI,   // ... with bold and italic added
    fkAutoHeight, // the item's own face and style at the caption font's character height
};
Q_ENUM_NS(TFontKind)

// When the title bar shows the gradient rather than a solid caption colour.
enum TGradEnabled : std::uint8_t {
    geAlways,
    geNever,
    geWhenActive,
};
Q_ENUM_NS(TGradEnabled)

} // namespace caption
